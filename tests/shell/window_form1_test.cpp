#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "my_msg_box.h"
#include "numbers.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using WindowForm1 = WindowTest;

TEST_F(WindowForm1, FirstStartShowsTheDesign) {
    Form1& f = Start();
    EXPECT_EQ(f.windowTitle(), Globals().MainTitle);
    EXPECT_FALSE(Globals().MainTitle.isEmpty());
    EXPECT_TRUE(f.BasicText().isEmpty());
    EXPECT_TRUE(f.AsmText().isEmpty());
    EXPECT_EQ(Globals().Flag_TestoModificato, 0);
    EXPECT_FALSE(f.Command13->isVisibleTo(&f));
    EXPECT_EQ(BackColor(f.TextBasic), 0xFFFFC0);
    EXPECT_EQ(ForeColor(f.TextBasic), 0xC00000);
    EXPECT_EQ(BackColor(f.TextASM), 0xE0E0E0);
    EXPECT_EQ(ForeColor(f.TextASM), 0x80);
    EXPECT_DOUBLE_EQ(f.TextBasic->font().pointSizeF(), 14.25);
    EXPECT_FALSE(f.TextBasic->font().bold());
    EXPECT_FALSE(f.TextASM->font().bold());
    EXPECT_EQ(Globals().MsgTitle, "Tavolux Message");
    EXPECT_EQ(Globals().UpdateNote1, "Aggiornamento del 18 Novembre 2015");
    EXPECT_FALSE(Globals().BackupDir.isEmpty());
    // The window's icon is the menu entry's picture, at every size made of it.
    const QList<QSize> iconSizes = f.windowIcon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(iconSizes.contains(QSize(size, size))) << size;
    }
}

TEST_F(WindowForm1, ButtonsCaptionsAndColours) {
    Form1& f = Start();
    struct Case {
        const char* name;
        const char* caption;
        int back;
    };
    const Case cases[] = {
        {"Command2", "Salva", 0xFFFFC0},
        {"Command3", "Apri", 0xFFFFC0},
        {"Command4", "Help", 0xFFFFC0},
        {"Command7", "Clear", 0xFFFFC0},
        {"Command10", "Esempi", 0xFFFFC0},
        {"ProgTMR0", "Timer", 0xFFFFC0},
        {"Command14", "BackUp", 0xFFFFC0},
        {"Command11", "Stampa", 0x80FF80},
        {"Command5", "Salva", 0xE0E0E0},
        {"Command8", "Clear", 0xE0E0E0},
        {"Command9", "Pic.Def", 0xE0E0E0},
        {"Command1", "Translate", 0xE0E0E0},
        {"Command6", "", -1},
        {"Command12", "Stampa", 0x80FF80},
        {"Command13", "Test", 0xFFFF},
    };
    for (const Case& c : cases) {
        auto* button = f.findChild<QPushButton*>(c.name);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->text(), c.caption) << c.name;
        if (c.back >= 0) {
            EXPECT_EQ(BackColor(button), c.back) << c.name;
        }
    }
    for (auto [name, caption] : {std::pair{"Label2", "BAS"}, std::pair{"Label1", "ASM"}}) {
        auto* label = f.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), caption);
        // Arial 14.25 regular, not the window's bold Times New Roman.
        EXPECT_EQ(label->font().family(), "Arial") << name;
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 14.25) << name;
        EXPECT_FALSE(label->font().bold()) << name;
        EXPECT_FALSE(QFontInfo(label->font()).bold()) << name;
    }
    EXPECT_TRUE(f.font().bold());
    EXPECT_FALSE(f.Command6->icon().isNull());
}

TEST_F(WindowForm1, ProbeWordShowsTheTestButton) {
    struct Case {
        QStringList args;
        bool shown;
    };
    const Case cases[] = {{{"probe"}, true},
                          {{"PROBE"}, true},
                          {{" PROBE"}, false},
                          {{"PROBE", "1"}, false},
                          {{}, false}};
    for (const Case& c : cases) {
        Form1& f = Start(c.args);
        EXPECT_EQ(f.Command13->isVisibleTo(&f), c.shown) << c.args.join(' ').toStdString();
    }
}

