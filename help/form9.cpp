#include "form9.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "controls.h"
#include "help_windows.h"
#include "layout.h"
#include "number_text.h"
#include "numbers.h"
#include "shell_state.h"
#include "widget_colors.h"

namespace tavolux::help {

namespace {

// The calculator outlives whichever window opened it.
QPointer<Form9> openCalculator;

constexpr int kWindowBack = 0x404080;
constexpr int kPanelNp = 0xFFFF80, kPanelNpNs = 0xC0FFC0, kPanelTone = 0xC0FFFF;
constexpr int kWhite = shell::Rgb(255, 255, 255), kRed = shell::Rgb(255, 0, 0);

// Boxes and captions; the panels' colours come from style sheets, so each
// control takes the font itself.
QFont PanelFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(18);
    font.setBold(true);
    return font;
}

template <typename W>
W* WithPanelFont(W* widget) {
    widget->setFont(PanelFont());
    return widget;
}

// A coloured panel whose rows are a caption, a box and a unit or a scroll bar.
class Panel {
  public:
    Panel(QWidget* window, QGridLayout* windowGrid, int row, int column, int rowSpan, int color)
        : color_(color) {
        frame_ = new QFrame(window);
        shell::SetBackColor(frame_, color);
        grid_ = new QGridLayout(frame_);
        grid_->setContentsMargins(12, 8, 12, 8);
        grid_->setHorizontalSpacing(8);
        grid_->setColumnStretch(0, 1);
        windowGrid->addWidget(frame_, row, column, rowSpan, 1);
    }

    QLabel* Formula(const char* name, const QString& text) {
        auto* label = new QLabel(text, frame_);
        label->setObjectName(QString::fromLatin1(name));
        QFont font(QStringLiteral("Rockwell"));
        font.setPointSizeF(24);
        font.setBold(true);
        font.setItalic(true);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        grid_->addWidget(label, next_++, 0, 1, 3);
        return label;
    }

    // A row; `result` boxes show a computed value in the panel's colour.
    QLineEdit* Row(const char* name, const QString& caption, const QString& text,
                   const QString& unit, bool result = false, QLabel** captionLabel = nullptr) {
        auto* label = WithPanelFont(new QLabel(caption, frame_));
        if (captionLabel) *captionLabel = label;
        auto* box = WithPanelFont(new QLineEdit(text, frame_));
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(170);
        if (result) {
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            shell::SetBackColor(box, color_);
        } else {
            shell::SetBackColor(box, kWhite);
        }
        grid_->addWidget(label, next_, 0);
        grid_->addWidget(box, next_, 1);
        if (!unit.isEmpty()) grid_->addWidget(WithPanelFont(new QLabel(unit, frame_)), next_, 2);
        ++next_;
        last_ = box;
        return box;
    }

    QScrollBar* ScrollBeside(const char* name) {
        auto* bar = new QScrollBar(Qt::Vertical, frame_);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setRange(1, 255);
        bar->setFixedSize(22, last_->sizeHint().height());
        grid_->addWidget(bar, next_ - 1, 2, Qt::AlignLeft);
        return bar;
    }

    QCheckBox* Check(const char* name, const QString& caption, bool checked, int column) {
        auto* box = WithPanelFont(new QCheckBox(caption, frame_));
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(checked);
        grid_->addWidget(box, next_, column);
        return box;
    }

    void Stretch() { grid_->setRowStretch(next_ + 1, 1); }

  private:
    QFrame* frame_;
    QGridLayout* grid_;
    QLineEdit* last_ = nullptr;
    int color_;
    int next_ = 0;
};

}  // namespace

