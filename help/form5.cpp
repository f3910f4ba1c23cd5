#include "form5.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

#include "examples_text.h"
#include "layout.h"
#include "modal.h"
#include "printing.h"
#include "text_files.h"

static void InitExampleResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(examples);
        return true;
    }();
    (void)registered;
}

namespace tavolux::help {

using shell::TwipsToPixels;

namespace {

QScreen* ScreenOf(const QWidget* widget) {
    QScreen* screen = widget->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QStringList ExamplePrograms() {
    InitExampleResources();
    QStringList programs;
    for (int n = 1; n <= 4; ++n) {
        QFile file(QStringLiteral(":/tavolux/examples/example-%1.bas").arg(n));
        if (file.open(QIODevice::ReadOnly)) programs << QString::fromUtf8(file.readAll());
    }
    return programs;
}

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Esempi per il programma Tavolux."));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(12);
    Text1->setFont(font);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->viewport()->installEventFilter(this);
}

void Form5::Form5_Form_Load() {
    std::vector<std::string> programs;
    for (const QString& program : ExamplePrograms()) programs.push_back(program.toStdString());
    Text1->setPlainText(shell::ToPaneText(QString::fromStdString(ExamplesText(programs))));
    FitToScreen();
}

void Form5::FitToScreen() {
    const QSize screen = ScreenOf(this)->geometry().size();
    const ExamplesLayout r = FitExamplesToScreen(shell::PixelsToTwips(screen.width()),
                                                 shell::PixelsToTwips(screen.height()));
    resize(TwipsToPixels(r.windowWidth), TwipsToPixels(r.windowHeight));
    Text1->setGeometry(TwipsToPixels(r.textLeft, r.textTop, r.textWidth, r.textHeight));
}

void Form5::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QRect frame = frameGeometry();
    frame.moveCenter(ScreenOf(this)->geometry().center());
    move(frame.topLeft());
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        Form5_Text1_DblClick();
    }
    return QDialog::eventFilter(watched, event);
}

void Form5::Form5_Text1_DblClick() {
    if (!shell::AskYesNo(this, QStringLiteral("Eseguo la stampa ?"))) return;
    shell::PrintText(shell::FromPaneText(Text1->toPlainText()), Text1->font());
}

void ShowExamples(QWidget* parent) {
    Form5 form(parent);
    form.Form5_Form_Load();
    shell::RunModal(form);
}

}  // namespace tavolux::help
