#include "form_select_colore.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "controls.h"
#include "layout.h"
#include "numbers.h"
#include "palette.h"
#include "seams.h"
#include "shell_state.h"
#include "widget_colors.h"

namespace tavolux::shell {

namespace {

// The controls of one colour, in its frame: the bars "B", "G", "R" from the
// top, the hex box under them and RANDOM beside the box.
QGroupBox* MakeColourFrame(QWidget* parent, const char* name, const QString& caption,
                           const char* barName, const char* boxName, const char* randomName,
                           int firstLabel, std::array<QScrollBar*, 3>* bars, QLineEdit** box,
                           QPushButton** random) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    const QString letters[] = {QStringLiteral("B"), QStringLiteral("G"), QStringLiteral("R")};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(letters[i], frame);
        label->setObjectName(QStringLiteral("Label%1").arg(firstLabel + i));
        label->setGeometry(TwipsToPixels(150, 375 + 375 * i, 240, 270));
        auto* bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(barName)).arg(i));
        bar->setRange(0, 255);
        bar->setGeometry(TwipsToPixels(450, 375 + 375 * i, 3750, 270));
        (*bars)[i] = bar;
    }
    *box = new QLineEdit(frame);
    (*box)->setObjectName(QString::fromLatin1(boxName));
    (*box)->setGeometry(TwipsToPixels(450, 1575, 1650, 390));
    *random = MakeCommandButton(frame, randomName, QStringLiteral("RANDOM"));
    (*random)->setGeometry(TwipsToPixels(2400, 1530, 1650, 450));
    return frame;
}

// The target's hex box has a strong frame, the other a thin one; both keep
// the button-face background.
void MarkBox(QLineEdit* box, bool selected) {
    box->setProperty("selected", selected);
    const QString face = QGuiApplication::palette().color(QPalette::Button).name();
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: %2; }")
                           .arg(face, selected ? QStringLiteral("3px solid #000080")
                                               : QStringLiteral("1px solid #808080")));
}

}  // namespace