Form9::Form9(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Controllo dell'istruzione wait"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, shell::BgrToQColor(kWindowBack));
    setPalette(palette);
    setFont(PanelFont());

    // The panels stand on a surface that scrolls when the screen has not
    // the room to show them whole.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Panels"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* surface = new QWidget;
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    auto* grid = new QGridLayout(surface);
    grid->setContentsMargins(10, 10, 10, 10);
    grid->setSpacing(10);
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    const QString mhz = QStringLiteral("MHz"), usec = QStringLiteral("u-sec");

    Panel np(this, grid, 0, 0, 1, kPanelNp);
    LabelFormulaNp = np.Formula("LabelFormulaNp", QStringLiteral("Pausa=(4*Np+1)*Tcpu"));
    Text6 = np.Row("Text6", QStringLiteral("Frequenza PIC"), QStringLiteral("4.0"), mhz);
    Text7 = np.Row("Text7", QStringLiteral("Indice Np"), QStringLiteral("128"), QString());
    Text8 = np.Row("Text8", QStringLiteral("Tempo di pausa"), QString(), usec, true);
    np.Stretch();

    Panel npNs(this, grid, 1, 0, 1, kPanelNpNs);
    LabelFormulaNpNs =
        npNs.Formula("LabelFormulaNpNs", QStringLiteral("Pausa=[4*Np*(Ns+1)+1]*Tcpu"));
    Text9 = npNs.Row("Text9", QStringLiteral("Frequenza PIC"), QStringLiteral("4.0"), mhz);
    Text10 = npNs.Row("Text10", QStringLiteral("Indice Np"), QStringLiteral("128"), QString());
    Text11 = npNs.Row("Text11", QStringLiteral("Indice Ns"), QStringLiteral("128"), QString());
    Text12 = npNs.Row("Text12", QStringLiteral("Tempo di pausa"), QString(), usec, true);
    npNs.Stretch();

    Panel tone(this, grid, 0, 1, 2, kPanelTone);
    Text1 = tone.Row("Text1", QStringLiteral("Frequenza da generare"), QStringLiteral("440"),
                     QStringLiteral("Hz"));
    Text2 = tone.Row("Text2", QStringLiteral("Frequenza quarzo PIC"), QStringLiteral("4.0"), mhz);
    Text3 =
        tone.Row("Text3", QStringLiteral("Indice primario Np"), QStringLiteral("15"), QString());
    VScroll1 = tone.ScrollBeside("VScroll1");
    Text4 = tone.Row("Text4", QStringLiteral("Indice secondario Ns"), QStringLiteral("15"),
                     QString(), false, &Label7);
    Label7->setObjectName(QStringLiteral("Label7"));
    VScroll2 = tone.ScrollBeside("VScroll2");
    Text13 = tone.Row("Text13", QStringLiteral("Frequenza generata"), QString(),
                      QStringLiteral("Hz"), true);
    Text5 = tone.Row("Text5", QStringLiteral("Errore di approssim."), QString(),
                     QStringLiteral("%"), true);
    Check1 = tone.Check("Check1", QStringLiteral("Wait Np"), false, 0);
    Check2 = tone.Check("Check2", QStringLiteral("Wait Np,Ns"), true, 1);
    tone.Stretch();
    scroll->setWidget(surface);

    // Connected once the design values stand, so building raises nothing.
    for (QLineEdit* box : {Text6, Text7}) {
        connect(box, &QLineEdit::textChanged, this, &Form9::Form9_Text6_Change);
    }
    for (QLineEdit* box : {Text9, Text10, Text11}) {
        connect(box, &QLineEdit::textChanged, this, &Form9::Form9_Text9_Change);
    }
    for (QLineEdit* box : {Text1, Text2}) {
        connect(box, &QLineEdit::textChanged, this, &Form9::Form9_Text1_Change);
    }
    connect(Text3, &QLineEdit::textChanged, this, &Form9::Form9_Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form9::Form9_Text4_Change);
    connect(Check1, &QCheckBox::toggled, this, &Form9::Form9_Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form9::Form9_Check2_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form9::Form9_VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form9::Form9_VScroll2_Change);
}

