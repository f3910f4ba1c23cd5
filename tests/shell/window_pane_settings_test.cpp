#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "form3.h"
#include "form_select_colore.h"
#include "my_msg_box.h"
#include "numbers.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

// Sizes are shown in the user's number format; these tests run in Italian.
class WindowPaneSettings : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        savedLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    void TearDown() override {
        QLocale::setDefault(savedLocale_);
        WindowTest::TearDown();
    }

    // A click on `label` opens the dialog; `hook` acts on it.
    void OpenFrom(QLabel* label, std::function<void(Form3&)> hook) {
        Seams::OnNextWindow([hook](QDialog& d) {
            auto* form3 = qobject_cast<Form3*>(&d);
            ASSERT_NE(form3, nullptr);
            hook(*form3);
        });
        QTest::mouseClick(label, Qt::LeftButton);
    }
    void Open(std::function<void(Form3&)> hook) { OpenFrom(form_->Label2, std::move(hook)); }
    // The dialog's double-click on a colour box opens the picker; `hook` acts on it.
    static void Pick(Form3& d, int index, std::function<void(FormSelectColore&)> hook) {
        Seams::OnNextWindow([hook](QDialog& p) {
            auto* picker = qobject_cast<FormSelectColore*>(&p);
            ASSERT_NE(picker, nullptr);
            hook(*picker);
        });
        QTest::mouseDClick(d.Text1[index], Qt::LeftButton);
    }

    // The user types into a box and presses Enter.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, text);
    }
    static void Enter(QLineEdit* box, const QString& text) {
        Type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    static bool SettingsWritten() { return QFile::exists(GetConfigFilePath()); }
    static QStringList Boxes(const Form3& d) {
        QStringList texts;
        for (QLineEdit* box : d.Text1) texts << box->text();
        return texts;
    }
    static void ExpectNoDefaultButtons(const QWidget& window) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
            EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        }
    }

    QLocale savedLocale_;
};

// ---- The dialog ----------------------------------------------------------------

TEST_F(WindowPaneSettings, BothLabelsOpenTheDialog) {
    Form1& f = Start();
    int opened = 0;
    for (QLabel* label : {f.Label2, f.Label1}) {
        OpenFrom(label, [&](Form3& d) {
            ++opened;
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.windowTitle(), "Gestione parametri");
        });
    }
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Seams::windows, (QStringList{"Form3", "Form3"}));
    EXPECT_TRUE(Seams::messages.isEmpty());
}

TEST_F(WindowPaneSettings, FillShowsTheSettingsAndRunsNoHandler) {
    // Both panes bold, the BASIC pane at 9.75 points.
    Write(GetConfigFilePath(),
          "C00000\r\nFFFFC0\r\n80\r\nE0E0E0\r\n 9.75\r\n 14.25\r\n\r\n 1\r\n 1\r\n");
    Form1& f = Start();
    ASSERT_TRUE(f.TextBasic->font().bold());
    ASSERT_TRUE(f.TextASM->font().bold());
    Open([&](Form3& d) {
        EXPECT_EQ(Boxes(d), (QStringList{"C00000", "000080", "FFFFC0", "E0E0E0", "9,75", "14,25"}));
        EXPECT_TRUE(d.Check1[0]->isChecked());
        EXPECT_TRUE(d.Check1[1]->isChecked());
        EXPECT_TRUE(f.TextBasic->font().bold());
        EXPECT_TRUE(f.TextASM->font().bold());
        EXPECT_EQ(d.Label1->text(), "Colore Carattere");
        EXPECT_EQ(d.Label2->text(), "Basic");
        EXPECT_EQ(d.Label3->text(), "Assembly");
        EXPECT_EQ(d.Label4->text(), "Colore Sfondo");
        EXPECT_EQ(d.Label5->text(), "Dimensione Carattere");
        EXPECT_EQ(d.Label6->text(), "Carattere in Grassetto");
        EXPECT_EQ(d.Command1->text(), "reset");
        EXPECT_EQ(BackColor(d.Command1), 0xFFFF);  // yellow
        EXPECT_EQ(d.findChild<QLineEdit*>("Text1_5"), d.Text1[5]);
        ExpectNoDefaultButtons(d);
    });
    // Nothing changed: the file stays as it was.
    EXPECT_EQ(Read(GetConfigFilePath()),
              "C00000\r\nFFFFC0\r\n80\r\nE0E0E0\r\n 9.75\r\n 14.25\r\n\r\n 1\r\n 1\r\n");

    // Shown, the ticks are set without a click: no handler announces a change.
    Form3 d;
    QObject::connect(&d, &Form3::EditorSettingsChanged, &f, &Form1::ApplyEditorSettings);
    QSignalSpy changes(&d, &Form3::EditorSettingsChanged);
    d.show();
    EXPECT_TRUE(d.Check1[0]->isChecked());
    EXPECT_EQ(changes.count(), 0);
    d.Command1->click();  // the reset announces once, its refill not at all
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(d.Check1[0]->isChecked());
    EXPECT_FALSE(f.TextBasic->font().bold());
    EXPECT_FALSE(f.TextASM->font().bold());
}

