// The program's own message window and ShowMessage, which shows a text in
// it modally with both panes of the main window dimmed meanwhile.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tavolux::shell {

class MyMsgBox : public QDialog {
    Q_OBJECT
  public:
    explicit MyMsgBox(QWidget* parent = nullptr);

    void SetMessage(const QString& text);
    int IdleTicks() const { return idleTicks_; }

    QPlainTextEdit* Text1;
    QPushButton* Command1;
    QTimer* Timer1;

  public slots:
    void MyMsgBox_Command1_Click();
    // One tick a second; the window closes after 15 ticks without mouse
    // movement over the text or the window's own surface.
    void MyMsgBox_Timer1_Timer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    quint8 idleTicks_ = 0;
};

inline constexpr int kMessageIdleTicks = 15;

// The window stands over `owner` (by default the main window), so a window
// that reports something is not hidden behind the main window.
void ShowMessage(const QString& text, QWidget* owner = nullptr);

}  // namespace tavolux::shell
