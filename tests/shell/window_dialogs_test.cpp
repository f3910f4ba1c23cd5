#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "file_names.h"
#include "form_select_file.h"
#include "modal.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

class WindowSelectFile : public WindowTest {
  protected:
    // A dialog as the callers show it: title and proposed path first.
    std::unique_ptr<FormSelectFile> Open(const QString& title, const QString& proposed) {
        Globals().SelectFileTitle = title;
        Globals().CurrentFile = proposed;
        auto dialog = std::make_unique<FormSelectFile>();
        dialog->show();
        return dialog;
    }
    void SetUp() override {
        WindowTest::SetUp();
        QDir::setCurrent(folder_.path());
    }
};

TEST_F(WindowSelectFile, TitleColours) {
    struct Case {
        const char* title;
        int fore, back;
    };
    const Case cases[] = {
        {"Salvataggio File ASM", Rgb(255, 0, 0), Rgb(255, 255, 0)},
        {"Apertura File", Rgb(0, 255, 0), Rgb(152, 161, 133)},
        {"salvataggio", Rgb(0, 255, 0), Rgb(152, 161, 133)},
    };
    for (const Case& c : cases) {
        auto d = Open(c.title, "");
        EXPECT_EQ(d->LabelTitolo->text(), c.title);
        EXPECT_EQ(ForeColor(d->LabelTitolo), c.fore) << c.title;
        EXPECT_EQ(BackColor(d->LabelTitolo), c.back) << c.title;
        EXPECT_EQ(d->windowTitle(), "Selezione file");
        EXPECT_EQ(d->BTNOK->text(), "OK ");
        EXPECT_FALSE(d->DeleteFile->isVisible());
    }
}

TEST_F(WindowSelectFile, DrivesComeFromThePlatformLayer) {
    auto d = Open("Apertura File", "");
    ASSERT_EQ(d->Drive1->count(), ListDrives().size());
    EXPECT_EQ(d->Drive1->itemText(0), "/");
}

TEST_F(WindowSelectFile, CloseBoxAndEscChooseNothing) {
    Write(Path("p.bas"), "x");
    auto d = Open("Salvataggio File", Path("p.bas"));
    d->close();
    EXPECT_EQ(Globals().CurrentFile, "");
    auto e = Open("Salvataggio File", Path("p.bas"));
    QTest::keyClick(e.get(), Qt::Key_Escape);
    EXPECT_EQ(Globals().CurrentFile, "");
    auto a = Open("Salvataggio File", Path("p.bas"));
    a->BTNAnnulla->click();
    EXPECT_EQ(Globals().CurrentFile, "");
}

TEST_F(WindowSelectFile, ProposedPathWithDoubledSeparatorOpensItsFolder) {
    QDir().mkpath(Path("sub"));
    Write(Path("sub/p.bas"), "x");
    auto d = Open("Salvataggio File", folder_.path() + "/sub//p.bas");
    EXPECT_EQ(Globals().CurrentFile, Path("sub/p.bas"));
    EXPECT_EQ(d->ShownFolder(), Path("sub"));
    EXPECT_EQ(d->FileTesto->text(), Path("sub/p.bas"));
    EXPECT_EQ(d->File1->count(), 1);
    d->BTNOK->click();
    EXPECT_EQ(Globals().CurrentFile, Path("sub/p.bas"));
}

TEST_F(WindowSelectFile, BareProposedNameLandsInTheCurrentFolder) {
    auto d = Open("Salvataggio File", "PIC16F84.DEF");
    EXPECT_EQ(d->FileTesto->text(), "PIC16F84.DEF");
    Seams::AnswerNextQuestion(true);
    d->BTNOK->click();
    EXPECT_EQ(Seams::questions, QStringList{"Il file indicato non esiste. Deve essere creato?"});
    EXPECT_EQ(Seams::questionDefaults, QStringList{QString::fromUtf8("S\xC3\xAC")});
    EXPECT_EQ(Globals().CurrentFile, Path("PIC16F84.DEF"));
    EXPECT_TRUE(QFile::exists(Path("PIC16F84.DEF")));
    EXPECT_EQ(Globals().SelectFileCreated, Path("PIC16F84.DEF"));
}

