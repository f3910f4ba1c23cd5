#include "form8.h"

#include <QDateTime>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "backup_archive.h"
#include "controls.h"
#include "layout.h"
#include "modal.h"
#include "numbers.h"
#include "platform.h"
#include "shell_state.h"
#include "text_files.h"
#include "widget_colors.h"

namespace tavolux::shell {

namespace {

const QString kArchiveFull =
    QStringLiteral("Archivio pieno: cancella l'archivio o scegli un'altra directory.");

QString DamagedRecordText(const QString& line, const QString& outcome) {
    return QStringLiteral("Backup danneggiato nell'archivio:\r\n") + line +
           QStringLiteral("\r\nIl suo numero non è valido: ") + outcome;
}

QFont SansSerif(bool bold = false) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(bold);
    return font;
}

QLineEdit* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString DefaultNote() {
    return QString::fromLatin1(kDefaultBackupNote);
}

QString WorkDir() {
    return FindWorkDir();
}

}  // namespace

Form8::Form8(BasicPaneAccess pane, QWidget* parent) : QDialog(parent), pane_(std::move(pane)) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Backup Basic Source"));
    setFont(SansSerif());
    setFixedSize(TwipsToPixels(11160), TwipsToPixels(6540));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Command1 = MakeCommandButton(Frame1, "Command1", QStringLiteral("Salva copia"));
    Command1->setEnabled(false);
    Text2 = MakeBox(Frame1, "Text2");
    Text2->setText(
        QStringLiteral("Inserisci qui una nota per il backup da effeturare in archivio"));
    Label1 = new QLabel(QStringLiteral("Dir per il BackUp:"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = MakeBox(Frame1, "Text1");
    Text1->setText(QStringLiteral("C:\\TEMP"));
    Text1->setFont(SansSerif(true));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    listFont.setPointSizeF(14.25);
    List1->setFont(listFont);

    Command3 = MakeCommandButton(this, "Command3", QStringLiteral("Elimina BackUp"));
    Command3->setEnabled(false);
    Command4 = MakeCommandButton(this, "Command4", QStringLiteral("Cancella archivio"));
    Command5 = MakeCommandButton(this, "Command5", QStringLiteral("Ripristina Backup"));
    Command5->setEnabled(false);
    Command2 = MakeCommandButton(this, "Command2", QStringLiteral("Fine"));
    SetBackColor(Command2, Rgb(0, 255, 0));

    Frame1->setGeometry(TwipsToPixels(120, 60, 10920, 1140));
    Command1->setGeometry(TwipsToPixels(120, 240, 1815, 375));
    Text2->setGeometry(TwipsToPixels(2040, 240, 8760, 375));
    Label1->setGeometry(TwipsToPixels(120, 690, 1815, 315));
    Text1->setGeometry(TwipsToPixels(2040, 660, 8760, 375));
    List1->setGeometry(TwipsToPixels(120, 1320, 10920, 4320));
    const double bottom = 5820, width = 2625, step = 2765;
    Command3->setGeometry(TwipsToPixels(120, bottom, width, 495));
    Command4->setGeometry(TwipsToPixels(120 + step, bottom, width, 495));
    Command5->setGeometry(TwipsToPixels(120 + 2 * step, bottom, width, 495));
    Command2->setGeometry(TwipsToPixels(120 + 3 * step, bottom, width, 495));

    setTabOrder(Command1, Text2);
    setTabOrder(Text2, Text1);
    setTabOrder(Text1, List1);
    setTabOrder(List1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command2);

    connect(Text1, &QLineEdit::returnPressed, this, &Form8::Form8_Text1_KeyPress);
    Text2->installEventFilter(this);
    Frame1->installEventFilter(this);
    connect(List1, &QListWidget::itemClicked, this, &Form8::Form8_List1_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty()) Form8_List1_Click();
    });
    connect(Command1, &QPushButton::clicked, this, &Form8::Form8_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form8::Form8_Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Form8_Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form8::Form8_Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form8::Form8_Command5_Click);

    Form8_Form_Load();
}

