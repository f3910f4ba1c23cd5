#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "backup_archive.h"
#include "form8.h"
#include "numbers.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

const QString kTitle = QString::fromLatin1(kBackupMsgTitle);
const QString kNote = QString::fromLatin1(kDefaultBackupNote);

QByteArray Record(const QByteArray& date, const QByteArray& note, const QByteArray& number) {
    return date + "10:30" + note.leftJustified(31, ' ') + number.leftJustified(4, ' ');
}
const QByteArray kLive = "01/02/2024";
const QByteArray kGone = "??????????";
// Three backups, the middle one deleted.
const QByteArray kThree =
    Record(kLive, "uno", "1") + Record(kGone, "due", "2") + Record(kLive, "tre", "3");

class WindowBackup : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Start();
        Globals().BackupDir = Folder();
    }
    QString Folder() const { return Path("backup"); }
    QString In(const QString& name) const { return Folder() + "/" + name; }
    QByteArray Index() const { return Read(BackupIndexPath(Folder())); }
    // The archive of the fixture: three backups, the middle one deleted.
    void WriteThree() {
        QDir().mkpath(Folder());
        Write(BackupIndexPath(Folder()), kThree);
        Write(In("Tavolux0001.txt"), "REM uno\r\n");
        Write(In("Tavolux0003.txt"), "REM tre\r\n");
    }
    // The window as "BackUp" makes it, shown.
    std::unique_ptr<Form8> Open() {
        Form1* f = form_.get();
        auto w = std::make_unique<Form8>(
            BasicPaneAccess{[f] { return f->BasicText(); },
                            [f](const QString& text) { f->SetBasicText(text); }},
            f);
        w->show();
        return w;
    }
    static void Focus(QWidget* widget, Qt::FocusReason reason = Qt::MouseFocusReason) {
        QFocusEvent event(QEvent::FocusIn, reason);
        QApplication::sendEvent(widget, &event);
    }
    static void ClickLine(Form8& w, int row) {
        QListWidgetItem* item = w.List1->item(row);
        ASSERT_NE(item, nullptr);
        QRect r = w.List1->visualItemRect(item);
        QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {}, r.center());
    }
    static QStringList Lines(const Form8& w) {
        QStringList lines;
        for (int i = 0; i < w.List1->count(); ++i) lines << w.List1->item(i)->text();
        return lines;
    }
    static QStringList Numbers(const Form8& w) {
        QStringList numbers;
        for (const QString& line : Lines(w)) numbers << line.right(4).trimmed();
        return numbers;
    }
    // Salva copia as the user does it: into the note box, a note, the button.
    static void SaveCopy(Form8& w, const QString& note) {
        Focus(w.Text2);
        w.Text2->setText(note);
        w.Command1->click();
    }
};

TEST_F(WindowBackup, BackUpOpensTheWindowAsDesigned) {
    Type("REM prova\r\n");
    bool seen = false;
    Seams::OnNextWindow([&](QDialog& d) {
        auto* w = qobject_cast<Form8*>(&d);
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->windowTitle(), "Backup Basic Source");
        struct Case {
            const char* name;
            const char* caption;
            bool enabled;
        };
        const Case buttons[] = {{"Command1", "Salva copia", false},
                                {"Command3", "Elimina BackUp", false},
                                {"Command4", "Cancella archivio", true},
                                {"Command5", "Ripristina Backup", false},
                                {"Command2", "Fine", true}};
        for (const Case& c : buttons) {
            auto* b = w->findChild<QPushButton*>(c.name);
            ASSERT_NE(b, nullptr) << c.name;
            EXPECT_EQ(b->text(), c.caption);
            EXPECT_EQ(b->isEnabled(), c.enabled) << c.name;
            EXPECT_FALSE(b->isDefault() || b->autoDefault()) << c.name;
        }
        EXPECT_EQ(BackColor(w->Command2), Rgb(0, 255, 0));
        ASSERT_NE(w->findChild<QGroupBox*>("Frame1"), nullptr);
        EXPECT_EQ(w->findChild<QLabel*>("Label1")->text(), "Dir per il BackUp:");
        EXPECT_EQ(w->findChild<QLineEdit*>("Text2")->text(), kNote);
        EXPECT_EQ(w->findChild<QLineEdit*>("Text1")->text(), Folder());
        EXPECT_TRUE(w->Text1->font().bold());
        auto* list = w->findChild<QListWidget*>("List1");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->font().family(), "Courier New");
        EXPECT_DOUBLE_EQ(list->font().pointSizeF(), 14.25);
        // The focus starts on "Fine", so the note keeps its text and
        // "Salva copia" stays disabled.
        EXPECT_EQ(w->focusWidget(), w->Command2);
        w->activateWindow();
        if (QTest::qWaitForWindowActive(w)) {
            EXPECT_EQ(QApplication::focusWidget(), w->Command2);
        }
        EXPECT_EQ(w->Text2->text(), kNote);
        EXPECT_FALSE(w->Command1->isEnabled());
        w->Command2->click();
        EXPECT_FALSE(w->isVisible());
    });
    form_->Command14->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Seams::windows, QStringList{"Form8"});
    EXPECT_TRUE(Seams::messages.isEmpty());
    // The folder was created, with an empty index.
    EXPECT_EQ(Index(), "");
}

