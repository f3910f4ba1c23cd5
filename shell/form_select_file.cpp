#include "form_select_file.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "controls.h"
#include "file_names.h"
#include "modal.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "platform.h"
#include "seams.h"
#include "shell_state.h"
#include "widget_colors.h"

namespace tavolux::shell {

namespace {

const int kWindowColor = Rgb(152, 161, 133);
const int kListBack = Rgb(255, 224, 192);
const int kListText = Rgb(128, 64, 64);

QFont TimesFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TimesFont(11.25, true));
    SetForeColor(label, Rgb(0, 128, 0));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* button = MakeCommandButton(parent, name, caption);
    button->setFont(TimesFont(14.25, true));
    return button;
}

QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(TimesFont(9.75, true));
    SetBackColor(list, kListBack);
    SetForeColor(list, kListText);
    return list;
}

// `head` is followed by the file's error text and its code.
QString ErrorReport(const QString& head, const QFile& file) {
    return head + file.errorString() + QStringLiteral("\r\n(Codice errore ") +
           QString::number(static_cast<int>(file.error())) + u')';
}

}  // namespace

FormSelectFile::FormSelectFile(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSelectFile"));
    setWindowTitle(QStringLiteral("Selezione file"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BgrToQColor(kWindowColor));
    setPalette(palette);
    resize(640, 560);

    LabelTitolo = new QLabel(QStringLiteral("Save/Open"), this);
    LabelTitolo->setObjectName(QStringLiteral("LabelTitolo"));
    LabelTitolo->setFont(TimesFont(20.25, true));
    LabelTitolo->setAlignment(Qt::AlignCenter);
    LabelTitolo->setAutoFillBackground(true);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Posizione disco"));
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setFont(TimesFont(11.25, false));
    SetBackColor(Drive1, kListBack);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Posizione"));
    Dir1 = MakeList(this, "Dir1");
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Nome File"));
    File1 = MakeList(this, "File1");
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Nome completo del file"));
    FileTesto = new QLineEdit(this);
    FileTesto->setObjectName(QStringLiteral("FileTesto"));
    FileTesto->setFont(TimesFont(11.25, true));
    SetBackColor(FileTesto, kListBack);
    DeleteFile = MakeButton(this, "DeleteFile", QStringLiteral("CANCELLA"));
    DeleteFile->hide();
    BTNAnnulla = MakeButton(this, "BTNAnnulla", QStringLiteral("ANNULLA"));
    BTNOK = MakeButton(this, "BTNOK", QStringLiteral("OK "));

    LabelTitolo->setGeometry(10, 8, 620, 40);
    Label3->setGeometry(10, 54, 620, 20);
    Drive1->setGeometry(10, 76, 620, 26);
    Label1->setGeometry(10, 110, 305, 20);
    Label2->setGeometry(325, 110, 305, 20);
    Dir1->setGeometry(10, 132, 305, 270);
    File1->setGeometry(325, 132, 305, 270);
    Label4->setGeometry(10, 410, 620, 20);
    FileTesto->setGeometry(10, 432, 620, 28);
    DeleteFile->setGeometry(10, 490, 190, 44);
    BTNAnnulla->setGeometry(225, 490, 190, 44);
    BTNOK->setGeometry(440, 490, 190, 44);

    connect(Drive1, &QComboBox::currentIndexChanged, this,
            &FormSelectFile::FormSelectFile_Drive1_Change);
    connect(Dir1, &QListWidget::itemClicked, this, &FormSelectFile::FormSelectFile_Dir1_Click);
    connect(Dir1, &QListWidget::itemDoubleClicked, this,
            &FormSelectFile::FormSelectFile_Dir1_Change);
    connect(File1, &QListWidget::itemClicked, this, &FormSelectFile::FormSelectFile_File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this,
            &FormSelectFile::FormSelectFile_File1_Click);
    connect(FileTesto, &QLineEdit::returnPressed, this,
            &FormSelectFile::FormSelectFile_BTNOK_Click);
    connect(BTNOK, &QPushButton::clicked, this, &FormSelectFile::FormSelectFile_BTNOK_Click);
    connect(BTNAnnulla, &QPushButton::clicked, this,
            &FormSelectFile::FormSelectFile_BTNAnnulla_Click);
    connect(DeleteFile, &QPushButton::clicked, this,
            &FormSelectFile::FormSelectFile_DeleteFile_Click);

    FormSelectFile_Form_Load();
}

void FormSelectFile::FormSelectFile_Form_Load() {
    ShellGlobals& g = Globals();
    // Title: save titles red on yellow, the others green on the window colour.
    LabelTitolo->setText(g.SelectFileTitle);
    bool save = IsSaveTitle(g.SelectFileTitle);
    SetForeColor(LabelTitolo, save ? Rgb(255, 0, 0) : Rgb(0, 255, 0));
    SetBackColor(LabelTitolo, save ? Rgb(255, 255, 0) : kWindowColor);

    ReadDrives();

    if (!g.CurrentFile.isEmpty()) {
        g.CurrentFile = CollapseDoubledSeparators(g.CurrentFile);
        QString folder = FolderPart(g.CurrentFile);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::currentPath();
        folder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
        SelectDrive(DriveOf(folder, drives_));
        ShowFolders(folder);
        ShowFiles(folder);
        FileTesto->setText(g.CurrentFile);
        return;
    }
    QString start = QDir::currentPath();
    for (const QString& folder : DefaultProgramFolders(QDir::homePath(), drives_)) {
        if (!QDir(folder).entryList(QDir::Files).isEmpty()) {
            start = folder;
            break;
        }
    }
    SelectDrive(DriveOf(start, drives_));
    ShowFolders(start);
    ShowFiles(start);
    FileTesto->clear();
}

void FormSelectFile::SelectDrive(const QString& drive) {
    QSignalBlocker block(Drive1);
    Drive1->setCurrentIndex(static_cast<int>(drives_.indexOf(drive)));
}

void FormSelectFile::ShowFolders(const QString& folder) {
    dirPath_ = folder;
    Dir1->clear();
    // The open folder with the folders above it, each indented under its
    // parent, then the folders inside it one step further in: the user
    // always sees where the files are.
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& path : FolderChain(folder)) {
        QString name = NamePart(path).isEmpty() ? path : NamePart(path);
        current = new QListWidgetItem(open, QString(depth * 2, u' ') + name, Dir1);
        current->setData(Qt::UserRole, path);
        ++depth;
    }
    for (const QFileInfo& sub :
         QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, u' ') + sub.fileName(), Dir1);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }
    if (current) Dir1->setCurrentItem(current);
}

