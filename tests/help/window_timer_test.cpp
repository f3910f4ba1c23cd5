// The timer-interrupt calculator in its window: Enter computes, the error
// label shows for three seconds on a timer, and the inputs reach the
// settings file.
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form6.h"
#include "window_fixture.h"

namespace tavolux::shell {
namespace {

using help::Form6;
using WindowTimer = WindowTest;

void Enter(Form6& f, const QString& crystal, const QString& prescaler, const QString& tmr0) {
    f.Frequenza->setText(crystal);
    f.Prescaler->setText(prescaler);
    f.TMR0->setText(tmr0);
    QTest::keyClick(f.TMR0, Qt::Key_Return);
}

// Opens the calculator from the main window and runs `body` on it.
void WithCalculator(Form1& main, const std::function<void(Form6&)>& body) {
    bool seen = false;
    Seams::OnNextWindow([&](QDialog& d) {
        seen = true;
        body(dynamic_cast<Form6&>(d));
    });
    main.ProgTMR0->click();
    EXPECT_TRUE(seen);
}

TEST_F(WindowTimer, EnterComputesAndEveryOutcomeLeavesNoOldResult) {
    Form1& main = Start();
    WithCalculator(main, [](Form6& f) {
        EXPECT_EQ(f.windowTitle(), "Determinazione impostazioni Timer");
        EXPECT_TRUE(f.Text1->isReadOnly());
        EXPECT_TRUE(f.Text1->toPlainText().startsWith(
            "La frequenza con cui il timer attiva l'interrupt è calcolata"));
        for (QPushButton* b : f.findChildren<QPushButton*>()) {
            EXPECT_FALSE(b->autoDefault() || b->isDefault()) << b->objectName().toStdString();
        }

        Enter(f, " 4 ", "256", "0");
        EXPECT_EQ(f.FrequenzaCall->text(), " 15.2587890625");
        EXPECT_EQ(f.FattoreFrequenza->text(), "Hz");
        EXPECT_EQ(f.PeriodoCall->text(), " 65.536");
        EXPECT_EQ(f.FattorePeriodo->text(), "m-sec");
        EXPECT_EQ(f.Frequenza->text(), " 4 ");  // the box keeps what was typed

        Enter(f, "4", "1", "255");  // 1 MHz and more
        EXPECT_EQ(f.FrequenzaCall->text(), " 1");
        EXPECT_EQ(f.FattoreFrequenza->text(), "MHz");
        EXPECT_EQ(f.PeriodoCall->text(), " 1");
        EXPECT_EQ(f.FattorePeriodo->text(), "\u00B5-sec");

        // Invalid: the label, and the results back to their empty design text.
        Enter(f, "4", "257", "0");
        EXPECT_TRUE(f.Errore->isVisible());
        EXPECT_EQ(f.Errore->text(),
                  "ERRORE: VI SONO CAMPI VUOTI, NEGATIVI OPPURE NON DEFINITI O ERRATI.");
        EXPECT_EQ(f.FrequenzaCall->text(), " ");
        EXPECT_EQ(f.PeriodoCall->text(), " ");
        EXPECT_EQ(f.Prescaler->text(), "257");

        // Failing arithmetic: inputs emptied, the message, no result.
        Enter(f, "20", "1", "156");
        EXPECT_EQ(f.FrequenzaCall->text(), " 50");
        EXPECT_TRUE(Seams::messages.isEmpty());
        const std::pair<const char*, const char*> failing[] = {{"abc", "256"}, {"1e999", "1"}};
        for (const auto& [crystal, prescaler] : failing) {
            Seams::messages.clear();
            Enter(f, crystal, prescaler, "0");
            ASSERT_EQ(Seams::messages.size(), 1) << crystal;
            EXPECT_TRUE(Seams::messages[0].startsWith("Si è verificato il seguente errore:\r\n"))
                << crystal;
            EXPECT_EQ(f.Frequenza->text(), "") << crystal;
            EXPECT_EQ(f.Prescaler->text(), "") << crystal;
            EXPECT_EQ(f.TMR0->text(), "") << crystal;
            EXPECT_EQ(f.FrequenzaCall->text(), " ") << crystal;
            EXPECT_EQ(f.PeriodoCall->text(), " ") << crystal;
        }
        Seams::messages.clear();
        Enter(f, "4", "0", "0");
        EXPECT_EQ(Seams::messages,
                  QStringList{"Si è verificato il seguente errore:\r\nDivisione per zero"});
    });
    EXPECT_EQ(Seams::windows, QStringList{"Form6"});
}

// With nothing kept yet, the first computation finds empty boxes: the window
// is there at once with its error label, which goes three seconds after the
// last invalid computation, and a valid one meanwhile leaves it to its time.
TEST_F(WindowTimer, ErrorLabelShowsForThreeSecondsOnATimer) {
    Form1& main = Start();
    WithCalculator(main, [](Form6& f) {
        EXPECT_TRUE(f.Errore->isVisible());
        EXPECT_TRUE(f.ErroreTimer->isActive());
        EXPECT_TRUE(f.ErroreTimer->isSingleShot());
        EXPECT_EQ(f.ErroreTimer->interval(), 3000);

        QTest::qWait(1000);
        QElapsedTimer since;
        Enter(f, "", "256", "0");  // starts the three seconds again
        since.start();
        EXPECT_GT(f.ErroreTimer->remainingTime(), 2500);
        Enter(f, "4", "256", "0");
        EXPECT_EQ(f.FrequenzaCall->text(), " 15.2587890625");
        EXPECT_TRUE(f.Errore->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(f.Errore->isHidden(), 6000);
        EXPECT_GE(since.elapsed(), 2800);
    });
}

TEST_F(WindowTimer, ClosingWhileTheLabelShowsStopsItsTimer) {
    Form1& main = Start();
    QPointer<QTimer> timer;
    WithCalculator(main, [&](Form6& f) {
        timer = f.ErroreTimer;
        ASSERT_TRUE(timer->isActive());
        f.close();
        EXPECT_FALSE(timer->isActive());
    });
    EXPECT_TRUE(timer.isNull());  // the window is gone, its timer with it
}

// The inputs are kept trimmed, whatever the outcome, and reach settings
// lines 11 to 13 when the program closes; the next start offers them again.
TEST_F(WindowTimer, InputsKeptTrimmedInTheSettingsFile) {
    Form1& main = Start();
    WithCalculator(main, [](Form6& f) { Enter(f, " 4 ", " 64", "6 "); });
    EXPECT_EQ(Globals().TimerCalcFrequency, "4");
    EXPECT_EQ(Globals().TimerCalcPrescaler, "64");
    EXPECT_EQ(Globals().TimerCalcTMR0, "6");
    ASSERT_TRUE(Close());
    const QList<QByteArray> lines = Read(GetConfigFilePath()).split('\n');
    ASSERT_GE(lines.size(), 13);
    EXPECT_EQ(lines[10], "4\r");
    EXPECT_EQ(lines[11], "64\r");
    EXPECT_EQ(lines[12], "6\r");

    Form1& again = Start();
    WithCalculator(again, [](Form6& f) {
        EXPECT_EQ(f.Frequenza->text(), "4");
        EXPECT_EQ(f.Prescaler->text(), "64");
        EXPECT_EQ(f.TMR0->text(), "6");
        EXPECT_EQ(f.FrequenzaCall->text(), " 62.5");
        EXPECT_EQ(f.PeriodoCall->text(), " 16");
        EXPECT_TRUE(f.Errore->isHidden());
        Enter(f, " 4", "0 ", "0");  // fails: the boxes are emptied, the texts kept
    });
    EXPECT_EQ(Globals().TimerCalcPrescaler, "0");
    Seams::messages.clear();
    WithCalculator(again, [](Form6& f) {
        EXPECT_EQ(f.Frequenza->text(), "");  // it failed again while loading
        EXPECT_EQ(Seams::messages.size(), 1);
    });
}

}  // namespace
}  // namespace tavolux::shell
