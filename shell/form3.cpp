#include "form3.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>

#include "controls.h"
#include "form_select_colore.h"
#include "layout.h"
#include "modal.h"
#include "numbers.h"
#include "pane_settings.h"
#include "shell_state.h"
#include "widget_colors.h"

namespace tavolux::shell {

namespace {

// The grid, in twips: the row labels, then the "Basic" and "Assembly"
// columns; a header row and four rows of controls.
constexpr double kLabelLeft = 120, kLabelWidth = 3000;
constexpr double kColumnLeft[2] = {3240, 4920};
constexpr double kColumnWidth = 1560;
constexpr double kHeaderTop = 120, kRowTop = 600, kRowStep = 480, kRowHeight = 375;
constexpr double kGridRight = 6480, kGridBottom = kRowTop + 4 * kRowStep - 60;

QFont RowFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    font.setBold(true);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, double left,
                  double top, double width, Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(RowFont());
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(TwipsToPixels(left, top, width, kRowHeight));
    return label;
}

double RowTop(int row) {
    return kRowTop + row * kRowStep;
}

}  // namespace

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Gestione parametri"));
    setFixedSize(TwipsToPixels(6600), TwipsToPixels(3360));

    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Basic"), kColumnLeft[0], kHeaderTop,
                       kColumnWidth, centre);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Assembly"), kColumnLeft[1], kHeaderTop,
                       kColumnWidth, centre);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Colore Carattere"), kLabelLeft, RowTop(0),
                       kLabelWidth, left);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Colore Sfondo"), kLabelLeft, RowTop(1),
                       kLabelWidth, left);
    Label5 = MakeLabel(this, "Label5", QStringLiteral("Dimensione Carattere"), kLabelLeft,
                       RowTop(2), kLabelWidth, left);
    Label6 = MakeLabel(this, "Label6", QStringLiteral("Carattere in Grassetto"), kLabelLeft,
                       RowTop(3), kLabelWidth, left);

    // Five rules between the rows, two between the columns.
    for (int i = 0; i < 7; ++i) {
        auto* line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setFrameShadow(QFrame::Plain);
        if (i < 5) {
            line->setFrameShape(QFrame::HLine);
            line->setGeometry(
                TwipsToPixels(kLabelLeft, RowTop(i) - 60, kGridRight - kLabelLeft, 15));
        } else {
            line->setFrameShape(QFrame::VLine);
            line->setGeometry(
                TwipsToPixels(kColumnLeft[i - 5] - 60, kHeaderTop, 15, kGridBottom - kHeaderTop));
        }
        Line[i] = line;
    }

    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(QStringLiteral("Text1"), this);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setAlignment(Qt::AlignCenter);
        box->setGeometry(
            TwipsToPixels(kColumnLeft[i % 2] + 120, RowTop(i / 2), kColumnWidth - 240, kRowHeight));
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, [this, i] { Form3_Text1_KeyPress(i); });
        Text1[i] = box;
    }
    for (int i = 0; i < 2; ++i) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("Check1_%1").arg(i));
        check->setGeometry(
            TwipsToPixels(kColumnLeft[i] + kColumnWidth / 2 - 120, RowTop(3), 360, kRowHeight));
        // A click of the user's, never a tick set by the fill.
        connect(check, &QCheckBox::clicked, this, &Form3::Form3_Check1_Click);
        Check1[i] = check;
    }

    Command1 = MakeCommandButton(this, "Command1", QStringLiteral("reset"));
    Command1->setFont(RowFont());
    SetBackColor(Command1, Rgb(255, 255, 0));
    Command1->setGeometry(TwipsToPixels(2550, kGridBottom + 180, 1500, 495));
    connect(Command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);
}

void Form3::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) Fill();
    QDialog::showEvent(event);
}

void Form3::Fill() {
    const EditorSettings& e = Globals().Editor;
    for (int i = 0; i < kPaneBoxCount; ++i) Text1[i]->setText(PaneBoxText(e, i, QLocale()));
    Check1[0]->setChecked(e.BasicFontBold == 1);
    Check1[1]->setChecked(e.AsmFontBold == 1);
}

void Form3::Form3_Text1_KeyPress(int index) {
    EditorSettings& e = Globals().Editor;
    QLineEdit* box = Text1[index];
    EnterPaneBox(e, index, box->text());
    box->setText(PaneBoxText(e, index, QLocale()));
    emit EditorSettingsChanged();
    settingsChanged_ = true;
}

void Form3::Form3_Text1_DblClick(int index) {
    if (!IsColorBox(index)) return;
    const int fore = TextColorBoxOf(index), back = BackColorBoxOf(index);
    ShellGlobals& g = Globals();
    g.PickForeColorHex = PadToSix(Text1[fore]->text());
    g.PickBackColorHex = PadToSix(Text1[back]->text());
    FormSelectColore picker(this);
    RunModal(picker);
    if (!g.PickForeColorHex.isEmpty() && !g.PickBackColorHex.isEmpty()) {
        EnterPaneBox(g.Editor, fore, g.PickForeColorHex);
        EnterPaneBox(g.Editor, back, g.PickBackColorHex);
        emit EditorSettingsChanged();
        settingsChanged_ = true;
    }
    Fill();
}

void Form3::Form3_Check1_Click() {
    EditorSettings& e = Globals().Editor;
    e.BasicFontBold = Check1[0]->isChecked() ? 1 : 0;
    e.AsmFontBold = Check1[1]->isChecked() ? 1 : 0;
    emit EditorSettingsChanged();
}

void Form3::Form3_Command1_Click() {
    Globals().Editor = ResetPaneSettings();
    const bool saved = SaveSettings();
    emit EditorSettingsChanged();
    Fill();
    settingsChanged_ = !saved;  // not written yet: tried again at close
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i) {
            if (watched == Text1[i]) {
                Form3_Text1_DblClick(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form3::done(int result) {
    Form3_Form_Unload();
    QDialog::done(result);
}

void Form3::Form3_Form_Unload() {
    if (settingsChanged_) SaveSettings();
}

}  // namespace tavolux::shell