void FormSelectFile::ShowFiles(const QString& folder) {
    filesFolder_ = folder;
    File1->clear();
    File1->addItems(QDir(folder).entryList(QDir::Files, QDir::Name));
}

void FormSelectFile::ReadDrives() {
    drives_ = ListDrives();
    QSignalBlocker block(Drive1);
    Drive1->clear();
    Drive1->addItems(drives_);
}

void FormSelectFile::RefreshLists() {
    ReadDrives();
    SelectDrive(DriveOf(dirPath_, drives_));
    ShowFolders(dirPath_);
    ShowFiles(filesFolder_);
}

void FormSelectFile::showEvent(QShowEvent* event) {
    RefreshLists();
    QDialog::showEvent(event);
}

// What was saved, created or removed meanwhile, even by another program,
// shows each time the dialog becomes the active window again.
bool FormSelectFile::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) RefreshLists();
    return QDialog::event(event);
}

void FormSelectFile::EnterFolder(const QString& folder) {
    SelectDrive(DriveOf(folder, drives_));
    ShowFolders(folder);
    ShowFiles(folder);
    FileTesto->setText(folder);
}

void FormSelectFile::FormSelectFile_Drive1_Change(int index) {
    if (index < 0 || index >= drives_.size()) return;
    QString root = drives_[index];
    QDir dir(root);
    if (!dir.exists() || !dir.isReadable()) {
        FileTesto->clear();
        ShowMessage(QStringLiteral("Unità non pronta: ") + root);
        return;
    }
    ShowFolders(root);
    ShowFiles(root);
    FileTesto->setText(root);
}