TEST_F(WindowSelectFile, OkOnMissingFile) {
    auto no = Open("Apertura File", Path("new.bas"));
    Seams::AnswerNextQuestion(false);
    no->BTNOK->click();
    EXPECT_EQ(Globals().CurrentFile, "");
    EXPECT_FALSE(QFile::exists(Path("new.bas")));

    auto blank = Open("Apertura File", "");
    blank->FileTesto->setText("    ");
    blank->BTNOK->click();
    EXPECT_EQ(Globals().CurrentFile, "");

    auto root = Open("Apertura File", "");
    root->FileTesto->setText("/");
    root->BTNOK->click();
    EXPECT_EQ(Globals().CurrentFile, "");

    auto bad = Open("Apertura File", "");
    bad->FileTesto->setText(Path("no/such/folder/x.bas"));
    Seams::AnswerNextQuestion(true);
    bad->BTNOK->click();
    EXPECT_EQ(Globals().CurrentFile, "");
    ASSERT_EQ(Seams::messages.size(), 1);
    EXPECT_TRUE(
        Seams::messages[0].startsWith("Il file indicato non può essere creato.\r\nErrore: "));
    EXPECT_TRUE(Seams::messages[0].contains("(Codice errore "));
}

TEST_F(WindowSelectFile, HiddenFileCountsAsExistingAndIsNeverEmptied) {
    Write(Path(".hidden.bas"), "keep me");
    auto d = Open("Apertura File", Path(".hidden.bas"));
    d->BTNOK->click();
    EXPECT_TRUE(Seams::questions.isEmpty());
    EXPECT_EQ(Globals().CurrentFile, Path(".hidden.bas"));
    EXPECT_EQ(Read(Path(".hidden.bas")), "keep me");
}

// OK on a folder opens it in the dialog, its files listed, and asks
// nothing; a file chosen there then closes the dialog as usual.
TEST_F(WindowSelectFile, OkOnAFolderOpensIt) {
    QDir().mkpath(Path("adir/inner"));
    Write(Path("adir/a.bas"), "A");
    for (const QString& typed : {Path("adir"), Path("adir/"), QString("adir")}) {
        auto d = Open("Salvataggio File", Path("x.bas"));
        d->FileTesto->setText(typed);
        d->BTNOK->click();
        EXPECT_TRUE(Seams::questions.isEmpty()) << typed.toStdString();
        EXPECT_TRUE(Seams::messages.isEmpty());
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->OpenFolder(), Path("adir"));
        EXPECT_EQ(d->ShownFolder(), Path("adir"));
        EXPECT_EQ(d->FileTesto->text(), Path("adir"));
        EXPECT_EQ(d->Drive1->currentText(), DriveOf(Path("adir"), d->Drives()));
        ASSERT_EQ(d->File1->count(), 1);
        EXPECT_EQ(d->File1->item(0)->text(), "a.bas");
        EXPECT_EQ(d->Dir1->currentItem()->text().trimmed(), "adir");
        EXPECT_EQ(d->Dir1->item(d->Dir1->count() - 1)->text().trimmed(), "inner");
        EXPECT_TRUE(QFileInfo(Path("adir")).isDir());
        QTest::keyClick(d->FileTesto, Qt::Key_End);
        QTest::keyClicks(d->FileTesto, "/a.bas");
        QTest::keyClick(d->FileTesto, Qt::Key_Return);
        EXPECT_EQ(Globals().CurrentFile, Path("adir/a.bas"));
        EXPECT_FALSE(d->isVisible());
    }
}

