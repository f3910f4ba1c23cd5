#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "equates.h"
#include "file_size_limit.h"
#include "utf16_bytes.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using WindowFiles = WindowTest;

const QString kLose = QString::fromUtf8(kLoseChangesQuestion);

TEST_F(WindowFiles, SavedAndReopenedTextIsIdentical) {
    Form1& f = Start();
    const QString text = QString::fromUtf8("DIM A AS BYTE\r\nA = 1 ' perch\xC3\xA8\r\nEND");
    Type(text);
    Seams::ChooseNextFile(Path("prog.bas"));
    f.Command2->click();
    EXPECT_EQ(Seams::fileTitles, QStringList{"Salvataggio File"});
    EXPECT_EQ(Read(Path("prog.bas")), text.toUtf8());  // no line end added
    EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));
    EXPECT_EQ(Globals().Flag_TestoModificato, 0);

    f.Command7->click();
    EXPECT_TRUE(f.BasicText().isEmpty());
    Seams::ChooseNextFile(Path("prog.bas"));
    f.SetAsmText("old assembly");
    f.Command3->click();
    EXPECT_EQ(Seams::fileTitles.last(), "Apertura File");
    EXPECT_EQ(f.BasicText(), text);
    EXPECT_EQ(f.windowTitle(), Path("prog.bas"));
    EXPECT_TRUE(f.AsmText().isEmpty());
    EXPECT_EQ(Globals().Flag_TestoModificato, 0);
}

// What was opened is what is saved and translated: a no-break space and a
// line separator inside a string stay as they are, and a line typed with
// Shift+Enter ends as a line does.
TEST_F(WindowFiles, ThePaneKeepsEveryCharacterItWasGiven) {
    Form1& f = Start();
    const QByteArray bytes =
        "A = \"x\xC2\xA0y\"\r\nWRITE \"a\xE2\x80\xA8"
        "b\" , 1\r\nEND\r\n";
    Write(Path("nbsp.bas"), bytes);
    Seams::ChooseNextFile(Path("nbsp.bas"));
    f.Command3->click();
    EXPECT_EQ(f.BasicText().toUtf8().toStdString(), bytes.toStdString());
    Seams::ChooseNextFile(Path("copy.bas"));
    f.Command2->click();
    EXPECT_EQ(Read(Path("copy.bas")).toStdString(), bytes.toStdString());

    f.TextBasic->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.TextBasic, "REM");
    QTest::keyClick(f.TextBasic, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(f.TextBasic, "END");
    EXPECT_EQ(f.BasicText().toUtf8().toStdString(), (bytes + "REM\r\nEND").toStdString());
}

TEST_F(WindowFiles, OpenReadsLfCrAndWindows1252Files) {
    Form1& f = Start();
    Write(Path("old.bas"), "A = 1\nB = 2\rC = \"\xE8\"");
    Seams::ChooseNextFile(Path("old.bas"));
    f.Command3->click();
    EXPECT_EQ(f.BasicText(), QString::fromUtf8("A = 1\r\nB = 2\r\nC = \"\xC3\xA8\""));
}

using testing::Utf16Bytes;

// A file opened and saved with no change shows and keeps the same letters:
// one stray byte spoils only its own line, and a UTF-16 file loses neither
// its letters nor its line breaks. "Salva" writes UTF-8, so a UTF-8 file
// comes back byte for byte, and any other the second time.
TEST_F(WindowFiles, OpenThenSaveKeepsTheLetters) {
    const QString text = QString::fromUtf8(
        "REM perch\xC3\xA9 \xC3\xA8 cos\xC3\xAC\r\nA = \"\xE2\x82\xAC\"\r\nEND\r\n");
    struct Case {
        const char* what;
        QByteArray bytes;
        QString shown;
    };
    const Case cases[] = {
        {"UTF-8", text.toUtf8(), text},
        {"a stray byte", "REM perch\xC3\xA9\r\nREM \xE8 qui\r\nEND",
         QString::fromUtf8("REM perch\xC3\xA9\r\nREM \xC3\xA8 qui\r\nEND")},
        {"Windows-1252", EncodeWindows1252(text), text},
        {"UTF-16 LE", Utf16Bytes(text, false), text},
        {"UTF-16 BE", Utf16Bytes(text, true), text},
    };
    for (const Case& c : cases) {
        Form1& f = Start();
        Write(Path("prog.bas"), c.bytes);
        for (int round = 0; round < 2; ++round) {
            Seams::ChooseNextFile(Path("prog.bas"));
            f.Command3->click();
            EXPECT_EQ(f.BasicText(), c.shown) << c.what;
            Seams::ChooseNextFile(Path("prog.bas"));
            f.Command2->click();
            EXPECT_EQ(Read(Path("prog.bas")).toStdString(), c.shown.toUtf8().toStdString())
                << c.what;
        }
        EXPECT_TRUE(Seams::questions.isEmpty()) << c.what;
    }
}

