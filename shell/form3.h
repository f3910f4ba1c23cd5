// "Gestione parametri": the panes' text and background colours, font sizes
// and bold flags. Every change goes into the editor settings at once and is
// announced through EditorSettingsChanged, so the main window can show it;
// the settings file is written when the dialog closes after a change and at
// once after "reset".
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavolux::shell {

class Form3 : public QDialog {
    Q_OBJECT
  public:
    explicit Form3(QWidget* parent = nullptr);

    // Set by Enter in a box and by a colour pick; cleared only by "reset".
    bool SettingsChanged() const { return settingsChanged_; }

    QLabel* Label1;               // "Colore Carattere"
    QLabel* Label2;               // "Basic"
    QLabel* Label3;               // "Assembly"
    QLabel* Label4;               // "Colore Sfondo"
    QLabel* Label5;               // "Dimensione Carattere"
    QLabel* Label6;               // "Carattere in Grassetto"
    std::array<QFrame*, 7> Line;  // Line1 ... Line7
    // Even index: the BASIC pane; odd index: the assembly pane. 0 and 1 text
    // colours, 2 and 3 background colours, 4 and 5 font sizes.
    std::array<QLineEdit*, 6> Text1;
    std::array<QCheckBox*, 2> Check1;  // bold
    QPushButton* Command1;             // "reset"

  signals:
    // The editor settings changed; the main window paints them.
    void EditorSettingsChanged();

  public slots:
    void Form3_Text1_KeyPress(int index);  // Enter
    void Form3_Text1_DblClick(int index);
    void Form3_Check1_Click();
    void Form3_Command1_Click();
    // Every way out (the close box, Esc) unloads the dialog.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the stored settings in the boxes; runs no handler.
    void Fill();
    void Form3_Form_Unload();

    bool settingsChanged_ = false;
};

}  // namespace tavolux::shell
