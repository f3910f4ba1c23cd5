// The timer-interrupt calculator: the interrupt rate and period of the
// timer from the crystal frequency, the prescaler and the TMR0 start value.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace tavolux::help {

class Form6 : public QDialog {
    Q_OBJECT
  public:
    explicit Form6(QWidget* parent = nullptr);

    // Takes the inputs kept in the shared values and computes once.
    void Form6_Form_Load();

    QLabel* Label5;  // heading
    QLabel* Label1;
    QLineEdit* Frequenza;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Prescaler;
    QLabel* Label4;
    QLineEdit* TMR0;
    QLabel* Label6;
    QLineEdit* FrequenzaCall;
    QLabel* FattoreFrequenza;
    QLabel* Label7;
    QLineEdit* PeriodoCall;
    QLabel* FattorePeriodo;
    QPlainTextEdit* Text1;  // how the rate is computed
    QLabel* Errore;
    QTimer* ErroreTimer;  // hides Errore three seconds after the last invalid computation

  public slots:
    void ComputeTimerInterrupt();
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

inline constexpr int kErrorShownMs = 3000;

// Creates, loads and shows the calculator modally.
void ShowTimerCalculator(QWidget* parent);

}  // namespace tavolux::help
