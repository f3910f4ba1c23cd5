#include "my_msg_box.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include "layout.h"
#include "numbers.h"
#include "seams.h"
#include "shell_state.h"
#include "text_files.h"
#include "widget_colors.h"

namespace tavolux::shell {

MyMsgBox::MyMsgBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MyMsgBox"));
    setWindowTitle(QStringLiteral("Form8"));
    setFixedSize(TwipsToPixels(9315), TwipsToPixels(3900));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BgrToQColor(0xC0FFFF));
    setPalette(palette);
    setMouseTracking(true);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsToPixels(840, 480, 7815, 2295));
    Text1->setReadOnly(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->document()->setDocumentMargin(1);  // six lines of statistics fit the design size
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Long reports stay readable: the bar shows only when the text overflows.
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont textFont(QStringLiteral("Times New Roman"));
    textFont.setPointSizeF(15.75);
    textFont.setItalic(true);
    Text1->setFont(textFont);
    SetBackColor(Text1, 0xC0FFFF);
    Text1->setPlainText(QStringLiteral("Warning\n"));
    Text1->viewport()->setMouseTracking(true);
    Text1->viewport()->installEventFilter(this);
    Text1->installEventFilter(this);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsToPixels(720, 3120, 8055, 495));
    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setPointSizeF(13.5);
    buttonFont.setBold(true);
    Command1->setFont(buttonFont);
    SetBackColor(Command1, 0xFF00);
    connect(Command1, &QPushButton::clicked, this, &MyMsgBox::MyMsgBox_Command1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MyMsgBox::MyMsgBox_Timer1_Timer);
    Timer1->start();
}

void MyMsgBox::SetMessage(const QString& text) {
    Text1->setPlainText(ToPaneText(text));
}

void MyMsgBox::MyMsgBox_Command1_Click() {
    accept();
}

void MyMsgBox::MyMsgBox_Timer1_Timer() {
    ++idleTicks_;
    if (idleTicks_ >= kMessageIdleTicks) {
        Timer1->stop();
        accept();
    }
}

bool MyMsgBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) idleTicks_ = 0;
    return QDialog::eventFilter(watched, event);
}

void MyMsgBox::mouseMoveEvent(QMouseEvent* event) {
    idleTicks_ = 0;
    QDialog::mouseMoveEvent(event);
}

void ShowMessage(const QString& text, QWidget* owner) {
    ShellGlobals& g = Globals();
    const int dim = Rgb(70, 70, 70);
    // The panes as they are now, each given back its colour afterwards.
    const QList<QPointer<QWidget>> panes = g.PanesToDim;
    QList<int> backs;
    for (const QPointer<QWidget>& pane : panes) {
        backs << (pane ? BackColor(pane) : 0);
        if (pane) SetBackColor(pane, dim);
    }
    if (Seams::Enabled()) {
        Seams::RecordMessage(text);
    } else {
        MyMsgBox box(owner ? owner : g.MainWindow.data());
        box.SetMessage(text);
        box.exec();
    }
    for (qsizetype i = 0; i < panes.size(); ++i) {
        if (panes[i]) SetBackColor(panes[i], backs[i]);
    }
}

}  // namespace tavolux::shell
