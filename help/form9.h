// The WAIT calculator: the pauses of "WAIT Np" and "WAIT Np,Ns" at a PIC
// clock frequency, and the counts that make a wanted tone. It is shown
// without blocking and stays open beside the other windows.
#pragma once

#include <QWidget>

#include "wait_calculator.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace tavolux::help {

class Form9 : public QWidget {
    Q_OBJECT
  public:
    explicit Form9(QWidget* parent = nullptr);

    // Computes both pauses and the tone once with the design values.
    void Form9_Form_Load();
    // Sized to show every panel whole, as far as the screen has room (the
    // panels scroll beyond that), and placed wholly on the screen.
    void FitOnScreen();

    // The "WAIT Np" panel.
    QLabel* LabelFormulaNp;
    QLineEdit* Text6;  // PIC frequency, MHz
    QLineEdit* Text7;  // Np
    QLineEdit* Text8;  // pause, microseconds
    // The "WAIT Np,Ns" panel.
    QLabel* LabelFormulaNpNs;
    QLineEdit* Text9;   // PIC frequency, MHz
    QLineEdit* Text10;  // Np
    QLineEdit* Text11;  // Ns
    QLineEdit* Text12;  // pause, microseconds
    // The tone panel.
    QLineEdit* Text1;  // wanted frequency, Hz
    QLineEdit* Text2;  // crystal frequency, MHz
    QLineEdit* Text3;  // Np
    QScrollBar* VScroll1;
    QLabel* Label7;    // "Indice secondario Ns"
    QLineEdit* Text4;  // Ns
    QScrollBar* VScroll2;
    QLineEdit* Text13;  // generated frequency, Hz
    QLineEdit* Text5;   // error, percent
    QCheckBox* Check1;  // "Wait Np": the one-count form
    QCheckBox* Check2;  // "Wait Np,Ns": the two-count form

  public slots:
    void Form9_Text6_Change();  // also Text7
    void Form9_Text9_Change();  // also Text10 and Text11
    void Form9_Text1_Change();  // also Text2
    void Form9_Text3_Change();
    void Form9_Text4_Change();
    void Form9_Check1_Click();
    void Form9_Check2_Click();
    void Form9_VScroll1_Change(int value);
    void Form9_VScroll2_Change(int value);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ToneBoxes Boxes() const;
    bool OneCount() const;
    // Writes a solve's outcome; the change events it raises find the window
    // busy and do nothing.
    void Apply(const ToneUpdate& update);

    ToneSolver tone_;
    bool busy_ = false;
    int normalResultColor_ = 0;
};

// The calculator while it is open, or nullptr.
Form9* OpenWaitCalculator();

}  // namespace tavolux::help