void Form9::Form9_Form_Load() {
    normalResultColor_ = shell::BackColor(Text5);
    Form9_Text6_Change();
    Form9_Text9_Change();
    Form9_Text3_Change();
    const double np = std::round(ReadTypedNumber(Text3->text().toStdString()));
    VScroll1->setValue(static_cast<int>(std::clamp(std::isfinite(np) ? np : 1.0, 1.0, 255.0)));
}

ToneBoxes Form9::Boxes() const {
    return {Text1->text().toStdString(), Text2->text().toStdString(), Text3->text().toStdString(),
            Text4->text().toStdString()};
}

bool Form9::OneCount() const {
    return !Check2->isChecked();
}

void Form9::Form9_Text6_Change() {
    Text8->setText(QString::fromStdString(
        WaitPauseText(Text6->text().toStdString(), Text7->text().toStdString())));
}

void Form9::Form9_Text9_Change() {
    Text12->setText(QString::fromStdString(WaitPauseText(
        Text9->text().toStdString(), Text10->text().toStdString(), Text11->text().toStdString())));
}

void Form9::Form9_Text1_Change() {
    if (busy_) return;
    if (const auto update = tone_.FrequencyChanged(Boxes(), OneCount())) Apply(*update);
}

void Form9::Form9_Text3_Change() {
    if (busy_) return;
    Apply(tone_.SolveFromNp(Boxes(), OneCount()));
}

void Form9::Form9_Text4_Change() {
    if (busy_ || Check1->isChecked()) return;
    Apply(tone_.SolveFromNs(Boxes()));
}

void Form9::Apply(const ToneUpdate& u) {
    busy_ = true;
    if (u.np) {
        Text3->setText(QString::fromStdString(u.np->text));
        shell::SetBackColor(Text3, u.np->red ? kRed : kWhite);
    }
    if (u.ns) {
        Text4->setText(QString::fromStdString(u.ns->text));
        shell::SetBackColor(Text4, u.ns->red ? kRed : kWhite);
    }
    Text13->setText(QString::fromStdString(u.generated));
    Text5->setText(QString::fromStdString(u.error));
    for (QLineEdit* result : {Text13, Text5}) {
        shell::SetBackColor(result, u.resultsRed ? kRed : normalResultColor_);
    }
    if (u.npScroll) VScroll1->setValue(*u.npScroll);
    if (u.nsScroll) VScroll2->setValue(*u.nsScroll);
    busy_ = false;
}

void Form9::Form9_Check1_Click() {
    const bool twoCounts = !Check1->isChecked();
    Check2->setChecked(twoCounts);
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, Text4, VScroll2}) {
        w->setVisible(twoCounts);
    }
    Form9_Text3_Change();
}

void Form9::Form9_Check2_Click() {
    Check1->setChecked(!Check2->isChecked());
    Form9_Text3_Change();
}

void Form9::Form9_VScroll1_Change(int value) {
    if (!busy_) Text3->setText(QString::fromStdString(NumberText(value)));
}

void Form9::Form9_VScroll2_Change(int value) {
    if (!busy_) Text4->setText(QString::fromStdString(NumberText(value)));
}

void Form9::mouseMoveEvent(QMouseEvent* event) {
    if (shell::Globals().Flag_AppClosing) {
        close();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

// The surface the panels stand on is the window's own.
bool Form9::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && shell::Globals().Flag_AppClosing) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form9::FitOnScreen() {
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("Panels"));
    resize(shell::ScrollingWindowSize(
        scroll->widget()->sizeHint(), shell::WindowRoom(),
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this)));
    shell::OpenOnScreen(this);
}

Form9* OpenWaitCalculator() {
    return openCalculator;
}

void ShowWaitCalculator() {
    // A closed calculator is only waiting to be deleted: a new one takes its place.
    if (!openCalculator || openCalculator->isHidden()) {
        openCalculator = new Form9;
        openCalculator->Form9_Form_Load();
        openCalculator->FitOnScreen();
    }
    openCalculator->show();
    openCalculator->raise();
    openCalculator->activateWindow();
}

}  // namespace tavolux::help
