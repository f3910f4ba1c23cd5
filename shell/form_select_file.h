// The program's own file dialog. It takes its title from SelectFileTitle and
// the proposed path from CurrentFile, and leaves the chosen path in
// CurrentFile ("" when nothing was chosen: ANNULLA, Esc or the close box).
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tavolux::shell {

class FormSelectFile : public QDialog {
    Q_OBJECT
  public:
    explicit FormSelectFile(QWidget* parent = nullptr);

    // The folder whose files the file list shows.
    QString ShownFolder() const { return filesFolder_; }
    QString OpenFolder() const { return dirPath_; }
    QStringList Drives() const { return drives_; }

    QLabel* LabelTitolo;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QLineEdit* FileTesto;
    QPushButton* DeleteFile;
    QPushButton* BTNAnnulla;
    QPushButton* BTNOK;

  public slots:
    void FormSelectFile_Drive1_Change(int index);
    void FormSelectFile_Dir1_Click(QListWidgetItem* item);
    void FormSelectFile_Dir1_Change(QListWidgetItem* item);
    void FormSelectFile_File1_Click(QListWidgetItem* item);
    void FormSelectFile_BTNOK_Click();
    void FormSelectFile_BTNAnnulla_Click();
    void FormSelectFile_DeleteFile_Click();
    void reject() override;  // Esc and the close box act as ANNULLA

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void FormSelectFile_Form_Load();
    void ReadDrives();
    // Reads the drive, folder and file lists again.
    void RefreshLists();
    // The folder list opened on `folder`, the file list and the name box
    // following it.
    void EnterFolder(const QString& folder);
    void ShowFolders(const QString& folder);
    void ShowFiles(const QString& folder);
    void SelectDrive(const QString& drive);
    QString ValidateChosenName();

    QStringList drives_;
    QString dirPath_;      // the folder the folder list is opened on
    QString filesFolder_;  // the folder the file list shows
};

// Shows the program's file dialog with SelectFileTitle and CurrentFile;
// CurrentFile then holds the chosen path, or "" when nothing was chosen.
void ShowSelectFile(QWidget* parent);

}  // namespace tavolux::shell