TEST_F(WindowBackup, SavedListedNewestFirstAndRestored) {
    Type("REM prima versione\r\nEND");
    Seams::OnNextWindow([&](QDialog& d) {
        auto& w = static_cast<Form8&>(d);
        SaveCopy(w, "la prima");
        EXPECT_EQ(w.Text2->text(), kNote);
        EXPECT_FALSE(w.Command1->isEnabled());
        form_->SetBasicText("REM seconda versione\r\n");
        SaveCopy(w, QString::fromUtf8("la seconda, è così"));
        EXPECT_EQ(Numbers(w), QStringList({"2", "1"}));
        EXPECT_TRUE(Lines(w)[0].contains(QString::fromUtf8("| la seconda, è così ")));

        ClickLine(w, 1);
        EXPECT_EQ(w.SelectedBackupNumber, 1);
        Seams::AnswerNextQuestion(true);  // the pane holds unsaved changes
        w.Command5->click();
        EXPECT_FALSE(w.isVisible());
    });
    form_->Command14->click();
    EXPECT_EQ(form_->BasicText(), "REM prima versione\r\nEND");
    EXPECT_EQ(Globals().Flag_TestoModificato, 1);
    EXPECT_EQ(Seams::questionTitles, QStringList{kTitle});
    EXPECT_TRUE(Seams::boxTexts.isEmpty());

    const QByteArray index = Index();
    ASSERT_EQ(index.size(), 100);
    const QRegularExpression dateTime("^\\d\\d/\\d\\d/\\d{4}\\d\\d:\\d\\d$");
    for (int k : {0, 1}) {
        EXPECT_TRUE(dateTime.match(QString::fromLatin1(index.mid(50 * k, 15))).hasMatch());
    }
    EXPECT_EQ(index.mid(15, 35), QByteArray("la prima").leftJustified(31, ' ') + "1   ");
    EXPECT_EQ(index.mid(65, 35),
              QByteArray("la seconda, \xE8 cos\xEC").leftJustified(31, ' ') + "2   ");
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "REM prima versione\r\nEND");
    EXPECT_EQ(Read(In("Tavolux0002.txt")), "REM seconda versione\r\n");
}

