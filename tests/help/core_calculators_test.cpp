// The calculators' rules: number text, the timer rows, the WAIT pauses and
// the tone solves.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "number_text.h"
#include "timer_calculator.h"
#include "wait_calculator.h"

namespace tavolux::help {
namespace {

TEST(NumberText, BlankBeforeValuesNotNegativeAndNoLeadingZero) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, " 0"},
        {-0.0, " 0"},
        {0.5, " .5"},
        {-0.8, "-.8"},
        {17, " 17"},
        {15.2587890625, " 15.2587890625"},
        {1.0 / 3, " .333333333333333"},
        {-2.0 / 3, "-.666666666666667"},
        {1e20, " 1E+20"},
        {0.00001, " 1E-05"},
        {-1.5e-7, "-1.5E-07"},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberText(c.value), c.text) << c.value;
    EXPECT_EQ(NumberTextOrEmpty(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(NumberTextOrEmpty(std::nan("")), "");
    EXPECT_EQ(NumberTextOrEmpty(0.15), " .15");
}

// ---- Timer -------------------------------------------------------------------

constexpr char kMicro[] = "\xC2\xB5-sec";

TEST(TimerCalculator, ComputedRows) {
    struct Case {
        const char *crystal, *prescaler, *tmr0;
        const char *frequency, *frequencyUnit, *period, *periodUnit;
    };
    const Case cases[] = {
        {"4", "256", "0", " 15.2587890625", "Hz", " 65.536", "m-sec"},
        {"8", "256", "0", " 30.517578125", "Hz", " 32.768", "m-sec"},
        {"4", "1", "0", " 3.90625", "KHz", " 256", kMicro},
        {"20", "1", "156", " 50", "KHz", " 20", kMicro},
        {"4", "64", "6", " 62.5", "Hz", " 16", "m-sec"},
        // Either side of 1000 Hz.
        {"4", "4", "5", " 996.01593625498", "Hz", " 1.004", "m-sec"},
        {"4", "4", "6", " 1", "KHz", " 1000", kMicro},
        // 1 MHz and more.
        {"4", "1", "255", " 1", "MHz", " 1", kMicro},
        {"20", "1", "255", " 5", "MHz", " .2", kMicro},
        // The limits of the ranges, hexadecimal, blanks around.
        {"4", "256", "255", " 3.90625", "KHz", " 256", kMicro},
        {" 4 ", "&H100", "0", " 15.2587890625", "Hz", " 65.536", "m-sec"},
        {"1e300", "1", "0", " 9.765625E+296", "MHz", " 1.024E-297", kMicro},
    };
    for (const Case& c : cases) {
        const TimerResult r = ComputeTimerInterrupt({c.crystal, c.prescaler, c.tmr0});
        const std::string row = std::string(c.crystal) + " " + c.prescaler + " " + c.tmr0;
        ASSERT_EQ(r.outcome, TimerOutcome::Computed) << row;
        EXPECT_EQ(r.frequency, c.frequency) << row;
        EXPECT_EQ(r.frequencyUnit, c.frequencyUnit) << row;
        EXPECT_EQ(r.period, c.period) << row;
        EXPECT_EQ(r.periodUnit, c.periodUnit) << row;
    }
}

TEST(TimerCalculator, InvalidAndFailingRowsResetTheResults) {
    struct Case {
        const char *crystal, *prescaler, *tmr0;
        TimerOutcome outcome;
        const char* reason;  // for a failure
    };
    const Case cases[] = {
        {"", "256", "0", TimerOutcome::Invalid, ""},
        {"  ", "256", "0", TimerOutcome::Invalid, ""},
        {"4", "257", "0", TimerOutcome::Invalid, ""},
        {"4", "256", "256", TimerOutcome::Invalid, ""},
        {"-1", "256", "0", TimerOutcome::Invalid, ""},
        {"4", "-1", "0", TimerOutcome::Invalid, ""},
        {"4", "256", "-1", TimerOutcome::Invalid, ""},
        {"4", "256", "", TimerOutcome::Invalid, ""},
        {"4", "0", "0", TimerOutcome::Failed, "Divisione per zero"},
        {"abc", "256", "0", TimerOutcome::Failed, "Divisione per zero"},
        {"0", "1", "0", TimerOutcome::Failed, "Divisione per zero"},
        {"1e-320", "256", "0", TimerOutcome::Failed, "Overflow: valore troppo grande"},
        {"1e308", "1", "0", TimerOutcome::Failed, "Overflow: valore troppo grande"},
        {"1e999", "1", "0", TimerOutcome::Failed, "Overflow: valore troppo grande"},
    };
    for (const Case& c : cases) {
        const TimerResult r = ComputeTimerInterrupt({c.crystal, c.prescaler, c.tmr0});
        const std::string row = std::string(c.crystal) + "|" + c.prescaler + "|" + c.tmr0;
        EXPECT_EQ(r.outcome, c.outcome) << row;
        EXPECT_EQ(r.frequency, " ") << row;
        EXPECT_EQ(r.period, " ") << row;
        EXPECT_EQ(r.frequencyUnit, "") << row;
        EXPECT_EQ(r.periodUnit, "") << row;
        if (c.outcome == TimerOutcome::Failed) {
            EXPECT_EQ(r.failure,
                      std::string("Si \xC3\xA8 verificato il seguente errore:\r\n") + c.reason)
                << row;
        }
    }
}

TEST(TimerCalculator, StoresTheInputsTrimmedWhateverTheOutcome) {
    const TimerResult computed = ComputeTimerInterrupt({" 4 ", "  256", "0  "});
    EXPECT_EQ(computed.stored.frequency, "4");
    EXPECT_EQ(computed.stored.prescaler, "256");
    EXPECT_EQ(computed.stored.tmr0, "0");
    const TimerResult failed = ComputeTimerInterrupt({" abc ", " 0", " "});
    EXPECT_EQ(failed.stored.frequency, "abc");
    EXPECT_EQ(failed.stored.prescaler, "0");
    EXPECT_EQ(failed.stored.tmr0, "");
}

// ---- WAIT pauses -------------------------------------------------------------

// The instruction cycles the chip tests measure for the translator's delays:
// WAIT n takes n cycles for n up to 5 and 4n + 1 from 6 on; WAIT a, b takes
// 4a(b + 1) + 1. At 4 MHz one cycle lasts one microsecond.
TEST(WaitCalculator, PausesEqualTheTranslatorsCycles) {
    struct Case {
        const char *np, *ns;  // ns nullptr: the one-counter panel
        long cycles;
    };
    const Case cases[] = {
        {"1", nullptr, 1},      {"5", nullptr, 5},        {"6", nullptr, 25},
        {"60", nullptr, 241},   {"128", nullptr, 513},    {"255", nullptr, 1021},
        {"5.5", nullptr, 25},   {"4.5", nullptr, 4},      {"1", "1", 9},
        {"2", "3", 33},         {"10", "20", 841},        {"128", "128", 66049},
        {"255", "255", 261121}, {"&HFF", "&HFF", 261121},
    };
    for (const Case& c : cases) {
        const std::string shown = " " + std::to_string(c.cycles);
        if (c.ns) {
            EXPECT_EQ(WaitPauseText("4.0", c.np, c.ns), shown) << c.np << "," << c.ns;
        } else {
            EXPECT_EQ(WaitPauseText("4.0", c.np), shown) << c.np;
        }
    }
    EXPECT_EQ(WaitCycles(5), 5);
    EXPECT_EQ(WaitCycles(6), 25);
    EXPECT_EQ(WaitCycles(255, 255), 261121);
    // Twice the clock, half the pause; the units are microseconds.
    EXPECT_EQ(WaitPauseText("8", "6"), " 12.5");
    EXPECT_EQ(WaitPauseText("20", "255", "255"), " 52224.2");
}

TEST(WaitCalculator, PausesTheTranslatorRefusesShowNothing) {
    struct Case {
        const char *mhz, *np, *ns;
    };
    const Case cases[] = {
        {"4.0", "", nullptr},   {"4.0", "0", nullptr},   {"4.0", "0.4", nullptr},
        {"4.0", "-3", nullptr}, {"4.0", "256", nullptr}, {"4.0", "300", nullptr},
        {"", "128", nullptr},   {"0", "128", nullptr},   {"-4", "128", nullptr},
        {"4.0", "128", "0"},    {"4.0", "0", "128"},     {"4.0", "300", "1"},
        {"4.0", "1", "255.5"},  {"4.0", "", "128"},      {"1e-320", "255", "255"},
    };
    for (const Case& c : cases) {
        const std::string text =
            c.ns ? WaitPauseText(c.mhz, c.np, c.ns) : WaitPauseText(c.mhz, c.np);
        EXPECT_EQ(text, "") << c.mhz << "|" << c.np << "|" << (c.ns ? c.ns : "-");
    }
    EXPECT_EQ(WaitCycles(0), std::nullopt);
    EXPECT_EQ(WaitCycles(256), std::nullopt);
    EXPECT_EQ(WaitCycles(1, 0), std::nullopt);
}

}  // namespace
}  // namespace tavolux::help
