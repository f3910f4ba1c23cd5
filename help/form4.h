// The help viewer: the list of entries at the left, the chosen entry's text
// at the right, the chip's pin-out for "Package", and an export of every
// entry into one text file on a double-click in the text.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QListWidget;
class QTextEdit;

namespace tavolux::help {

class Form4 : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);

    // The text box's text as the program sees it: lines ended by CR LF.
    QString Text() const;

    // Replaces the text with the instructions.
    void ShowInstructions();

    QLabel* Label1;  // "Tavolux Help"
    QListWidget* List1;
    QTextEdit* Text1;  // scrolls sideways when the screen holds it narrower than its lines
    QLabel* Picture1;  // the pin-out
    QFrame* Line1;     // the frame around the controls: top,
    QFrame* Line2;     // bottom,
    QFrame* Line3;     // right
    QFrame* Line4;     // and left edge

  public slots:
    // Shows the chosen entry.
    void Form4_List1_Click();
    // Writes every entry into the help export file, when the user agrees.
    void Form4_Text1_DblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Form4_Form_Load();
    void PlaceControls();
    // Once the main window has closed, the first mouse movement over the
    // list, the text or the window's surface closes the viewer.
    void CloseWhenAppClosing();
};

}  // namespace tavolux::help
