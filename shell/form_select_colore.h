// The colour picker: a text colour and a background colour for one pane,
// each set with three bars (blue, green, red), six hexadecimal digits, RANDOM
// or a click on the palette. It starts from PickForeColorHex and
// PickBackColorHex and leaves the chosen pair there (OK), or empties both
// (ANNULLA, Esc, the close box).
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <array>

#include "pane_settings.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tavolux::shell {

class FormSelectColore : public QDialog {
    Q_OBJECT
  public:
    // The colour a palette click sets.
    enum Target { kTextColour = 0, kBackground = 1 };

    explicit FormSelectColore(QWidget* parent = nullptr);

    int ColourTarget() const { return colourTarget_; }
    QPoint PickPoint() const { return pickPoint_; }
    Bars ForeBars() const { return BarsOf(kTextColour); }
    Bars BackBars() const { return BarsOf(kBackground); }

    QFrame* Shape1;
    QGroupBox* Frame1;  // "Colore carattere"
    std::array<QScrollBar*, 3> ColoreCarattere;
    QLineEdit* RGBCarattere;
    QPushButton* RandomCarattere;
    QGroupBox* Frame2;  // "Colore sfondo"
    std::array<QScrollBar*, 3> ColoreSfondo;
    QLineEdit* RGBSfondo;
    QPushButton* RandomSfondo;
    QLabel* Label1;    // the sample "Prova di Colore"
    QLabel* Picture1;  // the palette, at its top left corner
    QPushButton* BTNOK;
    QPushButton* BTNAnnulla;

  public slots:
    void FormSelectColore_ColoreCarattere_Change();
    void FormSelectColore_ColoreSfondo_Change();
    void FormSelectColore_RandomCarattere_Click();
    void FormSelectColore_RandomSfondo_Click();
    void FormSelectColore_RGBCarattere_KeyPress();  // Enter
    void FormSelectColore_RGBSfondo_KeyPress();     // Enter
    void FormSelectColore_Picture1_Click();
    void FormSelectColore_BTNOK_Click();
    void FormSelectColore_BTNAnnulla_Click();
    void reject() override;  // Esc and the close box act as ANNULLA

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormSelectColore_Form_Load();
    const std::array<QScrollBar*, 3>& BarsOfGroup(int group) const;
    QLineEdit* BoxOf(int group) const;
    Bars BarsOf(int group) const;
    void BarChanged(int group);
    void RandomColour(int group);
    void ApplyHex(int group);
    void SetBars(int group, const Bars& bars);
    void SelectTarget(int target);

    QImage palette_;
    bool barsLive_ = false;
    int colourTarget_ = kBackground;
    QPoint pickPoint_;
};

}  // namespace tavolux::shell
