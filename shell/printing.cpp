#include "printing.h"

#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "my_msg_box.h"
#include "seams.h"
#include "text_files.h"

namespace tavolux::shell {

bool PrintText(const QString& text, const QFont& font) {
    const QString noPrinter = QStringLiteral("Nessuna stampante installata: stampa non eseguita.");
    QPrinter printer;
    switch (Seams::Target()) {
        case Seams::PrintTarget::Pdf:
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Seams::PdfPath());
            break;
        case Seams::PrintTarget::NoPrinter:
            ShowMessage(noPrinter);
            return false;
        case Seams::PrintTarget::System:
            if (QPrinterInfo::availablePrinters().isEmpty() || !printer.isValid()) {
                ShowMessage(noPrinter);
                return false;
            }
            break;
    }
    QTextDocument document;
    QFont printFont(font.family());
    printFont.setPointSizeF(font.pointSizeF());
    document.setDefaultFont(printFont);
    document.setPlainText(ToPaneText(text));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        ShowMessage(QStringLiteral("La stampa non è riuscita."));
        return false;
    }
    return true;
}

}  // namespace tavolux::shell