TEST_F(WindowBackup, NoteBoxGettingTheFocus) {
    struct Case {
        const char* pane;
        QString note;
        Qt::FocusReason reason;
        QString noteAfter;
        bool saveEnabled;
    };
    const Case cases[] = {
        {"", kNote, Qt::MouseFocusReason, kNote, false},  // empty pane: nothing changes
        {"REM x", kNote, Qt::MouseFocusReason, "", true},
        {"REM x", kNote, Qt::TabFocusReason, "", true},
        {"REM x", "***Inserisci altro", Qt::MouseFocusReason, "", true},
        {"REM x", "***Inserisci", Qt::MouseFocusReason, "***Inserisci", true},
        {"REM x", "nota mia", Qt::MouseFocusReason, "nota mia", true},
        // Back from a message box: no new visit.
        {"REM x", kNote, Qt::ActiveWindowFocusReason, kNote, false},
    };
    WriteThree();
    for (const Case& c : cases) {
        form_->SetBasicText(c.pane);
        auto w = Open();
        ClickLine(*w, 0);
        w->Text2->setText(c.note);
        Focus(w->Text2, c.reason);
        EXPECT_EQ(w->Text2->text(), c.noteAfter) << c.note.toStdString();
        EXPECT_EQ(w->Command1->isEnabled(), c.saveEnabled) << c.note.toStdString();
        EXPECT_EQ(w->Command3->isEnabled(), !c.saveEnabled);
        EXPECT_EQ(w->Command5->isEnabled(), !c.saveEnabled);
    }
    // Salva copia with an empty pane does nothing.
    form_->SetBasicText("");
    auto w = Open();
    w->Form8_Command1_Click();
    EXPECT_EQ(Index(), kThree);
}

TEST_F(WindowBackup, AfterASaveTheFocusGoesToFine) {
    Type("REM x");
    auto w = Open();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QTest::mouseClick(w->Text2, Qt::LeftButton);
    EXPECT_EQ(w->Text2->text(), "");
    QTest::keyClicks(w->Text2, "nota");
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(Numbers(*w), QStringList{"1"});
    // The disabled button does not hand the focus on to the note box,
    // which would empty it and enable "Salva copia" again.
    EXPECT_EQ(QApplication::focusWidget(), w->Command2);
    EXPECT_EQ(w->Text2->text(), kNote);
    EXPECT_FALSE(w->Command1->isEnabled());
}

TEST_F(WindowBackup, ListClickAndBackgroundClick) {
    WriteThree();
    Type("REM x");
    auto w = Open();
    EXPECT_EQ(Lines(*w),
              QStringList({"01/02/2024 | 10:30 | tre                             | 3   ",
                           "01/02/2024 | 10:30 | uno                             | 1   "}));
    Focus(w->Text2);
    w->Text2->setText("nota");
    ClickLine(*w, 1);
    EXPECT_EQ(w->SelectedBackupNumber, 1);
    EXPECT_EQ(w->Text2->text(), kNote);
    EXPECT_FALSE(w->Command1->isEnabled());
    EXPECT_TRUE(w->Command3->isEnabled());
    EXPECT_TRUE(w->Command5->isEnabled());

    // A click on the background, or on the frame, lists again and resets the buttons.
    Write(BackupIndexPath(Folder()), kThree + Record(kLive, "da fuori", "4"));
    QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(2, w->height() - 2));
    EXPECT_EQ(Numbers(*w), QStringList({"4", "3", "1"}));
    EXPECT_FALSE(w->Command3->isEnabled());
    EXPECT_FALSE(w->Command5->isEnabled());
    EXPECT_EQ(w->SelectedBackupNumber, 0);
    EXPECT_EQ(w->focusWidget(), w->Command2);

    ClickLine(*w, 0);
    Write(BackupIndexPath(Folder()), kThree);
    QTest::mouseClick(w->Frame1, Qt::LeftButton, {}, QPoint(w->Frame1->width() - 3, 3));
    EXPECT_EQ(Numbers(*w), QStringList({"3", "1"}));
    EXPECT_FALSE(w->Command5->isEnabled());

    // Enter in a box presses no button.
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Index(), kThree);
}

