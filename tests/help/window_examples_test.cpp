// The examples window: the four programs as the program carries them, and
// printing them on a double-click.
#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "form5.h"
#include "layout.h"
#include "modal.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using help::Form5;
using WindowExamples = WindowTest;

// The example files, with the CR LF line ends the window shows.
QStringList ExampleFiles() {
    QStringList files;
    for (int n = 1; n <= 4; ++n) {
        QByteArray bytes;
        ReadWholeFile(QStringLiteral(TAVOLUX_RESOURCES_DIR "/examples/example-%1.bas").arg(n),
                      &bytes, nullptr);
        files << QString::fromUtf8(bytes).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    }
    return files;
}

// The designed text of the window, byte for byte (header, empty line, the four
// programs with three empty lines between two of them, a last empty line),
// held as its fingerprint so the programs stand only in their files.
constexpr char kDesignedTextSha256[] =
    "4088d9f266b2c4c1dc90bb691f97c0b295e0a2584a2634a3062263964039e8a5";

QString TextOf(const Form5& f) {
    return FromPaneText(f.Text1->toPlainText());
}

TEST_F(WindowExamples, EsempiShowsTheFourProgramsByteForByte) {
    Form1& main = Start();
    bool seen = false;
    Seams::OnNextWindow([&](QDialog& d) {
        auto& f = dynamic_cast<Form5&>(d);
        seen = true;
        EXPECT_EQ(f.windowTitle(), "Esempi per il programma Tavolux.");
        EXPECT_TRUE(TextOf(f).startsWith(
            QStringLiteral("(Doppio click con il mouse per eseguire una stampa)\r\n\r\n")));
        for (const QString& program : ExampleFiles()) EXPECT_TRUE(TextOf(f).contains(program));
        EXPECT_EQ(QCryptographicHash::hash(TextOf(f).toUtf8(), QCryptographicHash::Sha256).toHex(),
                  kDesignedTextSha256);
        EXPECT_EQ(TextOf(f).count(QStringLiteral("\r\n")), 2 + 122);
        EXPECT_EQ(f.Text1->font().family(), "Courier New");
        EXPECT_DOUBLE_EQ(f.Text1->font().pointSizeF(), 12);
        EXPECT_FALSE(f.Text1->isReadOnly());
        // 0.9 of the screen, the box 0.95 of the width and 0.9 of the height.
        const QSize screen = f.screen()->geometry().size();
        EXPECT_EQ(f.width(), TwipsToPixels(0.9 * PixelsToTwips(screen.width())));
        EXPECT_EQ(f.height(), TwipsToPixels(0.9 * PixelsToTwips(screen.height())));
        EXPECT_EQ(f.Text1->width(), TwipsToPixels(0.95 * PixelsToTwips(f.width())));
    });
    main.Command10->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Seams::windows, QStringList{"Form5"});
    EXPECT_TRUE(Seams::messages.isEmpty());
}

// The programs the window shows are the ones the translator's tests read.
TEST_F(WindowExamples, TheProgramsAreTheExampleFiles) {
    const QStringList programs = help::ExamplePrograms();
    ASSERT_EQ(programs.size(), 4);
    for (int n = 1; n <= 4; ++n) {
        const QString path =
            QStringLiteral(TAVOLUX_RESOURCES_DIR "/examples/example-%1.bas").arg(n);
        EXPECT_EQ(programs[n - 1].toUtf8(), Read(path)) << n;
    }
}

// Loading runs no pending events: a second press waiting in the queue opens
// its window only after the first has closed.
TEST_F(WindowExamples, LoadingRunsNoPendingEvents) {
    Form1& main = Start();
    QList<qsizetype> windowsWhenShown;
    for (int i = 0; i < 2; ++i) {
        Seams::OnNextWindow(
            [&](QDialog&) { windowsWhenShown << main.findChildren<Form5*>().size(); });
    }
    QMetaObject::invokeMethod(main.Command10, &QPushButton::click, Qt::QueuedConnection);
    main.Command10->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(windowsWhenShown, (QList<qsizetype>{1, 1}));
}

TEST_F(WindowExamples, DoubleClickAsksThenPrintsTheTextAsItStands) {
    Form1& main = Start();
    QTemporaryDir folder;
    const QString pdf = folder.filePath("esempi.pdf");
    Seams::OnNextWindow([&](QDialog& d) {
        auto& f = dynamic_cast<Form5&>(d);
        const QString before = TextOf(f);

        Seams::AnswerNextQuestion(false);
        Seams::PrintIntoPdf(pdf);
        QTest::mouseDClick(f.Text1->viewport(), Qt::LeftButton);
        EXPECT_EQ(Seams::questions, QStringList{"Eseguo la stampa ?"});
        EXPECT_EQ(Seams::questionTitles, QStringList{"Tavolux Message"});
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(TextOf(f), before);

        Seams::AnswerNextQuestion(true);
        QTest::mouseDClick(f.Text1->viewport(), Qt::LeftButton);
        EXPECT_GT(QFileInfo(pdf).size(), 1000);
        EXPECT_TRUE(Seams::messages.isEmpty());

        Seams::PrintWithNoPrinter();
        Seams::AnswerNextQuestion(true);
        f.Form5_Text1_DblClick();
        EXPECT_EQ(Seams::messages,
                  QStringList{"Nessuna stampante installata: stampa non eseguita."});
    });
    main.Command10->click();
}

}  // namespace
}  // namespace tavolux::shell
