// The main window: the BASIC pane and the assembly pane, the "BAS" and "ASM"
// button columns, and the handlers behind every button.
#pragma once

#include <QStringList>
#include <QWidget>

#include "settings_file.h"
#include "translator.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavolux::shell {

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: seeds the shared values, reads the settings, lays the window
    // out and reloads the last file. `arguments` excludes the program path.
    void Form1_Form_Load(const QStringList& arguments);

    // The panes' texts as the program sees them: lines ended by CR LF.
    QString BasicText() const;
    QString AsmText() const;
    void SetBasicText(const QString& text);
    void SetAsmText(const QString& text);

    // Paints the editor settings on the panes and the two button columns.
    void ApplyEditorSettings();

    enum class SaveOutcome { Saved, Blank, Cancelled, Failed };
    // The BASIC save routine, shared by "Salva", "Apri", "Clear" and the close.
    SaveOutcome SaveBasicText();

    QPlainTextEdit* TextBasic;
    QPlainTextEdit* TextASM;
    QLabel* Label1;          // "ASM"
    QLabel* Label2;          // "BAS"
    QPushButton* Command1;   // Translate
    QPushButton* Command2;   // Salva (BAS)
    QPushButton* Command3;   // Apri
    QPushButton* Command4;   // Help
    QPushButton* Command5;   // Salva (ASM)
    QPushButton* Command6;   // layout
    QPushButton* Command7;   // Clear (BAS)
    QPushButton* Command8;   // Clear (ASM)
    QPushButton* Command9;   // Pic.Def
    QPushButton* Command10;  // Esempi
    QPushButton* Command11;  // Stampa (BAS)
    QPushButton* Command12;  // Stampa (ASM)
    QPushButton* Command13;  // Test
    QPushButton* Command14;  // BackUp
    QPushButton* ProgTMR0;   // Timer

    const Translator& TheTranslator() const { return translator_; }

  public slots:
    void Form1_Command1_Click();
    void Form1_Command2_Click();
    void Form1_Command3_Click();
    void Form1_Command5_Click();
    void Form1_Command6_Click();
    void Form1_Command7_Click();
    void Form1_Command8_Click();
    void Form1_Command9_Click();
    void Form1_Command11_Click();
    void Form1_Command12_Click();
    void Form1_Command10_Click();  // the examples
    void Form1_ProgTMR0_Click();   // the timer calculator
    void Form1_Command13_Click();  // the translator tables view
    void Form1_Command14_Click();  // the backup archive
    void Form1_TextBasic_Change();
    void Form1_TextBasic_DblClick();
    void Form1_TextASM_DblClick();
    void Form1_Label1_Click();  // "ASM": the pane settings
    void Form1_Label2_Click();  // "BAS": the pane settings

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // True when the window may close: unsaved text was saved, or the user
    // agreed to lose it.
    bool Form1_Form_Unload();
    bool MayDiscardUnsavedText();
    bool ConfirmOverwrite(const QString& path, const QString& sameFileAllowed);
    // Shows the file dialog with `title`, proposing `proposed`; returns the
    // name chosen (empty when cancelled) and leaves the current file as it was.
    QString ChooseFile(const QString& title, const QString& proposed);
    void PrintPane(QPlainTextEdit* pane);
    void ShowPaneSettings();
    PaneLook LookOf(const QPlainTextEdit* pane) const;

    Translator translator_;
    double label2TopTwips_ = 0;
};

// Texts of the main window that more than one handler uses.
inline constexpr char kEquatesFileName[] = "PIC16F84.DEF";

}  // namespace tavolux::shell