FormSelectColore::FormSelectColore(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSelectColore"));
    setWindowTitle(QStringLiteral("FormSelectColore"));
    setFixedSize(TwipsToPixels(7875), TwipsToPixels(6000));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(TwipsToPixels(60, 60, 7755, 5880));

    Frame1 = MakeColourFrame(this, "Frame1", QStringLiteral("Colore carattere"), "ColoreCarattere",
                             "RGBCarattere", "RandomCarattere", 2, &ColoreCarattere, &RGBCarattere,
                             &RandomCarattere);
    Frame1->setGeometry(TwipsToPixels(150, 150, 4350, 2250));
    Frame2 =
        MakeColourFrame(this, "Frame2", QStringLiteral("Colore sfondo"), "ColoreSfondo",
                        "RGBSfondo", "RandomSfondo", 5, &ColoreSfondo, &RGBSfondo, &RandomSfondo);
    Frame2->setGeometry(TwipsToPixels(150, 3540, 4350, 2250));

    Label1 = new QLabel(QStringLiteral("Prova di Colore"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont sampleFont(QStringLiteral("Times New Roman"));
    sampleFont.setPointSizeF(24);
    sampleFont.setBold(true);
    Label1->setFont(sampleFont);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(TwipsToPixels(150, 2520, 4350, 900));

    palette_ = MakePaletteImage();
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap::fromImage(palette_));
    Picture1->setGeometry(TwipsToPixels(4725, 225, 2985, 3000));
    Picture1->setCursor(Qt::CrossCursor);

    BTNOK = MakeCommandButton(this, "BTNOK", QStringLiteral("OK"));
    BTNOK->setGeometry(TwipsToPixels(4725, 4350, 2625, 600));
    BTNAnnulla = MakeCommandButton(this, "BTNAnnulla", QStringLiteral("ANNULLA"));
    BTNAnnulla->setGeometry(TwipsToPixels(4725, 5100, 2625, 600));

    for (QScrollBar* bar : ColoreCarattere) {
        connect(bar, &QScrollBar::valueChanged, this,
                &FormSelectColore::FormSelectColore_ColoreCarattere_Change);
    }
    for (QScrollBar* bar : ColoreSfondo) {
        connect(bar, &QScrollBar::valueChanged, this,
                &FormSelectColore::FormSelectColore_ColoreSfondo_Change);
    }
    connect(RandomCarattere, &QPushButton::clicked, this,
            &FormSelectColore::FormSelectColore_RandomCarattere_Click);
    connect(RandomSfondo, &QPushButton::clicked, this,
            &FormSelectColore::FormSelectColore_RandomSfondo_Click);
    connect(RGBCarattere, &QLineEdit::returnPressed, this,
            &FormSelectColore::FormSelectColore_RGBCarattere_KeyPress);
    connect(RGBSfondo, &QLineEdit::returnPressed, this,
            &FormSelectColore::FormSelectColore_RGBSfondo_KeyPress);
    connect(BTNOK, &QPushButton::clicked, this, &FormSelectColore::FormSelectColore_BTNOK_Click);
    connect(BTNAnnulla, &QPushButton::clicked, this,
            &FormSelectColore::FormSelectColore_BTNAnnulla_Click);
    RGBCarattere->installEventFilter(this);
    RGBSfondo->installEventFilter(this);
    Picture1->installEventFilter(this);

    FormSelectColore_Form_Load();
}

void FormSelectColore::FormSelectColore_Form_Load() {
    barsLive_ = false;
    const ShellGlobals& g = Globals();
    if (!g.PickForeColorHex.isEmpty() && !g.PickBackColorHex.isEmpty()) {
        RGBCarattere->setText(PadToSix(g.PickForeColorHex));
        RGBSfondo->setText(PadToSix(g.PickBackColorHex));
        ApplyHex(kTextColour);
        ApplyHex(kBackground);
    } else {
        RandomColour(kBackground);
        RandomColour(kTextColour);
    }
    barsLive_ = true;
    BarChanged(kTextColour);
    BarChanged(kBackground);
}

const std::array<QScrollBar*, 3>& FormSelectColore::BarsOfGroup(int group) const {
    return group == kTextColour ? ColoreCarattere : ColoreSfondo;
}

QLineEdit* FormSelectColore::BoxOf(int group) const {
    return group == kTextColour ? RGBCarattere : RGBSfondo;
}

Bars FormSelectColore::BarsOf(int group) const {
    const auto& bars = BarsOfGroup(group);
    return {bars[0]->value(), bars[1]->value(), bars[2]->value()};
}

void FormSelectColore::BarChanged(int group) {
    if (!barsLive_) return;
    const Bars bars = BarsOf(group);
    BoxOf(group)->setText(PickerText(bars));
    if (group == kTextColour) {
        SetForeColor(Label1, BarsToColor(bars));
    } else {
        SetBackColor(Label1, BarsToColor(bars));
    }
    SelectTarget(group);
}

void FormSelectColore::SetBars(int group, const Bars& values) {
    // A bar set to the value it holds raises no change.
    const auto& bars = BarsOfGroup(group);
    for (int i = 0; i < 3; ++i) bars[i]->setValue(values[i]);
}

void FormSelectColore::RandomColour(int group) {
    for (QScrollBar* bar : BarsOfGroup(group)) bar->setValue(RandomBarValue(Seams::Random()));
    SelectTarget(group);
}

void FormSelectColore::ApplyHex(int group) {
    QLineEdit* box = BoxOf(group);
    if (box->text().size() != 6) box->setText(PadToSix(box->text()));
    // All three pairs are read before the first bar moves and rewrites the box.
    SetBars(group, PickerBars(box->text()));
}

void FormSelectColore::SelectTarget(int target) {
    colourTarget_ = target;
    MarkBox(RGBCarattere, target == kTextColour);
    MarkBox(RGBSfondo, target == kBackground);
}

void FormSelectColore::FormSelectColore_ColoreCarattere_Change() {
    BarChanged(kTextColour);
}
void FormSelectColore::FormSelectColore_ColoreSfondo_Change() {
    BarChanged(kBackground);
}
void FormSelectColore::FormSelectColore_RandomCarattere_Click() {
    RandomColour(kTextColour);
}
void FormSelectColore::FormSelectColore_RandomSfondo_Click() {
    RandomColour(kBackground);
}
void FormSelectColore::FormSelectColore_RGBCarattere_KeyPress() {
    ApplyHex(kTextColour);
}
void FormSelectColore::FormSelectColore_RGBSfondo_KeyPress() {
    ApplyHex(kBackground);
}

void FormSelectColore::FormSelectColore_Picture1_Click() {
    // Only the image has colours; the rest of the picture sets nothing.
    if (!palette_.valid(pickPoint_)) return;
    const QString hex = ColorToBgrHex(QColorToBgr(QColor(palette_.pixel(pickPoint_))));
    SetBars(colourTarget_, PickerBars(hex));
}

void FormSelectColore::FormSelectColore_BTNOK_Click() {
    ShellGlobals& g = Globals();
    g.PickForeColorHex = RGBCarattere->text();
    g.PickBackColorHex = RGBSfondo->text();
    accept();
}

void FormSelectColore::FormSelectColore_BTNAnnulla_Click() {
    reject();
}

void FormSelectColore::reject() {
    ShellGlobals& g = Globals();
    g.PickForeColorHex.clear();
    g.PickBackColorHex.clear();
    QDialog::reject();
}

bool FormSelectColore::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == RGBCarattere) SelectTarget(kTextColour);
        if (watched == RGBSfondo) SelectTarget(kBackground);
        if (watched == Picture1)
            pickPoint_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == Picture1) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            Picture1->rect().contains(mouse->position().toPoint())) {
            FormSelectColore_Picture1_Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavolux::shell