void Form8::Form8_Form_Load() {
    ShellGlobals& g = Globals();
    if (g.BackupDir.endsWith(u'\\') || g.BackupDir.endsWith(u'/')) g.BackupDir.chop(1);
    Text1->setText(TrimBlanks(g.BackupDir));
    folderText_ = Text1->text();
    Text2->setText(DefaultNote());
    ClearSelection();
    LastBackupNumber = 0;
    BackupFolder = BackupFolderFor(Text1->text(), WorkDir);
    if (!BackupFolder.isEmpty()) QDir().mkdir(BackupFolder);  // an existing one stays as it is
    LoadBackupList();
    Command2->setFocus();
}

void Form8::Report(const QString& text) {
    ShowOkMessage(this, QString::fromLatin1(kBackupMsgTitle), text);
}

bool Form8::Ask(const QString& text, DefaultAnswer byDefault) {
    return AskYesNo(this, text, QString::fromLatin1(kBackupMsgTitle), byDefault);
}

// Said once: the index written in its place is sound.
void Form8::ReportKeptAside(const QString& keptAside) {
    if (keptAside.isEmpty()) return;
    Report(QStringLiteral("L'archivio dei backup era danneggiato. Una copia dell'indice "
                          "danneggiato è stata conservata nel file:\r\n") +
           keptAside +
           QStringLiteral("\r\nI backup danneggiati non sono più elencati; le loro copie "
                          "restano nella directory."));
}

void Form8::ClearSelection() {
    SelectedBackupNumber = 0;
    selectedLine_.clear();
}

void Form8::LoadBackupList() {
    List1->clear();
    numbers_.clear();
    LastBackupNumber = 0;
    ClearSelection();
    BackupListing listing = tavolux::shell::LoadBackupList(BackupFolder);
    if (!listing.ok) {
        Report(QStringLiteral("Controlla la directory di backup\r\nErrore: ") + listing.error);
        return;
    }
    List1->addItems(listing.lines);
    numbers_ = listing.numbers;
    LastBackupNumber = listing.lastNumber;
}

// A button that is disabled while it has the focus hands it to "Fine", so
// the focus never moves on by itself into the note box.
void Form8::DisableButton(QPushButton* button) {
    if (button->hasFocus()) Command2->setFocus();
    button->setEnabled(false);
}

void Form8::ResetBackupButtons() {
    Text2->setText(DefaultNote());
    DisableButton(Command1);
    DisableButton(Command3);
    DisableButton(Command5);
    Command2->setFocus();
}

// ---- Events ------------------------------------------------------------------

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text2 && event->type() == QEvent::FocusIn) {
        // Coming back from a message box or another window is no new visit.
        Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            Form8_Text2_GotFocus();
        }
    }
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!Frame1->childAt(mouse->position().toPoint())) {
            Form8_Frame1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Form8::mouseReleaseEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint())) Form8_Form_Click();
    QDialog::mouseReleaseEvent(event);
}

void Form8::Form8_Form_Click() {
    ResetBackupButtons();
    LoadBackupList();
}

void Form8::Form8_Frame1_Click() {
    ResetBackupButtons();
    LoadBackupList();
}

void Form8::Form8_Text1_KeyPress() {
    QString box = Text1->text();
    if (box.endsWith(u'\\') || box.endsWith(u'/')) {
        box.chop(1);
        Text1->setText(box);
    }
    const QString folder = BackupFolderFor(box, WorkDir);
    QString error;
    if (!OpenBackupIndex(folder, &error)) {
        Report(QStringLiteral("Errore:") + error);
        Text1->setText(folderText_);  // the window stays in the folder it had
        return;
    }
    BackupFolder = folder;
    folderText_ = box;
    LoadBackupList();
    Globals().BackupDir = TrimBlanks(box);
}

void Form8::Form8_Text2_GotFocus() {
    if (pane_.text().isEmpty()) return;
    if (Text2->text().left(13) == DefaultNote().left(13)) Text2->clear();
    Command1->setEnabled(true);
    DisableButton(Command3);
    DisableButton(Command5);
}