// Each time the dialog becomes the active window again, it reads the disk
// again: a file saved meanwhile is listed, one removed is not.
TEST_F(WindowSelectFile, BecomingActiveReadsTheListsAgain) {
    Write(Path("old.bas"), "O");
    auto d = Open("Apertura File", Path("old.bas"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Write(Path("new.bas"), "N");
    QFile::remove(Path("old.bas"));
    QDir().mkpath(Path("fresh"));
    ASSERT_EQ(d->File1->count(), 1);
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    ASSERT_EQ(d->File1->count(), 1);
    EXPECT_EQ(d->File1->item(0)->text(), "new.bas");
    EXPECT_EQ(d->Dir1->item(d->Dir1->count() - 1)->text().trimmed(), "fresh");
    EXPECT_EQ(d->Drive1->count(), ListDrives().size());
}

TEST_F(WindowSelectFile, ClickAndEnter) {
    Write(Path("a.bas"), "A");
    auto d = Open("Apertura File", Path("a.bas"));
    ASSERT_EQ(d->File1->count(), 1);
    emit d->File1->itemDoubleClicked(d->File1->item(0));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->DeleteFile->isVisible());
    EXPECT_EQ(d->FileTesto->text(), Path("a.bas"));
    d->FileTesto->setText("a.bas");  // a bare name goes to the shown folder
    QTest::keyClick(d->FileTesto, Qt::Key_Return);
    EXPECT_EQ(Globals().CurrentFile, Path("a.bas"));
}

TEST_F(WindowSelectFile, FolderListShowsWhereItIsAndMovesOnClicks) {
    QDir().mkpath(Path("sub/inner"));
    Write(Path("top.bas"), "T");
    Write(Path("sub/inner/deep.bas"), "D");
    auto d = Open("Apertura File", Path("sub/x.bas"));
    auto texts = [&] {
        QStringList t;
        for (int i = 0; i < d->Dir1->count(); ++i) t << d->Dir1->item(i)->text().trimmed();
        return t;
    };
    auto row = [&](const QString& name) {
        return d->Dir1->item(static_cast<int>(texts().lastIndexOf(name)));
    };
    // The folders down to the open one, that one current, then its folders.
    EXPECT_EQ(texts().first(), "/");
    EXPECT_EQ(texts().mid(texts().size() - 2), (QStringList{"sub", "inner"}));
    EXPECT_EQ(d->Dir1->currentItem(), row("sub"));
    EXPECT_GT(row("inner")->text().indexOf(u'i'), row("sub")->text().indexOf(u's'));

    // A click shows that folder's files; a double-click opens it.
    emit d->Dir1->itemClicked(row(QFileInfo(folder_.path()).fileName()));
    EXPECT_EQ(d->ShownFolder(), folder_.path());
    EXPECT_EQ(d->FileTesto->text(), folder_.path());
    ASSERT_EQ(d->File1->count(), 1);
    EXPECT_EQ(d->File1->item(0)->text(), "top.bas");
    emit d->Dir1->itemDoubleClicked(row("inner"));
    EXPECT_EQ(d->OpenFolder(), Path("sub/inner"));
    EXPECT_EQ(texts().last(), "inner");
    ASSERT_EQ(d->File1->count(), 1);
    EXPECT_EQ(d->File1->item(0)->text(), "deep.bas");
}

TEST_F(WindowSelectFile, DeleteAsksAndDeletesOnlyTheNamedFile) {
    Write(Path("a.bas"), "A");
    Write(Path("b.bas"), "B");
    auto d = Open("Apertura File", Path("a.bas"));
    emit d->File1->itemClicked(d->File1->item(0));
    Seams::AnswerNextQuestion(false);
    d->DeleteFile->click();
    EXPECT_TRUE(QFile::exists(Path("a.bas")));
    EXPECT_EQ(Seams::questions.value(0),
              "\r\nCANCELLO IL FILE SELEZIONATO ?\r\n" + Path("a.bas") + "\r\n");
    EXPECT_EQ(Seams::questionDefaults, QStringList{"No"});  // Enter deletes nothing
    Seams::AnswerNextQuestion(true);
    d->DeleteFile->click();
    EXPECT_FALSE(QFile::exists(Path("a.bas")));
    EXPECT_TRUE(QFile::exists(Path("b.bas")));
    EXPECT_EQ(d->File1->count(), 1);
    EXPECT_TRUE(d->FileTesto->text().isEmpty());
    EXPECT_FALSE(d->DeleteFile->isVisible());

    // A drive root deletes nothing and empties the result.
    d->FileTesto->setText("/");
    d->DeleteFile->click();
    EXPECT_EQ(Globals().CurrentFile, "");
}

TEST_F(WindowSelectFile, DefaultProgramFolderIsTheStart) {
    QString programs = QDir::homePath() + "/Tavolux Programmi";
    QDir().mkpath(programs);
    Write(programs + "/uno.bas", "1");
    auto d = Open("Apertura File", "");
    EXPECT_EQ(d->ShownFolder(), programs);
    EXPECT_TRUE(d->FileTesto->text().isEmpty());
    QFile::remove(programs + "/uno.bas");
    auto e = Open("Apertura File", "");
    EXPECT_EQ(e->ShownFolder(), QDir::currentPath());
}

// ---- Questions ------------------------------------------------------------------

TEST_F(WindowTest, QuestionsAreTitledWithMsgTitleAndEscAnswersNo) {
    Form1& f = Start();
    auto box = MakeQuestionBox(&f, "Eseguo la stampa ?");
    EXPECT_EQ(box->windowTitle(), "Tavolux Message");
    EXPECT_EQ(box->text(), "Eseguo la stampa ?");
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString::fromUtf8("S\xC3\xAC"));
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "No");
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(box->clickedButton(), box->button(QMessageBox::No));
}

TEST_F(WindowTest, EnterAnswersTheDefaultButton) {
    Form1& f = Start();
    const std::pair<DefaultAnswer, QMessageBox::StandardButton> cases[] = {
        {DefaultAnswer::Yes, QMessageBox::Yes},
        {DefaultAnswer::No, QMessageBox::No},
    };
    for (auto [byDefault, button] : cases) {
        auto box = MakeQuestionBox(&f, "Cancello?", "", byDefault);
        EXPECT_EQ(box->defaultButton(), box->button(button));
        box->show();
        QTest::keyClick(box.get(), Qt::Key_Return);
        EXPECT_EQ(box->clickedButton(), box->button(button));
    }
    // The seam records the default each question asked for.
    Seams::AnswerNextQuestion(true);
    Seams::AnswerNextQuestion(true);
    AskYesNo(&f, "Eseguo la stampa ?");
    AskYesNo(&f, "Cancello?", "", DefaultAnswer::No);
    EXPECT_EQ(Seams::questionDefaults, (QStringList{QString::fromUtf8("S\xC3\xAC"), "No"}));
}