TEST_F(WindowBackup, DeletingOneBackup) {
    WriteThree();
    auto w = Open();
    ClickLine(*w, 0);  // backup 3
    Seams::AnswerNextQuestion(false);
    w->Command3->click();
    EXPECT_EQ(Seams::questions,
              QStringList{"Cancello il file di backup: \r\n01/02/2024 10:30 tre"});
    EXPECT_EQ(Seams::questionTitles, QStringList{kTitle});
    EXPECT_EQ(Seams::questionDefaults, QStringList{"No"});  // Enter deletes nothing
    EXPECT_EQ(Index(), kThree);
    EXPECT_TRUE(QFile::exists(In("Tavolux0003.txt")));
    EXPECT_EQ(w->SelectedBackupNumber, 0);
    EXPECT_FALSE(w->Command3->isEnabled());
    EXPECT_FALSE(w->Command5->isEnabled());

    ClickLine(*w, 0);
    Seams::AnswerNextQuestion(true);
    w->Command3->click();
    EXPECT_EQ(Index(),
              Record(kLive, "uno", "1") + Record(kGone, "due", "2") + Record(kGone, "tre", "3"));
    EXPECT_FALSE(QFile::exists(In("Tavolux0003.txt")));
    EXPECT_EQ(Numbers(*w), QStringList{"1"});
    EXPECT_TRUE(Seams::boxTexts.isEmpty());

    // A copy that cannot be deleted (a folder stands there): reported, the
    // record marked all the same.
    ASSERT_TRUE(QFile::remove(In("Tavolux0001.txt")));
    ASSERT_TRUE(QDir().mkdir(In("Tavolux0001.txt")));
    ClickLine(*w, 0);
    Seams::AnswerNextQuestion(true);
    w->Command3->click();
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith("ERRORE: ")) << Seams::boxTexts[0].toStdString();
    EXPECT_GT(Seams::boxTexts[0].size(), 8);
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(w->List1->count(), 0);
    // The last listing found every record deleted and removed the index.
    EXPECT_FALSE(QFile::exists(BackupIndexPath(Folder())));
    EXPECT_TRUE(QFileInfo(In("Tavolux0001.txt")).isDir());

    // Elimina with no line chosen does nothing but disable the buttons.
    w->Command3->setEnabled(true);
    w->Command3->click();
    EXPECT_EQ(Seams::questions.size(), 3);
    EXPECT_FALSE(w->Command3->isEnabled());
}

TEST_F(WindowBackup, DeletingTheWholeArchive) {
    Type("REM x");
    auto w = Open();
    w->Command4->click();  // an empty archive: nothing to ask
    EXPECT_TRUE(Seams::questions.isEmpty());

    WriteThree();
    w->Form8_Form_Click();
    Seams::AnswerNextQuestion(false);
    w->Command4->click();
    EXPECT_EQ(Seams::questions, QStringList{"Vuoi cancellare tutti i BackUp registrati ? "});
    EXPECT_EQ(Seams::questionTitles, QStringList{kTitle});
    EXPECT_EQ(Seams::questionDefaults, QStringList{"No"});  // Enter deletes nothing
    EXPECT_EQ(Index(), kThree);
    EXPECT_EQ(w->List1->count(), 2);

    ClickLine(*w, 0);
    Seams::AnswerNextQuestion(true);
    w->Command4->click();
    EXPECT_TRUE(QDir(Folder()).isEmpty());
    EXPECT_EQ(w->List1->count(), 0);
    EXPECT_EQ(w->Text2->text(), kNote);
    EXPECT_FALSE(w->Command1->isEnabled());
    EXPECT_FALSE(w->Command5->isEnabled());
    EXPECT_EQ(w->LastBackupNumber, 3);
    // Until the next listing the numbering goes on.
    SaveCopy(*w, "dopo");
    EXPECT_EQ(Numbers(*w), QStringList{"4"});

    // A copy that cannot be deleted: reported, and its backup stays listed.
    SaveCopy(*w, "altra");
    ASSERT_TRUE(QFile::remove(In("Tavolux0005.txt")));
    ASSERT_TRUE(QDir().mkdir(In("Tavolux0005.txt")));
    Seams::AnswerNextQuestion(true);
    w->Command4->click();
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith("ERRORE: Tavolux0005.txt: "));
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(Numbers(*w), QStringList{"5"});
    EXPECT_FALSE(QFile::exists(In("Tavolux0004.txt")));
}