TEST_F(WindowFiles, FailedOpenChangesNothing) {
    Form1& f = Start();
    Type("typed");
    Globals().Flag_TestoModificato = 0;
    Globals().CurrentFile = "";
    f.setWindowTitle("before");
    Seams::ChooseNextFile(Path("missing.bas"));
    f.Command3->click();
    EXPECT_EQ(f.BasicText(), "typed");
    EXPECT_EQ(f.windowTitle(), "before");
    EXPECT_EQ(Globals().CurrentFile, "");
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].startsWith("Impossibile aprire il file " + Path("missing.bas")));
}

TEST_F(WindowFiles, FailedSaveIsReportedAndKeepsFlagAndFile) {
    Form1& f = Start();
    Type("X = 1");
    Seams::ChooseNextFile(Path("no/such/folder/x.bas"));
    f.Command2->click();
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].startsWith("Impossibile salvare il file"));
    EXPECT_EQ(Globals().Flag_TestoModificato, 1);
    EXPECT_EQ(Globals().CurrentFile, "");
}

// The disk fills up during the save: the program on disk stays as it was,
// the text stays marked as changed, and the message names the file.
TEST_F(WindowFiles, ASaveThatRunsOutOfRoomKeepsTheProgramOnDisk) {
    Form1& f = Start();
    const QByteArray old = "REM saved yesterday\r\n";
    Write(Path("prog.bas"), old);
    Seams::ChooseNextFile(Path("prog.bas"));
    f.Command3->click();
    Type(QString(200, u'X'));
    Seams::ChooseNextFile(Path("prog.bas"));
    {
        testing::FileSizeLimit full(50);
        f.Command2->click();
    }
    ASSERT_EQ(Seams::messages.size(), 1);
    // Why, in the system's words.
    EXPECT_EQ(Seams::messages[0], "Impossibile salvare il file " + Path("prog.bas") +
                                      "\r\nErrore: " + QString::fromLocal8Bit(strerror(EFBIG)));
    EXPECT_EQ(Read(Path("prog.bas")), old);
    EXPECT_EQ(Globals().Flag_TestoModificato, 1);
    EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));
}

TEST_F(WindowFiles, SaveAsksBeforeReplacingAnotherFile) {
    Form1& f = Start();
    Write(Path("other.bas"), "precious");
    Type("new text");
    Seams::ChooseNextFile(Path("other.bas"));
    Seams::AnswerNextQuestion(false);
    f.Command2->click();
    EXPECT_EQ(Read(Path("other.bas")), "precious");
    EXPECT_EQ(Globals().Flag_TestoModificato, 1);
    ASSERT_EQ(Seams::questions.size(), 1);
    EXPECT_TRUE(Seams::questions[0].contains("esiste"));

    Seams::ChooseNextFile(Path("other.bas"));
    Seams::AnswerNextQuestion(true);
    f.Command2->click();
    EXPECT_EQ(Read(Path("other.bas")), "new text");

    // Saving the current file onto itself asks nothing.
    Type("newer text");
    Seams::questions.clear();
    Seams::ChooseNextFile(Path("other.bas"));
    f.Command2->click();
    EXPECT_TRUE(Seams::questions.isEmpty());
    EXPECT_EQ(Read(Path("other.bas")), "newer text");
}

