// Labels that stand on lines of their own, one after the other, on the
// simulated chip: the label optimiser removes or keeps them, and every jump
// must still land where the program says. Variables take RAM from 0x0C in
// declaration order.
#include "chip.h"

namespace {

using tavolux::testing::RunBasic;

TEST(ChipLabels, LoopThroughTwoLabelsStaysInPlace) {
    // "ANCORA: GOTO INIZIO" jumps to the label before it: the program must
    // spin there, at address 5, and never reach the assignment it skipped
    // nor the SLEEP of END (addresses 0 to 4 hold the lines before it).
    const auto regs = RunBasic(
        "DIM X AS BYTE\n"
        "X = 7\n"
        "GOTO ANCORA\n"
        "X = 9\n"
        "INIZIO:\n"
        "ANCORA:\n"
        "GOTO INIZIO\n"
        "END\n",
        3000, {0x0C, 0x02});
    EXPECT_EQ(regs.at(0x0C), 7);
    EXPECT_EQ(regs.at(0x02), 5);  // PCL
}

TEST(ChipLabels, JumpsFollowAChainOfLoneLabels) {
    // PRIMO and SECONDO lead to a GOTO TERZO, and TERZO is itself alone
    // before QUARTO: a jump to PRIMO must end at QUARTO's code, past the
    // assignment of 9. The loop through INIZIO and ANCORA counts N to 10 and
    // takes the GOTO INIZIO once, at N = 3.
    const auto regs = RunBasic(
        "DIM X, N, K AS BYTE\n"
        "GOTO PRIMO\n"
        "X = 1\n"
        "PRIMO:\n"
        "SECONDO:\n"
        "GOTO TERZO\n"
        "X = 9\n"
        "TERZO:\n"
        "QUARTO:\n"
        "X = 5\n"
        "N = 0\n"
        "K = 0\n"
        "INIZIO:\n"
        "ANCORA:\n"
        "N = N + 1\n"
        "IF N = 3 THEN\n"
        "K = K + 1\n"
        "GOTO INIZIO\n"
        "END IF\n"
        "IF N < 10 THEN\n"
        "GOTO ANCORA\n"
        "END IF\n"
        "END\n",
        5000, {0x0C, 0x0D, 0x0E});
    EXPECT_EQ(regs.at(0x0C), 5);
    EXPECT_EQ(regs.at(0x0D), 10);
    EXPECT_EQ(regs.at(0x0E), 1);
}

TEST(ChipLabels, SubroutineLabelTheInterruptCallsStays) {
    // TICK's body starts with a loop, so its label stands alone before the
    // loop's label: the program's CALL moves on to that label, while the
    // timer interrupt still calls TICK. K counts the calls, N ends each one
    // at 5 (0x0C and 0x0D).
    const auto regs = RunBasic(
        "DIM N AS BYTE\n"
        "DIM K AS BYTE\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "CALL TICK\n"
        "FINE:\n"
        "GOTO FINE\n"
        "END\n"
        "SUB TICK\n"
        "DO\n"
        "N = N + 1\n"
        "LOOP UNTIL N = 5\n"
        "K = K + 1\n"
        "END SUB\n",
        200000, {0x0C, 0x0D});
    ASSERT_EQ(regs.size(), 2u);
    EXPECT_EQ(regs.at(0x0C), 5);
    EXPECT_GE(regs.at(0x0D), 2);  // the CALL, then at least one interrupt
}

}  // namespace