TEST_F(WindowBackup, RestoreOverUnsavedChanges) {
    struct Case {
        const char* pane;
        bool modified;
        int answer;  // -1: no question
        bool restored;
    };
    const Case cases[] = {
        {"REM mio\r\n", true, 0, false},
        {"REM mio\r\n", true, 1, true},
        {"REM mio\r\n", false, -1, true},  // saved: nothing is lost
        {"   ", true, -1, true},           // blank: nothing is lost
    };
    WriteThree();
    for (const Case& c : cases) {
        Seams::Reset();
        Globals().CurrentFile = Path("mio.bas");
        form_->SetBasicText(c.pane);
        Globals().Flag_TestoModificato = c.modified ? 1 : 0;
        auto w = Open();
        ClickLine(*w, 1);  // backup 1
        if (c.answer >= 0) Seams::AnswerNextQuestion(c.answer == 1);
        w->Command5->click();
        EXPECT_EQ(Seams::questions.size(), c.answer >= 0 ? 1 : 0) << c.pane;
        if (c.answer >= 0) {
            EXPECT_EQ(Seams::questions[0], "Le modifiche non salvate andranno perse. Continuare?");
            EXPECT_EQ(Seams::questionTitles[0], kTitle);
            EXPECT_EQ(Seams::questionDefaults[0], "No");  // Enter loses nothing
        }
        EXPECT_EQ(form_->BasicText(), c.restored ? "REM uno\r\n" : c.pane) << c.pane;
        EXPECT_EQ(w->isVisible(), !c.restored) << c.pane;
        EXPECT_EQ(Globals().Flag_TestoModificato, c.restored || c.modified ? 1 : 0);
        EXPECT_EQ(Globals().CurrentFile, Path("mio.bas"));
    }
}

TEST_F(WindowBackup, ADamagedRecordIsNeitherDeletedNorRestored) {
    // "1x  " once read as backup 1: "Elimina BackUp" on "nota 3" deleted the
    // copy of backup 1, "Ripristina Backup" restored it.
    const QString damaged = QString::fromUtf8("Backup danneggiato nell'archivio:\r\n");
    struct Case {
        const char* field;
        bool restore;
        QString outcome;
    };
    const Case cases[] = {
        {"1x  ", false, "nessun file viene cancellato."},
        {"AB  ", false, "nessun file viene cancellato."},
        {"1x  ", true, QString::fromUtf8("il backup non può essere ripristinato.")},
        {"AB  ", true, QString::fromUtf8("il backup non può essere ripristinato.")},
        // A number another record holds too: which of the two it was is
        // not known.
        {"1   ", false, "nessun file viene cancellato."},
        {"1   ", true, QString::fromUtf8("il backup non può essere ripristinato.")},
    };
    for (const Case& c : cases) {
        Seams::Reset();
        const QByteArray index = Record(kLive, "uno", "1") + Record(kLive, "nota 3", c.field);
        QDir().mkpath(Folder());
        Write(BackupIndexPath(Folder()), index);
        Write(In("Tavolux0001.txt"), "REM uno\r\n");
        Type("REM mio\r\n");
        Globals().Flag_TestoModificato = 0;
        auto w = Open();
        const QString line =
            QString("01/02/2024 | 10:30 | nota 3                          | ") + c.field;
        ASSERT_EQ(Lines(*w), QStringList({line, Lines(*w).value(1)}));  // listed as it stands
        ClickLine(*w, 0);
        Seams::AnswerNextQuestion(true);  // as the user would answer about "nota 3"
        (c.restore ? w->Command5 : w->Command3)->click();
        EXPECT_TRUE(Seams::questions.isEmpty()) << c.field;
        EXPECT_EQ(Seams::boxTexts,
                  QStringList{damaged + line +
                              QString::fromUtf8("\r\nIl suo numero non è valido: ") + c.outcome})
            << c.field;
        EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
        EXPECT_EQ(Index(), index);
        EXPECT_EQ(Read(In("Tavolux0001.txt")), "REM uno\r\n");
        EXPECT_EQ(form_->BasicText(), "REM mio\r\n");
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(Lines(*w).size(), 2);
        if (QByteArray(c.field) == "1   ") {
            // Backup 1's own line is just as damaged; the next save keeps
            // the index aside.
            Seams::Reset();
            ClickLine(*w, 1);
            w->Command3->click();
            EXPECT_TRUE(Seams::questions.isEmpty());
            EXPECT_TRUE(Seams::boxTexts.value(0).startsWith(damaged)) << c.restore;
            SaveCopy(*w, "nuovo");
            EXPECT_EQ(Read(In("ArchivioGenerale-danneggiato-1.Txt")), index);
            EXPECT_EQ(Numbers(*w), QStringList{"2"});
            EXPECT_EQ(Read(In("Tavolux0001.txt")), "REM uno\r\n");
            for (const char* name : {"ArchivioGenerale-danneggiato-1.Txt", "Tavolux0002.txt"}) {
                QFile::remove(In(name));
            }
        }
    }
}

