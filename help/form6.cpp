#include "form6.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "layout.h"
#include "modal.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "shell_state.h"
#include "timer_calculator.h"
#include "widget_colors.h"

namespace tavolux::help {

using shell::Globals;
using shell::TwipsToPixels;

namespace {

constexpr int kWindowBack = 0xC0C0C0;

QFont TimesBold(double size) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(size);
    font.setBold(true);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, double left,
                  double top, double width, double height) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TimesBold(14.25));
    label->setGeometry(TwipsToPixels(left, top, width, height));
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& text, double left,
                   double top) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(TimesBold(14.25));
    box->setGeometry(TwipsToPixels(left, top, 2535, 435));
    return box;
}

}  // namespace

Form6::Form6(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Determinazione impostazioni Timer"));
    setFixedSize(TwipsToPixels(7620), TwipsToPixels(6120));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, shell::BgrToQColor(kWindowBack));
    setPalette(palette);

    const double labels = 240, boxes = 3480, units = 6135;
    Label5 = MakeLabel(this, "Label5", QStringLiteral("Programmazione interrupt Timer"), 240, 120,
                       7140, 435);
    Label5->setAlignment(Qt::AlignCenter);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Frequenza quarzo"), labels, 780, 3135, 435);
    Frequenza = MakeBox(this, "Frequenza", QStringLiteral("8"), boxes, 720);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("MHz"), units, 780, 1335, 435);
    Label3 =
        MakeLabel(this, "Label3", QStringLiteral("Divisore prescaler"), labels, 1380, 3135, 435);
    Prescaler = MakeBox(this, "Prescaler", QStringLiteral("256"), boxes, 1320);
    Label4 =
        MakeLabel(this, "Label4", QStringLiteral("Valore azzer. TMR0"), labels, 1980, 3135, 435);
    TMR0 = MakeBox(this, "TMR0", QStringLiteral("0"), boxes, 1920);
    Label6 =
        MakeLabel(this, "Label6", QStringLiteral("Frequenza Interrupt"), labels, 2820, 3135, 435);
    FrequenzaCall = MakeBox(this, "FrequenzaCall", QStringLiteral(" "), boxes, 2760);
    FattoreFrequenza =
        MakeLabel(this, "FattoreFrequenza", QStringLiteral("MHz"), units, 2820, 1335, 435);
    Label7 =
        MakeLabel(this, "Label7", QStringLiteral("Periodo Interrupt"), labels, 3420, 3135, 435);
    PeriodoCall = MakeBox(this, "PeriodoCall", QStringLiteral(" "), boxes, 3360);
    FattorePeriodo =
        MakeLabel(this, "FattorePeriodo", QStringLiteral("MHz"), units, 3420, 1335, 435);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(TimesBold(9.75));
    Text1->setGeometry(TwipsToPixels(240, 4080, 7140, 1095));
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    shell::SetBackColor(Text1, kWindowBack);
    shell::SetForeColor(Text1, 0x808080);
    Text1->setFocusPolicy(Qt::NoFocus);

    Errore = new QLabel(QStringLiteral("ERRORE"), this);
    Errore->setObjectName(QStringLiteral("Errore"));
    QFont errorFont(QStringLiteral("MS Sans Serif"));
    errorFont.setPointSizeF(9.75);
    errorFont.setBold(true);
    Errore->setFont(errorFont);
    Errore->setGeometry(TwipsToPixels(240, 5340, 7140, 495));
    Errore->setAlignment(Qt::AlignCenter);
    Errore->setWordWrap(true);
    shell::SetBackColor(Errore, 0xFFFF);
    shell::SetForeColor(Errore, 0xFF);
    Errore->hide();

    ErroreTimer = new QTimer(this);
    ErroreTimer->setObjectName(QStringLiteral("ErroreTimer"));
    ErroreTimer->setSingleShot(true);
    ErroreTimer->setInterval(kErrorShownMs);
    connect(ErroreTimer, &QTimer::timeout, Errore, &QLabel::hide);

    for (QLineEdit* input : {Frequenza, Prescaler, TMR0}) input->installEventFilter(this);
    setTabOrder(Frequenza, Prescaler);
    setTabOrder(Prescaler, TMR0);
    setTabOrder(TMR0, FrequenzaCall);
    setTabOrder(FrequenzaCall, PeriodoCall);
}

void Form6::Form6_Form_Load() {
    const shell::ShellGlobals& g = Globals();
    Frequenza->setText(g.TimerCalcFrequency);
    Prescaler->setText(g.TimerCalcPrescaler);
    TMR0->setText(g.TimerCalcTMR0);
    Text1->setPlainText(QStringLiteral(
        "La frequenza con cui il timer attiva l'interrupt è calcolata nel seguente modo:\n"
        "1) si divide la frequenza del quarzo XTAL per 4\n"
        "2) ulteriore divisione per il valore assegnato al PRESCALER\n"
        "3) ulteriore divisione per (256-Valore di azzeramento TMR0)"));
    Text1->setReadOnly(true);
    ComputeTimerInterrupt();
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) ComputeTimerInterrupt();
    }
    return QDialog::eventFilter(watched, event);
}

void Form6::ComputeTimerInterrupt() {
    const TimerResult r =
        help::ComputeTimerInterrupt({Frequenza->text().toStdString(),
                                     Prescaler->text().toStdString(), TMR0->text().toStdString()});
    shell::ShellGlobals& g = Globals();
    g.TimerCalcFrequency = QString::fromStdString(r.stored.frequency);
    g.TimerCalcPrescaler = QString::fromStdString(r.stored.prescaler);
    g.TimerCalcTMR0 = QString::fromStdString(r.stored.tmr0);

    FrequenzaCall->setText(QString::fromStdString(r.frequency));
    PeriodoCall->setText(QString::fromStdString(r.period));
    switch (r.outcome) {
        case TimerOutcome::Computed:
            FattoreFrequenza->setText(QString::fromStdString(r.frequencyUnit));
            FattorePeriodo->setText(QString::fromStdString(r.periodUnit));
            break;
        case TimerOutcome::Invalid:
            Errore->setText(QString::fromUtf8(kTimerInvalidInputs));
            Errore->show();
            ErroreTimer->start();
            break;
        case TimerOutcome::Failed:
            Frequenza->clear();
            Prescaler->clear();
            TMR0->clear();
            shell::ShowMessage(QString::fromStdString(r.failure));
            break;
    }
}

void Form6::done(int result) {
    ErroreTimer->stop();
    QDialog::done(result);
}

void ShowTimerCalculator(QWidget* parent) {
    Form6 form(parent);
    form.Form6_Form_Load();
    shell::RunModal(form);
}

}  // namespace tavolux::help