TEST_F(WindowTest, ModalWindowsRunTheTestsHookInPlaceOfTheirLoop) {
    QDialog first, second;
    first.setObjectName("First");
    second.setObjectName("Second");
    bool shownInHook = false;
    Seams::OnNextWindow([&](QDialog& d) {
        shownInHook = d.isVisible();
        // A window opened by the hook takes the next hook in turn.
        Seams::OnNextWindow([](QDialog& inner) { inner.accept(); });
        EXPECT_EQ(RunModal(second), QDialog::Accepted);
    });
    // The window the hook leaves open is closed as by its close box.
    EXPECT_EQ(RunModal(first), QDialog::Rejected);
    EXPECT_TRUE(shownInHook);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(Seams::windows, (QStringList{"First", "Second"}));
    EXPECT_EQ(Seams::unhandledWindows, 0);

    RunModal(first);
    EXPECT_EQ(Seams::unhandledWindows, 1);
    Seams::unhandledWindows = 0;
}

TEST_F(WindowTest, BoxesAndQuestionsRecordTheirTitles) {
    Form1& f = Start();
    Seams::AnswerNextQuestion(true);
    EXPECT_TRUE(AskYesNo(&f, "Sicuro?", "Backup File Basic"));
    EXPECT_FALSE(AskYesNo(&f, "Ancora?"));
    --Seams::unansweredQuestions;
    EXPECT_EQ(Seams::questionTitles, (QStringList{"Backup File Basic", "Tavolux Message"}));
    ShowOkMessage(&f, "Backup File Basic", "Fatto");
    EXPECT_EQ(Seams::boxTitles, QStringList{"Backup File Basic"});
    EXPECT_EQ(Seams::boxTexts, QStringList{"Fatto"});
    EXPECT_EQ(MakeQuestionBox(&f, "x", "Altro")->windowTitle(), "Altro");
}

// ---- Message window --------------------------------------------------------------

using WindowMessage = WindowTest;

TEST_F(WindowMessage, ClosesAfterFifteenIdleTicks) {
    MyMsgBox box;
    box.SetMessage("Programma: x\r\nRAM");
    EXPECT_EQ(box.Text1->toPlainText(), "Programma: x\nRAM");
    EXPECT_EQ(box.windowTitle(), "Form8");
    box.show();
    for (int i = 0; i < kMessageIdleTicks - 1; ++i) box.MyMsgBox_Timer1_Timer();
    EXPECT_TRUE(box.isVisible());
    box.MyMsgBox_Timer1_Timer();
    EXPECT_FALSE(box.isVisible());
}

TEST_F(WindowMessage, MouseOverTheTextKeepsItOpenButNotOverTheButton) {
    MyMsgBox box;
    box.show();
    for (int i = 0; i < 10; ++i) box.MyMsgBox_Timer1_Timer();
    QTest::mouseMove(box.Text1->viewport(), QPoint(5, 5));
    EXPECT_EQ(box.IdleTicks(), 0);
    for (int i = 0; i < 10; ++i) box.MyMsgBox_Timer1_Timer();
    QTest::mouseMove(box.Command1, QPoint(5, 5));
    EXPECT_EQ(box.IdleTicks(), 10);
    EXPECT_TRUE(box.isVisible());
    box.Command1->click();
    EXPECT_FALSE(box.isVisible());
}

TEST_F(WindowMessage, PanesAreDimmedAndGetTheirColoursBack) {
    Form1& f = Start();
    SetBackColor(f.TextBasic, 0x112233);
    SetBackColor(f.TextASM, 0x445566);
    QList<int> during;
    Seams::OnMessage([&](const QString&) {
        during = {BackColor(f.TextBasic), BackColor(f.TextASM)};
    });
    ShowMessage("one");
    ShowMessage("two");
    EXPECT_EQ(during, (QList<int>{Rgb(70, 70, 70), Rgb(70, 70, 70)}));
    EXPECT_EQ(BackColor(f.TextBasic), 0x112233);
    EXPECT_EQ(BackColor(f.TextASM), 0x445566);
    EXPECT_EQ(Seams::messages, (QStringList{"one", "two"}));
}

}  // namespace
}  // namespace tavolux::shell