TEST_F(WindowFiles, OpenWithUnsavedChanges) {
    Write(Path("next.bas"), "NEXT");
    struct Case {
        const char* name;
        QList<bool> answers;  // save?, then lose?
        QStringList files;    // save dialog, open dialog
        const char* paneAfter;
        int flagAfter;
    };
    const Case cases[] = {
        // Yes, save cancelled, keep the text: nothing is opened.
        {"save cancelled, keep", {true, false}, {""}, "typed", 1},
        // Yes, the save fails (reported), keep the text.
        {"save failed, keep", {true, false}, {"no/such/folder/x.bas"}, "typed", 1},
        // Yes, save cancelled, agree to lose, open cancelled: the text stays.
        {"save cancelled, lose, open cancelled", {true, true}, {"", ""}, "typed", 1},
        {"save cancelled, lose, open", {true, true}, {"", "next.bas"}, "NEXT", 0},
        {"no save, open", {false}, {"next.bas"}, "NEXT", 0},
        {"save done, open", {true}, {"saved.bas", "next.bas"}, "NEXT", 0},
    };
    for (const Case& c : cases) {
        Form1& f = Start();
        Type("typed");
        for (bool a : c.answers) Seams::AnswerNextQuestion(a);
        for (const QString& file : c.files) Seams::ChooseNextFile(file.isEmpty() ? "" : Path(file));
        f.Command3->click();
        EXPECT_EQ(f.BasicText(), c.paneAfter) << c.name;
        EXPECT_EQ(Globals().Flag_TestoModificato, c.flagAfter) << c.name;
        EXPECT_EQ(Seams::questions.value(0),
                  "***ATTENZIONE***\r\nSalvare le modifiche effettuate ?")
            << c.name;
        EXPECT_EQ(Seams::questionDefaults.value(0), QString::fromUtf8("S\xC3\xAC")) << c.name;
        if (c.answers.size() > 1) {
            EXPECT_EQ(Seams::questions.value(1), kLose) << c.name;
            EXPECT_EQ(Seams::questionDefaults.value(1), "No") << c.name;
        }
        EXPECT_EQ(Seams::unansweredFileDialogs, 0) << c.name;
        Seams::Reset();
    }
    EXPECT_EQ(Read(Path("saved.bas")), "typed");
}

TEST_F(WindowFiles, ClearAsksBeforeLosingText) {
    Form1& f = Start();
    Type("typed");
    f.SetAsmText("asm");
    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(false);
    f.Command7->click();
    EXPECT_EQ(Seams::questions, QStringList{kLose});
    EXPECT_EQ(Seams::questionDefaults, QStringList{"No"});  // a second Enter loses nothing
    EXPECT_EQ(f.BasicText(), "typed");
    EXPECT_EQ(f.AsmText(), "asm");

    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(true);
    f.Command7->click();
    EXPECT_TRUE(f.BasicText().isEmpty());
    EXPECT_TRUE(f.AsmText().isEmpty());
    EXPECT_EQ(f.windowTitle(), Globals().MainTitle);
    EXPECT_EQ(Globals().Flag_TestoModificato, 0);

    // Unsaved text of spaces only: no dialog, no question.
    Type("   ");
    f.Command7->click();
    EXPECT_EQ(Seams::fileTitles.size(), 2);
    EXPECT_TRUE(f.BasicText().isEmpty());
}

TEST_F(WindowFiles, AssemblySaveProposesAsmAndNeverWritesOnTheBasicFile) {
    Form1& f = Start();
    Write(Path("prog.bas"), "BASIC SOURCE");
    Seams::ChooseNextFile(Path("prog.bas"));
    f.Command3->click();
    f.SetAsmText("        MovLW 0x05");

    Seams::ChooseNextFile(Path("prog.bas"));  // one OK on the proposed name
    f.Command5->click();
    EXPECT_EQ(Seams::fileTitles.last(), "Salvataggio File ASM");
    EXPECT_EQ(Seams::proposedFiles.last(), Path("prog.asm"));
    EXPECT_EQ(Read(Path("prog.bas")), "BASIC SOURCE");
    EXPECT_EQ(Seams::messages.size(), 1);

    Seams::ChooseNextFile(Path("prog.asm"));
    f.Command5->click();
    EXPECT_EQ(Read(Path("prog.asm")), "        MovLW 0x05\r\n");
    EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));

    // An existing assembly file is replaced only after a Yes.
    f.SetAsmText("NEW");
    Seams::ChooseNextFile(Path("prog.asm"));
    Seams::AnswerNextQuestion(false);
    f.Command5->click();
    EXPECT_EQ(Read(Path("prog.asm")), "        MovLW 0x05\r\n");
    Seams::ChooseNextFile(Path("prog.asm"));
    Seams::AnswerNextQuestion(true);
    f.Command5->click();
    EXPECT_EQ(Read(Path("prog.asm")), "NEW\r\n");
    EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));
}