void Form8::Form8_List1_Click() {
    QListWidgetItem* item = List1->currentItem();
    if (!item) return;
    selectedLine_ = item->text();
    // The line's number field, unless the listing found the record damaged
    // (a number another record holds too reads well but names no backup).
    SelectedBackupNumber = numbers_.value(List1->row(item));
    Text2->setText(DefaultNote());
    DisableButton(Command1);
    Command3->setEnabled(true);
    Command5->setEnabled(true);
}

// ---- Buttons -----------------------------------------------------------------

void Form8::Form8_Command1_Click() {
    const QString text = pane_.text();
    if (text.isEmpty()) return;
    BackupResult r = AppendBackup(BackupFolder, LastBackupNumber, QDateTime::currentDateTime(),
                                  Text2->text(), text);
    if (r.status == BackupStatus::ArchiveFull) {
        Report(kArchiveFull);
        return;
    }
    if (r.status != BackupStatus::Done) {
        // Nothing was written; the note stays for another try.
        Report(QStringLiteral("Errore: ") + r.error);
        return;
    }
    LastBackupNumber = r.number;
    LoadBackupList();
    Text2->setText(DefaultNote());
    DisableButton(Command1);
    ReportKeptAside(r.keptAside);
}

void Form8::Form8_Command2_Click() {
    close();
}

void Form8::Form8_Command3_Click() {
    if (SelectedBackupNumber >= 1) {
        BackupResult r =
            DeleteBackup(BackupFolder, SelectedBackupNumber, [this](const BackupRecord& record) {
                return Ask(QStringLiteral("Cancello il file di backup: \r\n") + record.BackupDate +
                               u' ' + record.BackupTime + u' ' + TrimBlanks(record.BackupNote),
                           DefaultAnswer::No);
            });
        if (r.status == BackupStatus::Failed || r.status == BackupStatus::IndexUnreadable) {
            Report(QStringLiteral("ERRORE: ") + r.error);
        }
        ReportKeptAside(r.keptAside);
        LoadBackupList();
    } else if (!selectedLine_.isEmpty()) {
        Report(DamagedRecordText(selectedLine_, QStringLiteral("nessun file viene cancellato.")));
    }
    ClearSelection();
    DisableButton(Command3);
    DisableButton(Command5);
}

void Form8::Form8_Command4_Click() {
    BackupResult r = DeleteAllBackups(BackupFolder, [this] {
        return Ask(QStringLiteral("Vuoi cancellare tutti i BackUp registrati ? "),
                   DefaultAnswer::No);
    });
    if (r.status != BackupStatus::Done && r.status != BackupStatus::Failed) return;
    Text2->setText(DefaultNote());
    DisableButton(Command1);
    DisableButton(Command3);
    DisableButton(Command5);
    if (r.status == BackupStatus::Failed) {
        // Some copies are still there, and so is the index that lists them.
        Report(QStringLiteral("ERRORE: ") + r.error);
        ReportKeptAside(r.keptAside);
        LoadBackupList();
        return;
    }
    ReportKeptAside(r.keptAside);
    // The numbering goes on from LastBackupNumber until the next listing.
    List1->clear();
    numbers_.clear();
    ClearSelection();
}

void Form8::Form8_Command5_Click() {
    if (SelectedBackupNumber < 1) {
        if (!selectedLine_.isEmpty()) {
            Report(DamagedRecordText(selectedLine_,
                                     QStringLiteral("il backup non può essere ripristinato.")));
        }
        return;
    }
    QString text;
    BackupResult r = ReadBackupCopy(BackupFolder, SelectedBackupNumber, &text);
    if (r.status != BackupStatus::Done) {
        Report(QStringLiteral("Si è verificato un errore nel ripristinare il file.\r\nErrore:") +
               r.error);
        close();
        return;
    }
    if (!IsBlank(pane_.text()) && Globals().Flag_TestoModificato != 0 &&
        !AskToLoseUnsavedChanges(this, QString::fromLatin1(kBackupMsgTitle))) {
        return;
    }
    pane_.replace(text);
    close();
}

}  // namespace tavolux::shell
