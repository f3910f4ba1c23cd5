#include "form7.h"

#include <QPlainTextEdit>

#include "layout.h"
#include "modal.h"
#include "tables_dump.h"
#include "text_files.h"

namespace tavolux::help {

using shell::TwipsToPixels;

Form7::Form7(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
    resize(TwipsToPixels(11625), TwipsToPixels(8490));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    Text1->setFont(font);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setGeometry(TwipsToPixels(120, 120, 11295, 8175));
}

void Form7::Form7_Form_Load(const TranslatorState& state, int flagTestoModificato) {
    const std::string dump = DumpTranslatorTables(state, flagTestoModificato);
    Text1->setPlainText(
        Text1->toPlainText() +
        shell::ToPaneText(QString::fromUtf8(dump.data(), static_cast<qsizetype>(dump.size()))));
}

void ShowTranslatorTables(QWidget* parent, const TranslatorState& state, int flagTestoModificato) {
    Form7 form(parent);
    form.Form7_Form_Load(state, flagTestoModificato);
    shell::RunModal(form);
}

}  // namespace tavolux::help