void FormSelectFile::FormSelectFile_Dir1_Click(QListWidgetItem* item) {
    if (!item) return;
    DeleteFile->hide();
    QString folder = item->data(Qt::UserRole).toString();
    ShowFiles(folder);
    FileTesto->setText(folder);
}

void FormSelectFile::FormSelectFile_Dir1_Change(QListWidgetItem* item) {
    if (!item) return;
    EnterFolder(item->data(Qt::UserRole).toString());
}

void FormSelectFile::FormSelectFile_File1_Click(QListWidgetItem* item) {
    if (!item) return;
    DeleteFile->show();
    FileTesto->setText(JoinPath(filesFolder_, item->text()));
}

QString FormSelectFile::ValidateChosenName() {
    QString name = ValidateFileName(FileTesto->text(), filesFolder_, drives_);
    if (name.isEmpty()) return QString();
    if (RegularFileExists(name)) return name;
    if (!AskYesNo(this, QStringLiteral("Il file indicato non esiste. Deve essere creato?"))) {
        return QString();
    }
    // Create only what is not there: an existing name (a folder, or a file
    // that appeared meanwhile) is never emptied.
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        ShowMessage(ErrorReport(
            QStringLiteral("Il file indicato non può essere creato.\r\nErrore: "), file));
        return QString();
    }
    file.close();
    Globals().SelectFileCreated = name;
    return name;
}

void FormSelectFile::FormSelectFile_BTNOK_Click() {
    // A folder is no file to open or save: the dialog opens it instead.
    const QString typed = ValidateFileName(FileTesto->text(), filesFolder_, drives_);
    if (!typed.isEmpty() && QFileInfo(typed).isDir()) {
        DeleteFile->hide();
        EnterFolder(QDir::cleanPath(QFileInfo(typed).absoluteFilePath()));
        return;
    }
    QString name = ValidateChosenName();
    FileTesto->setText(name);
    Globals().CurrentFile = name.trimmed();
    accept();
}

void FormSelectFile::FormSelectFile_BTNAnnulla_Click() {
    Globals().CurrentFile.clear();
    QDialog::reject();
}

void FormSelectFile::reject() {
    FormSelectFile_BTNAnnulla_Click();
}

void FormSelectFile::FormSelectFile_DeleteFile_Click() {
    QString name = FileTesto->text().trimmed();
    if (name.isEmpty()) return;
    name = CollapseFirstDoubledSeparator(name);
    FileTesto->setText(name);
    if (IsDriveRoot(name, drives_)) {
        Globals().CurrentFile.clear();
        return;
    }
    if (!RegularFileExists(name)) return;
    if (!AskYesNo(this,
                  QStringLiteral("\r\nCANCELLO IL FILE SELEZIONATO ?\r\n") + name +
                      QStringLiteral("\r\n"),
                  QString(), DefaultAnswer::No)) {
        return;
    }
    QFile file(name);
    if (!file.remove()) {
        ShowMessage(ErrorReport(QStringLiteral("Impossibile cancellare il file\r\n"), file));
        return;
    }
    ShowFiles(filesFolder_);
    FileTesto->clear();
    DeleteFile->hide();
}

void ShowSelectFile(QWidget* parent) {
    ShellGlobals& g = Globals();
    g.SelectFileCreated.clear();
    QString chosen;
    if (Seams::TakeFile(g.SelectFileTitle, g.CurrentFile, &chosen)) {
        g.CurrentFile = chosen;
        return;
    }
    FormSelectFile dialog(parent);
    dialog.exec();
}

}  // namespace tavolux::shell
