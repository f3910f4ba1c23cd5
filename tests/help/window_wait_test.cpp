// The WAIT calculator in its window: the load, the pause panels, the tone
// panel's solves through its boxes, check boxes and scroll bars, and the
// close once the main window has closed.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include "form9.h"
#include "help_windows.h"
#include "widget_colors.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using help::Form9;

constexpr int kNormal = 0xC0FFFF, kRed = 0x0000FF, kWhite = 0xFFFFFF;

class WindowWait : public WindowTest {
  protected:
    Form9& Open() {
        help::ShowWaitCalculator();
        Form9* f = help::OpenWaitCalculator();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    void TearDown() override {
        delete help::OpenWaitCalculator();
        WindowTest::TearDown();
    }
};

struct Tone {
    QString np, ns, generated, error;
    int resultColor;
};

Tone ToneOf(const Form9& f) {
    return {f.Text3->text(), f.Text4->text(), f.Text13->text(), f.Text5->text(),
            BackColor(f.Text5)};
}

void ExpectTone(const Form9& f, const Tone& e, const char* what) {
    const Tone t = ToneOf(f);
    EXPECT_EQ(t.np, e.np) << what;
    EXPECT_EQ(t.ns, e.ns) << what;
    EXPECT_EQ(t.generated, e.generated) << what;
    EXPECT_EQ(t.error, e.error) << what;
    EXPECT_EQ(t.resultColor, e.resultColor) << what;
    EXPECT_EQ(BackColor(f.Text13), e.resultColor) << what;
}

TEST_F(WindowWait, AfterLoadingWithTheDesignValues) {
    Form9& f = Open();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Controllo dell'istruzione wait");
    EXPECT_EQ(f.LabelFormulaNp->text(), "Pausa=(4*Np+1)*Tcpu");
    EXPECT_EQ(f.LabelFormulaNpNs->text(), "Pausa=[4*Np*(Ns+1)+1]*Tcpu");
    EXPECT_EQ(f.Text8->text(), " 513");
    EXPECT_EQ(f.Text12->text(), " 66049");
    ExpectTone(f, {" 15", " 17", " 462.5", " 5.12", kNormal}, "load");
    EXPECT_EQ(BackColor(f.Text4), kWhite);
    EXPECT_EQ(f.VScroll1->value(), 15);
    EXPECT_EQ(f.VScroll2->value(), 17);
    EXPECT_EQ(f.VScroll1->minimum(), 1);
    EXPECT_EQ(f.VScroll1->maximum(), 255);
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_TRUE(f.Check2->isChecked());
    // A screen with the room shows every panel whole: nothing scrolls.
    QCoreApplication::processEvents();
    auto* panels = f.findChild<QScrollArea*>("Panels");
    ASSERT_NE(panels, nullptr);
    EXPECT_EQ(panels->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(panels->verticalScrollBar()->maximum(), 0);

    // A second "WAIT (Utility)" shows the same window as it is.
    f.Text7->setText("6");
    Open();
    EXPECT_EQ(help::OpenWaitCalculator(), &f);
    EXPECT_EQ(f.Text8->text(), " 25");
}

// The pauses follow the delays the translator writes; counts it refuses, and
// frequencies that give no pause, empty the result box.
TEST_F(WindowWait, PausePanels) {
    Form9& f = Open();
    struct Case {
        const char *mhz, *np, *pause;
    };
    const Case one[] = {{"4.0", "1", " 1"},      {"4.0", "5", " 5"},     {"4.0", "6", " 25"},
                        {"4.0", "255", " 1021"}, {"4.0", "", ""},        {"4.0", "300", ""},
                        {"4.0", "0.4", ""},      {"4.0", "128", " 513"}, {"0", "128", ""},
                        {"", "128", ""},         {"8", "128", " 256.5"}};
    for (const Case& c : one) {
        f.Text6->setText(c.mhz);
        f.Text7->setText(c.np);
        EXPECT_EQ(f.Text8->text(), c.pause) << c.mhz << " " << c.np;
    }
    struct CaseNs {
        const char *np, *ns, *pause;
    };
    const CaseNs two[] = {{"1", "1", " 9"}, {"255", "255", " 261121"}, {"255", "0", ""},
                          {"300", "1", ""}, {"2", "3", " 33"},         {"", "3", ""}};
    for (const CaseNs& c : two) {
        f.Text10->setText(c.np);
        f.Text11->setText(c.ns);
        EXPECT_EQ(f.Text12->text(), c.pause) << c.np << "," << c.ns;
    }
    // The panels share nothing: the tone panel did not move.
    ExpectTone(f, {" 15", " 17", " 462.5", " 5.12", kNormal}, "tone");
}

TEST_F(WindowWait, TonePanelSolvesFromEitherCount) {
    Form9& f = Open();
    f.Text4->setText("17");  // typed Ns: Np is solved from it
    ExpectTone(f, {" 15", "17", " 462.5", " 5.12", kNormal}, "Ns 17");
    EXPECT_EQ(BackColor(f.Text3), kWhite);

    f.Text3->setText("15");
    f.Text1->setText("20000");  // Ns would be -1: the 17 stays, in red
    ExpectTone(f, {"15", " 17", " 462.5", "-97.69", kRed}, "20000 Hz");
    EXPECT_EQ(BackColor(f.Text4), kRed);

    f.Text1->setText("");  // no wanted frequency: no results
    ExpectTone(f, {"15", " 17", "", "", kNormal}, "no frequency");
    f.Text1->setText("1000");
    ExpectTone(f, {"15", " 7", " 1039.5", " 3.95", kNormal}, "1000 Hz");
    EXPECT_EQ(f.VScroll2->value(), 7);
    f.Text2->setText("0");
    ExpectTone(f, {"15", " 7", "", "", kNormal}, "crystal 0");
    f.Text2->setText("4.0");
    f.Text3->setText("300");  // no count a byte holds
    ExpectTone(f, {"300", " 7", "", "", kNormal}, "Np 300");

    // The scroll bars write their count, which solves the other one.
    f.VScroll1->setValue(20);
    ExpectTone(f, {" 20", " 5", " 1039.5", " 3.95", kNormal}, "scroll Np");
    f.VScroll2->setValue(10);
    EXPECT_EQ(f.Text4->text(), " 10");
    EXPECT_EQ(f.Text3->text(), " 11");
    EXPECT_EQ(f.VScroll1->value(), 11);
}

TEST_F(WindowWait, CheckBoxesAreARadioPairThatSwitchesTheForm) {
    Form9& f = Open();
    f.Check1->click();  // the one-count form
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_TRUE(f.Label7->isHidden());
    EXPECT_TRUE(f.Text4->isHidden());
    EXPECT_TRUE(f.VScroll2->isHidden());
    // 440 Hz needs Np 283: the 15 stays, in red, with both results.
    ExpectTone(f, {" 15", " 17", " 7812.5", " 1675.56", kRed}, "one count, 440 Hz");
    EXPECT_EQ(BackColor(f.Text3), kRed);
    f.Text1->setText("1000");
    ExpectTone(f, {" 124", " 17", " 1000", " 0", kNormal}, "one count, 1000 Hz");
    EXPECT_EQ(f.VScroll1->value(), 124);

    f.Check2->click();  // back to two counts, solved from Np
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_TRUE(f.Check2->isChecked());
    EXPECT_FALSE(f.Text4->isHidden());
    EXPECT_EQ(f.Text4->text(), " 0");  // Ns 0 for Np 124: red, the bar stays
    EXPECT_EQ(BackColor(f.Text4), kRed);
    EXPECT_EQ(f.VScroll2->value(), 17);

    f.Check2->click();  // unchecking the two-count box checks the other
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_TRUE(f.Text4->isHidden());
}

// After a solve from Ns, the one-count form still solves again when a
// frequency changes.
TEST_F(WindowWait, OneCountFormFollowsEveryFrequencyChange) {
    Form9& f = Open();
    f.Text4->setText("17");
    f.Check1->click();
    f.Text1->setText("5000");
    ExpectTone(f, {" 24", "17", " 5000", " 0", kNormal}, "5000 Hz");
    f.Text2->setText("8");
    ExpectTone(f, {" 49", "17", " 5000", " 0", kNormal}, "8 MHz");
}

TEST_F(WindowWait, ClosesOnAMouseMoveOnceTheMainWindowHasClosed) {
    Start();
    Form9& f = Open();
    QPointer<Form9> calculator(&f);
    const auto move = [&] {
        QMouseEvent event(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(calculator, &event);
    };
    move();
    EXPECT_TRUE(calculator && calculator->isVisible());

    ASSERT_TRUE(Close());
    EXPECT_TRUE(Globals().Flag_AppClosing);
    EXPECT_TRUE(calculator && calculator->isVisible());  // it outlives the main window
    move();
    EXPECT_FALSE(calculator && calculator->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calculator.isNull());
    EXPECT_EQ(help::OpenWaitCalculator(), nullptr);
}

}  // namespace
}  // namespace tavolux::shell
