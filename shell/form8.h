// The backup window "Backup Basic Source": the archive of the backup folder,
// newest first; a numbered copy of the BASIC pane saved with a note, one
// backup or the whole archive deleted, a backup restored into the BASIC pane,
// and the backup folder changed (the settings keep it).
#pragma once

#include <QDialog>
#include <functional>

#include "modal.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavolux::shell {

// How the window reaches the BASIC pane: its text (lines ended by CR LF)
// and the replacement of the whole text on a restore.
struct BasicPaneAccess {
    std::function<QString()> text;
    std::function<void(const QString&)> replace;
};

inline constexpr char kBackupMsgTitle[] = "Backup File Basic";
inline constexpr char kDefaultBackupNote[] = "***Inserisci una nota per il backup***";

class Form8 : public QDialog {
    Q_OBJECT
  public:
    explicit Form8(BasicPaneAccess pane, QWidget* parent = nullptr);

    // The folder the window works in ("" when there is none), the highest
    // number the last listing found and the number of the line last clicked.
    QString BackupFolder;
    int LastBackupNumber = 0;
    int SelectedBackupNumber = 0;

    QGroupBox* Frame1;
    QPushButton* Command1;  // Salva copia
    QLineEdit* Text2;       // the note
    QLabel* Label1;
    QLineEdit* Text1;  // the folder
    QListWidget* List1;
    QPushButton* Command3;  // Elimina BackUp
    QPushButton* Command4;  // Cancella archivio
    QPushButton* Command5;  // Ripristina Backup
    QPushButton* Command2;  // Fine

  public slots:
    void Form8_Text1_KeyPress();  // Enter in the folder box
    void Form8_Text2_GotFocus();
    void Form8_List1_Click();
    void Form8_Command1_Click();
    void Form8_Command2_Click();
    void Form8_Command3_Click();
    void Form8_Command4_Click();
    void Form8_Command5_Click();
    void Form8_Form_Click();
    void Form8_Frame1_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Form8_Form_Load();
    void ResetBackupButtons();
    void DisableButton(QPushButton* button);
    void LoadBackupList();
    void Report(const QString& text);
    bool Ask(const QString& text, DefaultAnswer byDefault = DefaultAnswer::Yes);
    void ReportKeptAside(const QString& keptAside);
    void ClearSelection();

    BasicPaneAccess pane_;
    QString folderText_;  // the folder box's text for BackupFolder
    // The list line last clicked: with SelectedBackupNumber 0, a damaged
    // record, which is neither deleted nor restored.
    QString selectedLine_;
    QList<int> numbers_;  // the backup each list line names, 0 when damaged
};

}  // namespace tavolux::shell