TEST_F(WindowFiles, AssemblyClearEmptiesOnlyTheAssemblyPane) {
    Form1& f = Start();
    Type("B");
    f.SetAsmText("A");
    f.Command8->click();
    EXPECT_TRUE(f.AsmText().isEmpty());
    EXPECT_EQ(f.BasicText(), "B");
}

TEST_F(WindowFiles, EquatesFile) {
    const QString equates = QString::fromStdString(BuildEquatesText());
    Form1& f = Start();
    Globals().CurrentFile = Path("prog.bas");
    Write(Path("prog.bas"), "SOURCE");

    Seams::ChooseNextFile(Path("PIC16F84.DEF"));
    f.Command9->click();
    EXPECT_EQ(Seams::proposedFiles.last(), "PIC16F84.DEF");
    EXPECT_EQ(Seams::fileTitles.last(), "Salvataggio File");
    EXPECT_EQ(Read(Path("PIC16F84.DEF")), (equates + "\r\n").toUtf8());
    EXPECT_TRUE(Read(Path("PIC16F84.DEF")).endsWith("Flag_Z  = 2\r\n\r\n"));
    EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));

    // Cancel, then Yes: the pane holds the 48 lines; No: nothing changes.
    f.SetAsmText("translated program");
    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(false);
    f.Command9->click();
    EXPECT_EQ(f.AsmText(), "translated program");
    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(true);
    f.Command9->click();
    EXPECT_EQ(f.AsmText(), equates);
    EXPECT_EQ(Seams::questions.last(),
              "Vuoi vedere il file PIC16F84.DEF nel campo riservato alla codifica ASM ?");

    // Unwritable place, or the BASIC file itself: reported, shown in the pane.
    for (const QString& target : {Path("no/such/PIC16F84.DEF"), Path("prog.bas")}) {
        f.SetAsmText("x");
        Seams::messages.clear();
        Seams::ChooseNextFile(target);
        f.Command9->click();
        ASSERT_EQ(Seams::messages.size(), 1);
        EXPECT_TRUE(Seams::messages[0].startsWith("Impossibile aprire il file " + target));
        if (target == Path("prog.bas")) {
            EXPECT_EQ(Seams::messages[0],
                      "Impossibile aprire il file " + target +
                          QString::fromUtf8("\r\nErrore: il file è il programma BASIC corrente."));
        }
        EXPECT_EQ(f.AsmText(), equates);
        EXPECT_EQ(Globals().CurrentFile, Path("prog.bas"));
    }
    EXPECT_EQ(Read(Path("prog.bas")), "SOURCE");
}

TEST_F(WindowFiles, PrintingIntoAPdf) {
    Form1& f = Start();
    f.SetAsmText("        MovLW 0x05\r\n        END");
    f.Command12->click();  // the question gets No: nothing printed
    EXPECT_EQ(Seams::questions, QStringList{"Eseguo la stampa ?"});
    Seams::unansweredQuestions = 0;
    Seams::PrintIntoPdf(Path("asm.pdf"));
    Seams::AnswerNextQuestion(true);
    f.Command12->click();
    QByteArray pdf = Read(Path("asm.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(Seams::messages.isEmpty());

    Seams::questions.clear();
    Type("   ");
    f.Command11->click();  // a blank pane asks nothing
    EXPECT_TRUE(Seams::questions.isEmpty());
}

TEST_F(WindowFiles, PrintingWithoutAPrinterIsReported) {
    Form1& f = Start();
    Type("A = 1");
    Seams::PrintWithNoPrinter();
    Seams::AnswerNextQuestion(true);
    f.Command11->click();
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].contains("stampante"));
}