TEST_F(WindowPaneSettings, EnterInAColourBoxChangesThePaneAtOnceAndSurvivesARestart) {
    struct Case {
        int index;
        const char* typed;
        int color;
        const char* shown;
    };
    const Case cases[] = {
        {0, "FF00", 0x00FF00, "00FF00"},
        {1, "ff", 0x0000FF, "0000FF"},
        {2, "", 0, "000000"},
        {3, "zz", 0, "000000"},
        {0, "1234567", 0x234567, "234567"},
        {2, "FFFFFFFF", 0xFFFFFF, "FFFFFF"},
        {1, "12G4", 0x12, "000012"},
    };
    for (const Case& c : cases) {
        QFile::remove(GetConfigFilePath());
        Start();
        auto paneColor = [&] {
            Form1& f = *form_;
            switch (c.index) {
                case 0:
                    return ForeColor(f.TextBasic);
                case 1:
                    return ForeColor(f.TextASM);
                case 2:
                    return BackColor(f.TextBasic);
                default:
                    return BackColor(f.TextASM);
            }
        };
        Open([&](Form3& d) {
            Enter(d.Text1[c.index], QString::fromLatin1(c.typed));
            EXPECT_EQ(paneColor(), c.color) << c.typed;
            EXPECT_EQ(d.Text1[c.index]->text(), c.shown) << c.typed;
            // Enter pressed no button: the dialog is open and nothing was reset.
            EXPECT_TRUE(d.isVisible());
            EXPECT_DOUBLE_EQ(form_->TextASM->font().pointSizeF(), 14.25);
            EXPECT_TRUE(d.SettingsChanged());
        });
        ASSERT_TRUE(SettingsWritten()) << c.typed;
        Start();
        EXPECT_EQ(paneColor(), c.color) << c.typed << " after a restart";
    }
}

TEST_F(WindowPaneSettings, EnterInASizeBoxKeepsAUsableSize) {
    struct Case {
        int index;
        const char* typed;
        double size;
        const char* shown;
    };
    const Case cases[] = {
        {4, "12", 12, "12"},     {4, "9,75", 9, "9"},      {5, "9.5", 9.5, "9,5"},
        {5, "", 14.25, "14,25"}, {5, "0", 14.25, "14,25"}, {4, "-3", 14.25, "14,25"},
        {5, "500", 200, "200"},  {4, "9.1", 9.1, "9,1"},
    };
    for (const Case& c : cases) {
        QFile::remove(GetConfigFilePath());
        Form1& f = Start();
        QPlainTextEdit* pane = c.index == 4 ? f.TextBasic : f.TextASM;
        Open([&](Form3& d) {
            Enter(d.Text1[c.index], QString::fromLatin1(c.typed));
            EXPECT_DOUBLE_EQ(pane->font().pointSizeF(), c.size) << c.typed;
            EXPECT_EQ(d.Text1[c.index]->text(), c.shown) << c.typed;
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(ForeColor(f.TextBasic), 0xC00000);
        });
        Form1& again = Start();
        QPlainTextEdit* kept = c.index == 4 ? again.TextBasic : again.TextASM;
        EXPECT_DOUBLE_EQ(kept->font().pointSizeF(), c.size) << c.typed << " after a restart";
        Open([&](Form3& d) {
            EXPECT_EQ(d.Text1[c.index]->text(), c.shown) << c.typed << " after a restart";
        });
    }
}