TEST_F(WindowBackup, ARecordOneByteShortThenSalvaCopia) {
    // The first record lost a byte: the others are read shifted, the last cut.
    const QByteArray index = Record(kLive, "uno", "1").chopped(1) + Record(kLive, "due", "2") +
                             Record(kLive, "tre", "3");
    QDir().mkpath(Folder());
    Write(BackupIndexPath(Folder()), index);
    for (const char* copy : {"Tavolux0001.txt", "Tavolux0002.txt", "Tavolux0003.txt"}) {
        Write(In(copy), copy);
    }
    Type("REM nuovo");
    auto w = Open();
    EXPECT_EQ(w->List1->count(), 3);
    EXPECT_TRUE(Seams::boxTexts.isEmpty());  // a listing replaces nothing

    SaveCopy(*w, "nuovo");
    const QString kept = In("ArchivioGenerale-danneggiato-1.Txt");
    EXPECT_EQ(Seams::boxTexts,
              QStringList{
                  QString::fromUtf8("L'archivio dei backup era danneggiato. Una copia dell'indice "
                                    "danneggiato è stata conservata nel file:\r\n") +
                  kept +
                  "\r\nI backup danneggiati non sono più elencati; le loro copie "
                  "restano nella directory."});
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(Read(kept), index);
    for (const char* copy : {"Tavolux0001.txt", "Tavolux0002.txt", "Tavolux0003.txt"}) {
        EXPECT_EQ(Read(In(copy)), copy);
    }
    EXPECT_EQ(Numbers(*w), QStringList{"4"});
    EXPECT_EQ(Read(In("Tavolux0004.txt")), "REM nuovo");

    // Said once: the index is sound now.
    SaveCopy(*w, "ancora");
    EXPECT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_EQ(Numbers(*w), QStringList({"5", "4"}));
    EXPECT_FALSE(QFile::exists(In("ArchivioGenerale-danneggiato-2.Txt")));
}

TEST_F(WindowBackup, RestoreOfACopyThatIsGone) {
    WriteThree();
    ASSERT_TRUE(QFile::remove(In("Tavolux0003.txt")));
    Type("REM mio\r\n");
    auto w = Open();
    ClickLine(*w, 0);
    w->Command5->click();
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith(
        QString::fromUtf8("Si è verificato un errore nel ripristinare il file.\r\nErrore:")));
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(form_->BasicText(), "REM mio\r\n");
    EXPECT_FALSE(w->isVisible());
    // With no line chosen the button does nothing.
    auto again = Open();
    again->Command5->setEnabled(true);
    again->Command5->click();
    EXPECT_TRUE(again->isVisible());
}