TEST_F(WindowFiles, PrintingFindsThatNoPrinterIsInstalled) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer";
    }
    Form1& f = Start();
    Type("A = 1");
    Seams::AnswerNextQuestion(true);
    f.Command11->click();  // the platform's own printer, as the program prints
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].contains("stampante"));
}

// ---- Start-up and shut-down ------------------------------------------------------

TEST_F(WindowFiles, SettingsAndLastFileSurviveARestart) {
    Write(Path("last.bas"), "LAST\r\n");
    Form1& f = Start();
    Globals().Editor.BasicBackColor = 0x00FF00;
    Globals().Editor.AsmFontSize = 20;
    Globals().Editor.AsmFontBold = 1;
    Globals().TimerCalcFrequency = "4";
    Seams::ChooseNextFile(Path("last.bas"));
    f.Command3->click();
    ASSERT_TRUE(Close());
    EXPECT_TRUE(Globals().Flag_AppClosing);

    Form1& g = Start();
    EXPECT_EQ(BackColor(g.TextBasic), 0x00FF00);
    EXPECT_EQ(BackColor(g.Command2), 0x00FF00);
    EXPECT_EQ(BackColor(g.Command11), 0x80FF80);
    EXPECT_DOUBLE_EQ(g.TextASM->font().pointSizeF(), 20);
    EXPECT_TRUE(g.TextASM->font().bold());
    EXPECT_FALSE(g.TextBasic->font().bold());
    EXPECT_EQ(Globals().TimerCalcFrequency, "4");
    EXPECT_EQ(g.BasicText(), "LAST\r\n");
    EXPECT_EQ(g.windowTitle(), Path("last.bas"));
    EXPECT_TRUE(g.AsmText().isEmpty());
    EXPECT_EQ(Globals().Flag_TestoModificato, 0);

    // The file has gone since: nothing is loaded.
    ASSERT_TRUE(Close());
    QFile::remove(Path("last.bas"));
    Form1& h = Start();
    EXPECT_TRUE(h.BasicText().isEmpty());
    EXPECT_EQ(h.windowTitle(), Globals().MainTitle);
    EXPECT_EQ(Globals().CurrentFile, "");
}

// A folder where the settings file should be: the close says so, and the
// program still closes.
TEST_F(WindowFiles, ASettingsFileThatCannotBeWrittenIsReportedAtClose) {
    const QString config = GetConfigFilePath();
    ASSERT_TRUE(QDir().mkpath(config));
    Start();
    EXPECT_TRUE(Close());
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].startsWith("Impossibile salvare le impostazioni in " + config +
                                              "\r\nErrore: "))
        << Seams::messages[0].toStdString();
    EXPECT_GT(Seams::messages[0].size(),
              QString("Impossibile salvare le impostazioni in " + config + "\r\nErrore: ").size());
    EXPECT_TRUE(Globals().Flag_AppClosing);
    QDir(config).removeRecursively();
}

// No working folder at all: the application data folder, the home folder
// and the current folder are all open to everybody, so none is taken (root
// too passes over them).
class NoWritableFolder {
  public:
    explicit NoWritableFolder(const QString& current) {
        previous_ = QDir::currentPath();
        QDir().mkpath(current);
        QDir::setCurrent(current);
        for (const QString& folder : DefaultWorkDirCandidates()) {
            folders_.append({folder, QFile::permissions(folder)});
            QFile::setPermissions(folder, folders_.last().second | QFile::WriteOther);
        }
    }
    ~NoWritableFolder() {
        for (const auto& [folder, permissions] : folders_)
            QFile::setPermissions(folder, permissions);
        QDir::setCurrent(previous_);
    }

  private:
    QString previous_;
    QList<std::pair<QString, QFileDevice::Permissions>> folders_;
};