TEST_F(WindowForm1, EveryButtonOpensItsWindow) {
    Form1& f = Start({"PROBE"});
    struct Case {
        QWidget* control;
        const char* window;
    };
    const Case cases[] = {{f.Label2, "Form3"},   {f.Label1, "Form3"},    {f.Command10, "Form5"},
                          {f.ProgTMR0, "Form6"}, {f.Command13, "Form7"}, {f.Command14, "Form8"}};
    for (const Case& c : cases) {
        Seams::windows.clear();
        Seams::OnNextWindow([](QDialog&) {});
        if (auto* button = qobject_cast<QPushButton*>(c.control)) {
            button->click();
        } else {
            QTest::mouseClick(c.control, Qt::LeftButton);
        }
        EXPECT_EQ(Seams::windows, QStringList{c.window}) << c.window;
    }
    EXPECT_TRUE(Seams::messages.isEmpty()) << Seams::messages.join('|').toStdString();
}

TEST_F(WindowForm1, BoldPanesStayBoldAtStartAndAfterAMessage) {
    // Bold at the design size, where nothing else about the font changes.
    Write(GetConfigFilePath(),
          "C00000\r\nFFFFC0\r\n80\r\nE0E0E0\r\n 14.25\r\n 12\r\n\r\n 1\r\n 1\r\n");
    Form1& f = Start();
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(f.TextBasic->font().bold()) << round;
        EXPECT_TRUE(f.TextASM->font().bold()) << round;
        EXPECT_DOUBLE_EQ(f.TextBasic->font().pointSizeF(), 14.25) << round;
        EXPECT_DOUBLE_EQ(f.TextASM->font().pointSizeF(), 12) << round;
        ShowMessage("Programma: x");  // dims the panes and gives their colours back
    }
}

// ---- Translate ---------------------------------------------------------------

struct DuringMessage {
    QString caption;
    bool enabled = true;
    int buttonBack = 0, basicBack = 0, asmBack = 0;
};

TEST_F(WindowForm1, TranslateFillsThePanesWithWhatTheTranslatorReturns) {
    const char* programs[] = {
        "DIM A AS BYTE\r\nA = 5\r\nEND",  // no final line end
        "DIM A AS BYTE\r\nA = 5\r\nEND\r\n",
        "GOTO NOWHERE\r\n",  // an error report
        "\r\n\r\n",          // line ends only: translated
        "perch\xC3\xA8 = 1\r\n",
    };
    for (const char* program : programs) {
        Form1& f = Start();
        SetForeColor(f.Command9, 0);
        SetBackColor(f.Command9, 0x123456);  // the column's colour, as painted now
        const QString text = QString::fromUtf8(program);
        Type(text);
        Globals().Flag_TestoModificato = 0;

        Translator reference;
        reference.InitTranslator();
        QByteArray utf8 = text.toUtf8();
        TranslationResult expected = reference.TranslateProgram(utf8.toStdString(), "");

        DuringMessage during;
        Seams::OnMessage([&](const QString&) {
            during = {f.Command1->text(), f.Command1->isEnabled(), BackColor(f.Command1),
                      BackColor(f.TextBasic), BackColor(f.TextASM)};
        });
        f.Command1->click();

        EXPECT_EQ(f.AsmText().toStdString(), expected.asmText) << program;
        EXPECT_EQ(f.BasicText().toStdString(), expected.basicText) << program;
        ASSERT_EQ(Seams::messages.size(), 1) << program;
        EXPECT_EQ(Seams::messages[0].toStdString(),
                  expected.flagError ? expected.asmText : expected.statistics)
            << program;
        EXPECT_EQ(Globals().Flag_TestoModificato, text.endsWith("\r\n") ? 0 : 1) << program;

        EXPECT_EQ(during.caption, "Wait...");
        EXPECT_FALSE(during.enabled);
        EXPECT_EQ(during.buttonBack, Rgb(255, 70, 70));
        EXPECT_EQ(during.basicBack, Rgb(70, 70, 70));
        EXPECT_EQ(during.asmBack, Rgb(70, 70, 70));

        EXPECT_EQ(f.Command1->text(), "Translate");
        EXPECT_TRUE(f.Command1->isEnabled());
        EXPECT_EQ(BackColor(f.Command1), 0x123456);
        EXPECT_EQ(BackColor(f.TextBasic), 0xFFFFC0);
        EXPECT_EQ(BackColor(f.TextASM), 0xE0E0E0);
        Seams::Reset();
    }
}

