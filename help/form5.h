// The examples window: the four example programs, printed on a double-click.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tavolux::help {

class Form5 : public QDialog {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);

    // Fills the text box with the programs and sizes the window to the screen.
    void Form5_Form_Load();

    QPlainTextEdit* Text1;

  public slots:
    // Asks, then prints the whole text as the box holds it.
    void Form5_Text1_DblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FitToScreen();
};

// The example programs as the program carries them, in their order.
QStringList ExamplePrograms();

// Creates, loads and shows the examples window modally.
void ShowExamples(QWidget* parent);

}  // namespace tavolux::help