// With no folder to write in, the settings are lost; that is said once,
// when the pane settings save or else at close.
TEST_F(WindowFiles, NoFolderForTheSettingsIsSaidOnce) {
    const QString said = QString::fromUtf8(kNoWorkDirForSettings);
    for (bool paneSettingsFirst : {false, true}) {
        Seams::Reset();
        Start();
        NoWritableFolder none(Path("current"));
        ASSERT_EQ(GetConfigFilePath(), "");
        if (paneSettingsFirst) {
            Seams::OnNextWindow([](QDialog& d) {
                auto* reset = d.findChild<QPushButton*>("Command1");
                ASSERT_NE(reset, nullptr);
                reset->click();  // writes the settings at once
            });
            QTest::mouseClick(form_->Label2, Qt::LeftButton);
            EXPECT_EQ(Seams::messages, QStringList{said});
        }
        EXPECT_TRUE(Close());
        EXPECT_EQ(Seams::messages, QStringList{said}) << paneSettingsFirst;
    }
}

// A FIFO where the settings file should be: start-up does not wait on it,
// the design values hold, and the close says the file was not written,
// leaving the FIFO as it was.
TEST_F(WindowFiles, AFifoInPlaceOfTheSettingsFile) {
    const QString config = GetConfigFilePath();
    const QByteArray name = QFile::encodeName(config);
    ASSERT_EQ(mkfifo(name.constData(), 0600), 0);
    // Should start-up wait on the FIFO, a writer comes after a while and
    // ends the wait, so the test fails instead of hanging.
    std::mutex mutex;
    std::condition_variable started;
    bool done = false, rescued = false;
    std::thread writer([&] {
        std::unique_lock lock(mutex);
        if (started.wait_for(lock, std::chrono::seconds(20), [&] { return done; })) return;
        rescued = true;
        const int fd = ::open(name.constData(), O_WRONLY);
        if (fd >= 0) ::close(fd);
    });
    Form1& f = Start();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    started.notify_one();
    writer.join();
    EXPECT_FALSE(rescued) << "start-up waited on the FIFO";
    EXPECT_EQ(BackColor(f.TextBasic), 0xFFFFC0);
    EXPECT_EQ(ForeColor(f.TextBasic), 0xC00000);

    EXPECT_TRUE(Close());
    EXPECT_EQ(Seams::messages,
              QStringList{
                  QString::fromUtf8("Impossibile salvare le impostazioni in %1\r\nErrore: non è un "
                                    "file ordinario")
                      .arg(config)});
    struct stat status {};
    ASSERT_EQ(stat(name.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    QFile::remove(config);
}

TEST_F(WindowFiles, ClosingWithUnsavedText) {
    Form1& f = Start();
    Type("typed");
    // The save dialog is cancelled, the loss refused: the window stays.
    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(false);
    EXPECT_FALSE(Close());
    EXPECT_FALSE(Globals().Flag_AppClosing);
    EXPECT_EQ(f.BasicText(), "typed");
    EXPECT_FALSE(QFile::exists(GetConfigFilePath()));

    // A save that fails is reported and counts as not done.
    Seams::ChooseNextFile(Path("no/such/folder/x.bas"));
    Seams::AnswerNextQuestion(false);
    EXPECT_FALSE(Close());
    EXPECT_EQ(f.BasicText(), "typed");
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(Seams::messages[0].startsWith("Impossibile salvare il file"));

    // Agreed: the window closes and the settings are written.
    Seams::ChooseNextFile("");
    Seams::AnswerNextQuestion(true);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(QFile::exists(GetConfigFilePath()));
    EXPECT_EQ(Seams::questions, (QStringList{kLose, kLose, kLose}));
    EXPECT_EQ(Seams::questionDefaults, (QStringList{"No", "No", "No"}));
}

TEST_F(WindowFiles, ClosingSavesUnsavedTextThroughTheDialog) {
    Form1& f = Start();
    Type("\r\n");  // line ends are text
    Seams::ChooseNextFile(Path("closing.bas"));
    EXPECT_TRUE(Close());
    EXPECT_EQ(Read(Path("closing.bas")), "\r\n");
    EXPECT_TRUE(Seams::questions.isEmpty());

    Form1& g = Start();
    Type("    ");  // spaces only: no dialog
    EXPECT_TRUE(Close());
    EXPECT_EQ(Seams::fileTitles.size(), 1);
    (void)g;
    (void)f;
}

}  // namespace
}  // namespace tavolux::shell