TEST_F(WindowBackup, ChangingTheFolder) {
    WriteThree();
    const QString other = Path("altra");
    ASSERT_TRUE(QDir().mkdir(other));
    Type("REM x");
    auto w = Open();
    w->Text1->setText(other + "\\");
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(w->Text1->text(), other);
    EXPECT_EQ(Globals().BackupDir, other);
    EXPECT_EQ(w->List1->count(), 0);
    EXPECT_TRUE(QFile::exists(BackupIndexPath(other)));
    EXPECT_TRUE(w->isVisible());

    // A folder that is not there: reported, and the window stays where it was.
    w->Text1->setText(Path("manca"));
    QTest::keyClick(w->Text1, Qt::Key_Return);
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith("Errore:"));
    EXPECT_GT(Seams::boxTexts[0].size(), 7);
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(w->Text1->text(), other);
    EXPECT_EQ(Globals().BackupDir, other);
    SaveCopy(*w, "qui");
    EXPECT_EQ(Read(other + "/Tavolux0001.txt"), "REM x");
    EXPECT_FALSE(QFile::exists(Path("manca")));
    EXPECT_EQ(Seams::boxTexts.size(), 1);

    // The settings keep the folder.
    w.reset();
    Globals().Flag_TestoModificato = 0;
    ASSERT_TRUE(Close());
    QStringList lines = SplitLines(DecodeText(Read(GetConfigFilePath())));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[9], other);
}

TEST_F(WindowBackup, BlankOrWindowsFolderMeansTheWorkingFolder) {
    const QString work = FindWorkDir();
    ASSERT_FALSE(work.isEmpty());
    for (const char* setting : {"C:\\TEMP", "C:\\Users\\ana\\backup\\"}) {
        Globals().BackupDir = setting;
        auto w = Open();
        EXPECT_EQ(w->BackupFolder, work);
        EXPECT_TRUE(QFile::exists(BackupIndexPath(work)));
        QFile::remove(BackupIndexPath(work));
    }
    EXPECT_EQ(Globals().BackupDir, "C:\\Users\\ana\\backup");

    Globals().BackupDir = Folder();
    auto w = Open();
    w->Text1->setText("   ");
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_TRUE(Seams::boxTexts.isEmpty());
    EXPECT_EQ(w->BackupFolder, work);
    EXPECT_EQ(Globals().BackupDir, "");
    EXPECT_TRUE(QFile::exists(BackupIndexPath(work)));
    QFile::remove(BackupIndexPath(work));

    // No folder at all: nothing is written anywhere.
    QDir::setCurrent(folder_.path());
    Type("REM x");
    w->BackupFolder.clear();
    SaveCopy(*w, "nota");
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_EQ(Seams::boxTexts[0], "Errore: nessuna directory di lavoro disponibile");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList());
}

TEST_F(WindowBackup, FailuresLeaveTheArchiveAsItWas) {
    // The folder removed after the listing.
    WriteThree();
    Type("REM x");
    auto w = Open();
    ASSERT_TRUE(QDir(Folder()).removeRecursively());
    SaveCopy(*w, "persa?");
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith("Errore: "));
    EXPECT_EQ(w->Text2->text(), "persa?");  // the note stays for another try
    EXPECT_FALSE(QFile::exists(Folder()));
    EXPECT_EQ(Numbers(*w), QStringList({"3", "1"}));

    // A folder in place of the index: the listing says so at load.
    Seams::Reset();
    ASSERT_TRUE(QDir().mkpath(BackupIndexPath(Folder())));
    auto broken = Open();
    ASSERT_EQ(Seams::boxTexts.size(), 1);
    EXPECT_TRUE(Seams::boxTexts[0].startsWith("Controlla la directory di backup\r\nErrore: "));
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(broken->List1->count(), 0);
    SaveCopy(*broken, "nota");
    EXPECT_EQ(Seams::boxTexts.size(), 2);
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList());

    // An archive whose number 9999 is taken.
    QDir(Folder()).removeRecursively();
    QDir().mkpath(Folder());
    Write(BackupIndexPath(Folder()), Record(kLive, "ultimo", "9999"));
    Seams::Reset();
    auto full = Open();
    SaveCopy(*full, "una di troppo");
    EXPECT_EQ(Seams::boxTexts,
              QStringList{"Archivio pieno: cancella l'archivio o scegli un'altra directory."});
    EXPECT_EQ(Seams::boxTitles, QStringList{kTitle});
    EXPECT_EQ(Index(), Record(kLive, "ultimo", "9999"));
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files), QStringList{"ArchivioGenerale.Txt"});
}

}  // namespace
}  // namespace tavolux::shell