TEST_F(WindowPaneSettings, DoubleClickOnASizeBoxOpensNothing) {
    Start();
    Open([&](Form3& d) {
        QTest::mouseDClick(d.Text1[4], Qt::LeftButton);
        QTest::mouseDClick(d.Text1[5], Qt::LeftButton);
        EXPECT_FALSE(d.SettingsChanged());
    });
    EXPECT_EQ(Seams::windows, QStringList{"Form3"});
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(WindowPaneSettings, ABoldTickShowsAtOnceIsWrittenAtShutDownAndStays) {
    Form1& f = Start();
    Open([&](Form3& d) {
        d.Check1[0]->click();
        EXPECT_TRUE(f.TextBasic->font().bold());
        EXPECT_FALSE(f.TextASM->font().bold());
        EXPECT_FALSE(d.SettingsChanged());
    });
    EXPECT_FALSE(SettingsWritten());
    ASSERT_TRUE(Close());
    EXPECT_EQ(SplitLines(QString::fromUtf8(Read(GetConfigFilePath()))).value(7), " 1");

    // At the next start, and after a message has dimmed and restored the panes.
    Form1& again = Start();
    EXPECT_TRUE(again.TextBasic->font().bold());
    ShowMessage("Programma: x");
    EXPECT_TRUE(again.TextBasic->font().bold());
    EXPECT_DOUBLE_EQ(again.TextBasic->font().pointSizeF(), 14.25);
    EXPECT_FALSE(again.TextASM->font().bold());
}

TEST_F(WindowPaneSettings, ResetGivesTheDefaultsAndWritesAtOnce) {
    Form1& f = Start();
    Open([&](Form3& d) {
        Enter(d.Text1[0], "FF00");
        Enter(d.Text1[4], "12");
        d.Check1[1]->click();
        d.Command1->click();
        EXPECT_EQ(Boxes(d), (QStringList{"000000", "000000", "FFFFC0", "E0E0E0", "10", "10"}));
        EXPECT_FALSE(d.Check1[0]->isChecked());
        EXPECT_FALSE(d.Check1[1]->isChecked());
        EXPECT_EQ(ForeColor(f.TextBasic), 0);
        EXPECT_EQ(BackColor(f.TextBasic), 0xFFFFC0);
        EXPECT_EQ(ForeColor(f.TextASM), 0);
        EXPECT_EQ(BackColor(f.TextASM), 0xE0E0E0);
        EXPECT_EQ(BackColor(f.Label1), 0xE0E0E0);
        for (QPlainTextEdit* pane : {f.TextBasic, f.TextASM}) {
            EXPECT_DOUBLE_EQ(pane->font().pointSizeF(), 10);
            EXPECT_FALSE(pane->font().bold());
        }
        const QStringList lines = SplitLines(QString::fromUtf8(Read(GetConfigFilePath())));
        EXPECT_EQ(lines.mid(0, 6), (QStringList{"0", "FFFFC0", "0", "E0E0E0", " 10", " 10"}));
        EXPECT_EQ(lines.mid(7, 2), (QStringList{" 0", " 0"}));
        // The reset cleared the change: closing now writes nothing more.
        QFile::remove(GetConfigFilePath());
    });
    EXPECT_FALSE(SettingsWritten());
}

// The settings cannot be written: "reset" says so and the dialog goes on;
// the reset counts as not yet written, so closing tries again.
TEST_F(WindowPaneSettings, ASettingsFileThatCannotBeWrittenIsReported) {
    const QString config = GetConfigFilePath();
    ASSERT_TRUE(QDir().mkpath(config));
    const QString said = "Impossibile salvare le impostazioni in " + config + "\r\nErrore: ";
    Form1& f = Start();
    Open([&](Form3& d) {
        d.Command1->click();
        ASSERT_EQ(Seams::messages.size(), 1);
        EXPECT_TRUE(Seams::messages[0].startsWith(said)) << Seams::messages[0].toStdString();
        EXPECT_TRUE(d.isVisible());
        Enter(d.Text1[4], "12");
        EXPECT_DOUBLE_EQ(f.TextBasic->font().pointSizeF(), 12);
    });
    ASSERT_EQ(Seams::messages.size(), 2);
    EXPECT_TRUE(Seams::messages[1].startsWith(said));
    QDir(config).removeRecursively();
}

TEST_F(WindowPaneSettings, AChangeIsWrittenAtCloseWhateverWasPaintedMeanwhile) {
    Start();
    Open([&](Form3& d) {
        Enter(d.Text1[0], "FF00");
        Type(d.Text1[4], "12");  // no Enter
        d.repaint();
        QApplication::processEvents();
        EXPECT_EQ(d.Text1[4]->text(), "12");
        EXPECT_EQ(d.Text1[0]->text(), "00FF00");
    });
    ASSERT_TRUE(SettingsWritten());
    EXPECT_EQ(SplitLines(QString::fromUtf8(Read(GetConfigFilePath()))).value(0), "FF00");
}

TEST_F(WindowPaneSettings, EscClosesAsTheCloseBoxDoes) {
    Start();
    Open([&](Form3& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(SettingsWritten());
    Open([&](Form3& d) {
        Enter(d.Text1[3], "C0C0C0");
        QTest::keyClick(d.Text1[3], Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_TRUE(SettingsWritten());
    EXPECT_EQ(SplitLines(QString::fromUtf8(Read(GetConfigFilePath()))).value(3), "C0C0C0");
}

// ---- The picker from the dialog ------------------------------------------------

TEST_F(WindowPaneSettings, APickChangesThePaneAndCancellingChangesNothing) {
    Form1& f = Start();
    Open([&](Form3& d) {
        // The BASIC pair, from its text-colour box.
        Pick(d, 0, [&](FormSelectColore& p) {
            EXPECT_EQ(Globals().PickForeColorHex, "C00000");
            EXPECT_EQ(Globals().PickBackColorHex, "FFFFC0");
            Enter(p.RGBCarattere, "00FF00");
            p.BTNOK->click();
        });
        EXPECT_EQ(ForeColor(f.TextBasic), 0x00FF00);
        EXPECT_EQ(BackColor(f.TextBasic), 0xFFFFC0);
        EXPECT_EQ(d.Text1[0]->text(), "00FF00");
        EXPECT_TRUE(d.SettingsChanged());

        // The assembly pair, from its background box; ANNULLA.
        Pick(d, 3, [&](FormSelectColore& p) {
            EXPECT_EQ(Globals().PickForeColorHex, "000080");
            EXPECT_EQ(Globals().PickBackColorHex, "E0E0E0");
            Enter(p.RGBCarattere, "FFFFFF");
            p.BTNAnnulla->click();
        });
        EXPECT_EQ(ForeColor(f.TextASM), 0x80);
        EXPECT_EQ(d.Text1[1]->text(), "000080");

        // A box typed into without Enter, then the picker's close box.
        Type(d.Text1[1], "zz");
        Pick(d, 1, [&](FormSelectColore& p) {
            EXPECT_EQ(Globals().PickForeColorHex, "0000zz");
            p.close();
        });
        EXPECT_EQ(ForeColor(f.TextASM), 0x80);
        EXPECT_EQ(d.Text1[1]->text(), "000080");  // the refill shows the colour kept
    });
    EXPECT_EQ(Seams::windows,
              (QStringList{"Form3", "FormSelectColore", "FormSelectColore", "FormSelectColore"}));
}

TEST_F(WindowPaneSettings, APickHandedBackAsTypedIsReadLikeABox) {
    Form1& f = Start();
    Open([&](Form3& d) {
        Pick(d, 2, [&](FormSelectColore& p) {
            Type(p.RGBCarattere, "ff");      // OK without Enter: handed back as typed
            Type(p.RGBSfondo, "123456789");  // longer than six digits
            p.BTNOK->click();
        });
        EXPECT_EQ(ForeColor(f.TextBasic), 0x0000FF);
        EXPECT_EQ(BackColor(f.TextBasic), 0x456789);
        EXPECT_EQ(d.Text1[0]->text(), "0000FF");
        EXPECT_EQ(d.Text1[2]->text(), "456789");
    });
}

// ---- The picker ----------------------------------------------------------------

class WindowColourPicker : public WindowPaneSettings {
  protected:
    std::unique_ptr<FormSelectColore> OpenPicker(const QString& fore, const QString& back) {
        Globals().PickForeColorHex = fore;
        Globals().PickBackColorHex = back;
        auto p = std::make_unique<FormSelectColore>();
        p->show();
        return p;
    }
};

TEST_F(WindowColourPicker, OpensOnTheGivenPair) {
    auto p = OpenPicker("000080", "FFFFC0");
    EXPECT_EQ(p->windowTitle(), "FormSelectColore");
    EXPECT_EQ(p->Frame1->title(), "Colore carattere");
    EXPECT_EQ(p->Frame2->title(), "Colore sfondo");
    EXPECT_EQ(p->Label1->text(), "Prova di Colore");
    EXPECT_EQ(p->RandomCarattere->text(), "RANDOM");
    EXPECT_EQ(p->BTNOK->text(), "OK");
    EXPECT_EQ(p->BTNAnnulla->text(), "ANNULLA");
    EXPECT_EQ(p->findChild<QScrollBar*>("ColoreSfondo_2"), p->ColoreSfondo[2]);
    ExpectNoDefaultButtons(*p);

    EXPECT_EQ(p->ForeBars(), (Bars{0, 0, 128}));
    EXPECT_EQ(p->BackBars(), (Bars{255, 255, 192}));
    EXPECT_EQ(p->RGBCarattere->text(), "000080");
    EXPECT_EQ(p->RGBSfondo->text(), "FFFFC0");
    EXPECT_EQ(ForeColor(p->Label1), 0x80);  // dark red on light cyan
    EXPECT_EQ(BackColor(p->Label1), 0xFFFFC0);
    EXPECT_EQ(p->ColourTarget(), FormSelectColore::kBackground);

    // Short and lower-case texts are padded and shown in upper case.
    auto q = OpenPicker("ff", "c0ffff");
    EXPECT_EQ(q->RGBCarattere->text(), "0000FF");
    EXPECT_EQ(q->RGBSfondo->text(), "C0FFFF");
}

TEST_F(WindowColourPicker, RandomColoursAreRepeatableAndShown) {
    auto shown = [](const FormSelectColore& p) {
        EXPECT_EQ(p.RGBCarattere->text(), PickerText(p.ForeBars()));
        EXPECT_EQ(p.RGBSfondo->text(), PickerText(p.BackBars()));
        EXPECT_EQ(ForeColor(p.Label1), BarsToColor(p.ForeBars()));
        EXPECT_EQ(BackColor(p.Label1), BarsToColor(p.BackBars()));
        return p.RGBCarattere->text() + p.RGBSfondo->text();
    };
    Seams::SeedRandom(99);
    auto first = OpenPicker("000080", "");  // either text empty: both random
    const QString colours = shown(*first);
    EXPECT_EQ(first->ColourTarget(), FormSelectColore::kBackground);
    Seams::SeedRandom(99);
    EXPECT_EQ(shown(*OpenPicker("", "FFFFC0")), colours);

    first->RandomCarattere->click();
    shown(*first);
    EXPECT_EQ(first->ColourTarget(), FormSelectColore::kTextColour);
    first->RandomSfondo->click();
    shown(*first);
    EXPECT_EQ(first->ColourTarget(), FormSelectColore::kBackground);
}

TEST_F(WindowColourPicker, EnterInAHexBoxSetsTheBars) {
    struct Case {
        const char* typed;
        const char* shown;
        Bars bars;
    };
    const Case cases[] = {
        {"ff", "0000FF", {0, 0, 255}},
        {"1234567", "234567", {0x23, 0x45, 0x67}},
        {"0G0000", "000000", {0, 0, 0}},
        {"00ff80", "00FF80", {0, 255, 128}},
    };
    for (const Case& c : cases) {
        auto p = OpenPicker("000080", "FFFFC0");
        Enter(p->RGBCarattere, QString::fromLatin1(c.typed));
        EXPECT_EQ(p->RGBCarattere->text(), c.shown) << c.typed;
        EXPECT_EQ(p->ForeBars(), c.bars) << c.typed;
        EXPECT_EQ(ForeColor(p->Label1), BarsToColor(c.bars)) << c.typed;
        EXPECT_EQ(p->ColourTarget(), FormSelectColore::kTextColour) << c.typed;
        EXPECT_TRUE(p->isVisible()) << c.typed;  // Enter pressed no button
        EXPECT_EQ(p->BackBars(), (Bars{255, 255, 192})) << c.typed;
    }
}

TEST_F(WindowColourPicker, BarsRewriteTheirBoxAndTakeTheTarget) {
    auto p = OpenPicker("000080", "FFFFC0");
    p->ColoreCarattere[1]->setValue(0xAB);
    EXPECT_EQ(p->RGBCarattere->text(), "00AB80");
    EXPECT_EQ(ForeColor(p->Label1), 0x00AB80);
    EXPECT_EQ(p->ColourTarget(), FormSelectColore::kTextColour);
    p->ColoreSfondo[0]->setValue(0);
    EXPECT_EQ(p->RGBSfondo->text(), "00FFC0");
    EXPECT_EQ(BackColor(p->Label1), 0x00FFC0);
    EXPECT_EQ(p->ColourTarget(), FormSelectColore::kBackground);
}

TEST_F(WindowColourPicker, APaletteClickSetsTheTargetColour) {
    auto p = OpenPicker("000080", "FFFFC0");
    const QImage palette = p->Picture1->pixmap().toImage();
    auto barsAt = [&](QPoint at) {
        return PickerBars(ColorToBgrHex(QColorToBgr(QColor(palette.pixel(at)))));
    };
    // Right after opening, the background.
    QTest::mouseClick(p->Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(p->PickPoint(), QPoint(10, 10));
    EXPECT_EQ(p->BackBars(), barsAt(QPoint(10, 10)));
    EXPECT_EQ(p->ForeBars(), (Bars{0, 0, 128}));
    // After a click on the text-colour box, the text colour.
    QTest::mouseClick(p->RGBCarattere, Qt::LeftButton);
    EXPECT_EQ(p->ColourTarget(), FormSelectColore::kTextColour);
    QTest::mouseClick(p->Picture1, Qt::LeftButton, {}, QPoint(100, 60));
    EXPECT_EQ(p->ForeBars(), barsAt(QPoint(100, 60)));
    EXPECT_EQ(p->RGBCarattere->text(), PickerText(barsAt(QPoint(100, 60))));
    EXPECT_EQ(ForeColor(p->Label1), BarsToColor(barsAt(QPoint(100, 60))));
    EXPECT_EQ(p->BackBars(), barsAt(QPoint(10, 10)));

    // Beside or below the image there is no colour to take.
    ASSERT_GT(p->Picture1->width(), palette.width());
    ASSERT_GT(p->Picture1->height(), palette.height());
    const Bars fore = p->ForeBars();
    for (QPoint outside : {QPoint(palette.width() + 5, 10), QPoint(10, palette.height() + 5)}) {
        QTest::mouseClick(p->Picture1, Qt::LeftButton, {}, outside);
        EXPECT_EQ(p->ForeBars(), fore);
        EXPECT_EQ(p->BackBars(), barsAt(QPoint(10, 10)));
    }
}

TEST_F(WindowColourPicker, OkHandsBackTheBoxesAsTypedAndEveryOtherWayOutCancels) {
    auto ok = OpenPicker("000080", "FFFFC0");
    Type(ok->RGBCarattere, "abc");  // no Enter
    ok->BTNOK->click();
    EXPECT_FALSE(ok->isVisible());
    EXPECT_EQ(Globals().PickForeColorHex, "abc");
    EXPECT_EQ(Globals().PickBackColorHex, "FFFFC0");

    const std::function<void(FormSelectColore&)> ways[] = {
        [](FormSelectColore& p) { p.BTNAnnulla->click(); },
        [](FormSelectColore& p) { p.close(); },  // the close box
        [](FormSelectColore& p) { QTest::keyClick(p.RGBSfondo, Qt::Key_Escape); },
    };
    for (const auto& way : ways) {
        auto p = OpenPicker("000080", "FFFFC0");
        way(*p);
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(Globals().PickForeColorHex, "");
        EXPECT_EQ(Globals().PickBackColorHex, "");
    }
}

}  // namespace
}  // namespace tavolux::shell