TEST_F(WindowForm1, TheAddedLineEndKeepsTheCursorAndTheUndoHistory) {
    Form1& f = Start();
    Type("DIM A AS BYTE\r\nEND");
    QTextCursor cursor = f.TextBasic->textCursor();
    cursor.setPosition(4);
    f.TextBasic->setTextCursor(cursor);
    f.TextBasic->insertPlainText("B");  // typed: undoable
    f.Command1->click();
    EXPECT_EQ(f.BasicText(), "DIM BA AS BYTE\r\nEND\r\n");
    EXPECT_EQ(f.TextBasic->textCursor().position(), 5);
    f.TextBasic->undo();  // takes back the line end
    f.TextBasic->undo();  // and then what was typed
    EXPECT_EQ(f.BasicText(), "DIM A AS BYTE\r\nEND");
}

TEST_F(WindowForm1, TranslateOfABlankPaneDoesNothing) {
    Form1& f = Start();
    Type("    ");
    f.SetAsmText("kept");
    f.Command1->click();
    EXPECT_TRUE(Seams::messages.isEmpty());
    EXPECT_EQ(f.AsmText(), "kept");
}

// ---- Layout ------------------------------------------------------------------

TEST_F(WindowForm1, LayoutCycleAndDoubleClickShortcuts) {
    Form1& f = Start();
    auto shown = [&] {
        return std::pair(f.TextBasic->isVisibleTo(&f), f.TextASM->isVisibleTo(&f));
    };
    EXPECT_EQ(shown(), std::pair(true, true));
    const int stackedTop = f.TextASM->y();
    EXPECT_GT(stackedTop, f.TextBasic->y());
    EXPECT_EQ(f.TextBasic->y(), f.Label2->y());
    EXPECT_EQ(f.TextASM->y(), f.Label1->y());
    EXPECT_GT(f.Label2->x(), f.TextBasic->x() + f.TextBasic->width());

    f.Command6->click();  // side by side
    EXPECT_EQ(shown(), std::pair(true, true));
    EXPECT_EQ(f.TextASM->y(), f.TextBasic->y());
    EXPECT_GT(f.TextASM->x(), f.TextBasic->x());
    f.Command6->click();
    EXPECT_EQ(shown(), std::pair(true, false));
    f.Command6->click();
    EXPECT_EQ(shown(), std::pair(false, true));
    f.Command6->click();
    EXPECT_EQ(shown(), std::pair(true, true));
    EXPECT_EQ(f.TextASM->y(), stackedTop);

    f.Form1_TextASM_DblClick();
    EXPECT_EQ(shown(), std::pair(false, true));
    f.Command6->click();  // after the assembly pane alone comes the stacked layout
    EXPECT_EQ(shown(), std::pair(true, true));
    EXPECT_EQ(f.TextASM->y(), stackedTop);

    f.Form1_TextBasic_DblClick();
    EXPECT_EQ(shown(), std::pair(true, false));
    f.Command6->click();
    EXPECT_EQ(shown(), std::pair(false, true));
}

}  // namespace
}  // namespace tavolux::shell
