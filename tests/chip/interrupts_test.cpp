// Timer and interrupts on the simulated chip: each source reaches its own
// handler, a source switched off stays off, the handler runs in bank 0 and
// the timer restarts from the reload value.
//
// The programs loop instead of ending: END puts the chip to sleep, which
// stops the timer. Variables get addresses from 0x0C in DIM order.
#include <string>

#include "chip.h"

namespace {

using tavolux::testing::PinStimulus;
using tavolux::testing::Pulses;
using tavolux::testing::RunBasic;

constexpr const char* kHandlers =
    "SUB TICK\n"
    "T = T + 1\n"
    "END SUB\n"
    "SUB EST\n"
    "E = E + 1\n"
    "END SUB\n"
    "SUB LIN\n"
    "L = L + 1\n"
    "END SUB\n";

// Ten rising edges on B0 and eight pulses (sixteen changes) on B4 while the
// timer overflows every 256 cycles or so: every counter counts its own source
// only.
TEST(ChipInterrupts, EachSourceReachesItsOwnHandler) {
    const std::string stimuli = PinStimulus("rb0", "portb0", Pulses(1000, 1800, 300, 10)) +
                                PinStimulus("rb4", "portb4", Pulses(1500, 2000, 700, 8));
    const auto regs = RunBasic(std::string("DIM T AS BYTE\n"
                                           "DIM E AS BYTE\n"
                                           "DIM L AS BYTE\n"
                                           "ON TIMER INTERRUPT CALL TICK\n"
                                           "ON EXTERNAL INTERRUPT CALL EST\n"
                                           "ON LINE INTERRUPT CALL LIN\n"
                                           "SET TIMER RATE TO 0\n"
                                           "GIRO:\n"
                                           "GOTO GIRO\n"
                                           "END\n") +
                                   kHandlers,
                               20000, {0x0C, 0x0D, 0x0E}, stimuli);
    ASSERT_EQ(regs.size(), 3u);
    EXPECT_EQ(regs.at(0x0D), 10);  // E: rising edges of B0
    EXPECT_EQ(regs.at(0x0E), 16);  // L: changes of B4, both ways
    // T: an overflow every 256 counts plus the time the entry takes.
    EXPECT_GE(regs.at(0x0C), 20000 / 330);
    EXPECT_LE(regs.at(0x0C), 20000 / 256);
}

// Flags keep being raised while a source is switched off; an interrupt of
// another source must not run its handler. The timer handler switches itself
// off at its fifth tick; the main program switches the line interrupt off
// after the fourth external interrupt and notes L then (L1 at 0x0F). The
// entries of the sources switched off come first in the dispatcher, so every
// external interrupt passes them with their flags raised.
TEST(ChipInterrupts, ASourceSwitchedOffStaysOff) {
    const std::string stimuli = PinStimulus("rb0", "portb0", Pulses(1000, 1800, 300, 10)) +
                                PinStimulus("rb4", "portb4", Pulses(1750, 1000, 500, 18));
    const auto regs = RunBasic(
        "DIM T AS BYTE\n"
        "DIM E AS BYTE\n"
        "DIM L AS BYTE\n"
        "DIM L1 AS BYTE\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "ON LINE INTERRUPT CALL LIN\n"
        "ON EXTERNAL INTERRUPT CALL EST\n"
        "SET TIMER RATE TO 0\n"
        "ATTESA:\n"
        "IF E < 4 THEN GOTO ATTESA\n"
        "SET LINE INTERRUPT OFF\n"
        "L1 = L\n"
        "GIRO:\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB TICK\n"
        "T = T + 1\n"
        "IF T = 5 THEN SET TIMER OFF\n"
        "END SUB\n"
        "SUB EST\n"
        "E = E + 1\n"
        "END SUB\n"
        "SUB LIN\n"
        "L = L + 1\n"
        "END SUB\n",
        20000, {0x0C, 0x0D, 0x0E, 0x0F}, stimuli);
    ASSERT_EQ(regs.size(), 4u);
    EXPECT_EQ(regs.at(0x0C), 5);              // T: off since its fifth tick
    EXPECT_EQ(regs.at(0x0D), 10);             // E: every edge, also after the others went off
    EXPECT_EQ(regs.at(0x0F), 10);             // L1: the changes of B4 up to cycle 6400
    EXPECT_EQ(regs.at(0x0E), regs.at(0x0F));  // L: no change counted after that
}

// The same for the external interrupt, whose entry comes before the line
// interrupt's: after SET EXTERNAL INTERRUPT OFF at the third edge of B0 the
// next seven edges still raise its flag, and every change of B4 passes it.
TEST(ChipInterrupts, ExternalInterruptSwitchedOffStaysOff) {
    const std::string stimuli = PinStimulus("rb0", "portb0", Pulses(1000, 1800, 300, 10)) +
                                PinStimulus("rb4", "portb4", Pulses(1750, 1000, 500, 18));
    const auto regs = RunBasic(
        "DIM E AS BYTE\n"
        "DIM L AS BYTE\n"
        "ON EXTERNAL INTERRUPT CALL EST\n"
        "ON LINE INTERRUPT CALL LIN\n"
        "ATTESA:\n"
        "IF E < 3 THEN GOTO ATTESA\n"
        "SET EXTERNAL INTERRUPT OFF\n"
        "GIRO:\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB EST\n"
        "E = E + 1\n"
        "END SUB\n"
        "SUB LIN\n"
        "L = L + 1\n"
        "END SUB\n",
        20000, {0x0C, 0x0D}, stimuli);
    ASSERT_EQ(regs.size(), 2u);
    EXPECT_EQ(regs.at(0x0C), 3);   // E
    EXPECT_EQ(regs.at(0x0D), 36);  // L: every change of B4
}

// The main program sits in bank 1, where it cleared TRISB, and keeps copying
// TRISB (to TRB) and OPTION (to OPZ). The handler writes T to port B and
// reads it back (to VISTO); the timer restarts from R = 156, so a tick comes
// every 100 counts plus the time the entry takes before the reload. Written
// in bank 1, the reload would land in OPTION and T to TRISB; a bank not given
// back at the end would have the main program copy port B and TMR0.
TEST(ChipInterrupts, TimerHandlerRunsInBankZeroAndReloads) {
    const auto regs = RunBasic(
        "DIM T AS BYTE\n"
        "DIM R AS BYTE\n"
        "DIM VISTO AS BYTE\n"
        "DIM TRB AS BYTE\n"
        "DIM OPZ AS BYTE\n"
        "R = 156\n"
        "SET INIT TIMER TO R\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "SET TIMER RATE TO 0\n"
        "ASM(BSF &H03 , 5)\n"
        "ASM(CLRF &H06)\n"
        "GIRO:\n"
        "ASM(MOVF &H06 , 0)\n"
        "ASM(MOVWF &H0F)\n"
        "ASM(MOVF &H01 , 0)\n"
        "ASM(MOVWF &H10)\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB TICK\n"
        "T = T + 1\n"
        "ASM(MOVF &H0C , 0)\n"
        "ASM(MOVWF &H06)\n"
        "ASM(MOVF &H06 , 0)\n"
        "ASM(MOVWF &H0E)\n"
        "END SUB\n",
        20000, {0x0C, 0x0E, 0x0F, 0x10});
    ASSERT_EQ(regs.size(), 4u);
    const int t = regs.at(0x0C);
    EXPECT_GE(t, 20000 / 140);
    EXPECT_LE(t, 20000 / 110);
    const int seen = regs.at(0x0E);  // the run may stop between the two copies
    EXPECT_TRUE(seen == t || seen + 1 == t) << seen << " " << t;
    EXPECT_EQ(regs.at(0x0F), 0x00);  // TRISB
    EXPECT_EQ(regs.at(0x10), 0xDF);  // OPTION: no prescaler, internal clock
}

// The timer counts the edges of A4: three rising and two falling ones. The
// program copies TMR0 to 0x20.
TEST(ChipInterrupts, TimerEdgeUpCountsRisingEdges) {
    const std::string stimulus =
        PinStimulus("ra4", "porta4", {{1000, 1}, {1400, 0}, {2000, 1}, {2400, 0}, {3000, 1}});
    const struct {
        const char* edge;
        int count;
    } cases[] = {{"UP", 3}, {"DOWN", 2}};
    for (const auto& c : cases) {
        const auto regs = RunBasic(std::string("SET TIMER RATE TO 0\n"
                                               "SET EXTERNAL CLOCK\n"
                                               "SET TIMER EDGE ") +
                                       c.edge +
                                       "\n"
                                       "GIRO:\n"
                                       "ASM(MOVF &H01 , 0)\n"
                                       "ASM(MOVWF &H20)\n"
                                       "GOTO GIRO\n"
                                       "END\n",
                                   5000, {0x20}, stimulus);
        ASSERT_EQ(regs.size(), 1u) << c.edge;
        EXPECT_EQ(regs.at(0x20), c.count) << c.edge;
    }
}

// Without a timer handler the clock and rate statements leave the timer
// interrupt off: with the external handler's global enable the first
// overflow would otherwise hold the chip in the interrupt for good, and the
// main program would never see E reach 2 (FATTO at 0x0D).
TEST(ChipInterrupts, ClockStatementsWithoutTimerHandler) {
    const auto regs = RunBasic(
        "DIM E AS BYTE\n"
        "DIM FATTO AS BYTE\n"
        "ON EXTERNAL INTERRUPT CALL EST\n"
        "SET INTERNAL CLOCK\n"
        "SET TIMER RATE TO 0\n"
        "ATTESA:\n"
        "IF E < 2 THEN GOTO ATTESA\n"
        "FATTO = 1\n"
        "GIRO:\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB EST\n"
        "E = E + 1\n"
        "END SUB\n",
        10000, {0x0C, 0x0D}, PinStimulus("rb0", "portb0", Pulses(1000, 1000, 300, 3)));
    ASSERT_EQ(regs.size(), 2u);
    EXPECT_EQ(regs.at(0x0C), 3);
    EXPECT_EQ(regs.at(0x0D), 1);
}

// A two-counter WAIT inside the timer handler and another in the main
// program: the handler's WAIT leaves W#VLTx and W#VLTy at 0, and the entry
// must give both back. The handler measures its own WAIT 2,3 on TMR0 (33
// cycles plus the 2 of the reads, D at 0x10); the main program counts its
// WAIT 10,20 loops (841 cycles each plus 3 for the count and the GOTO) in N.
// A tick comes every 256 counts plus the time from the overflow to the
// reload, about 60 cycles, of which the main program gets about 245: in
// 30000 cycles about 23000 are the main program's, 27 loops. A W#VLTy left
// at 0 makes a loop last 255 outer passes longer, and N stays near 0.
TEST(ChipInterrupts, TwoCounterWaitInHandlerAndMainProgram) {
    const auto regs = RunBasic(
        "DIM T AS BYTE\n"
        "DIM N AS BYTE\n"
        "DIM S AS BYTE\n"
        "DIM E AS BYTE\n"
        "DIM D AS BYTE\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "SET TIMER RATE TO 0\n"
        "GIRO:\n"
        "WAIT 10, 20\n"
        "N = N + 1\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB TICK\n"
        "T = T + 1\n"
        "S = RND\n"
        "WAIT 2, 3\n"
        "E = RND\n"
        "D = E - S\n"
        "END SUB\n",
        30000, {0x0C, 0x0D, 0x10});
    ASSERT_EQ(regs.size(), 3u);
    EXPECT_GE(regs.at(0x0C), 30000 / 330);  // T
    EXPECT_LE(regs.at(0x0C), 30000 / 300);
    EXPECT_EQ(regs.at(0x10), 4 * 2 * (3 + 1) + 1 + 2);  // D
    EXPECT_GE(regs.at(0x0D), 24);                       // N
    EXPECT_LE(regs.at(0x0D), 30000 / 844);
}

// The main program sits in RECONFIG, in bank 1 for most of its cycles, and
// the timer handler writes T to port B and reads it back. Run in bank 1, the
// reload of 156 would land in OPTION (the timer then overflows every 256
// counts) and port B's value in TRISB. The main program also copies
// OPTION to OPZ.
TEST(ChipInterrupts, TimerHandlerRunsWhileMainProgramReconfigures) {
    const auto regs = RunBasic(
        "DIM T AS BYTE\n"
        "DIM V AS BYTE\n"
        "DIM OPZ AS BYTE\n"
        "CONFIG B AS OUTPUT\n"
        "SET INIT TIMER TO 156\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "SET TIMER RATE TO 0\n"
        "GIRO:\n"
        "RECONFIG B AS OUTPUT\n"
        "RECONFIG A0 AS INPUT\n"
        "RECONFIG A, B7 AS OUTPUT\n"
        "ASM(BSF 3 , 5)\n"
        "ASM(MOVF &H81 , W)\n"
        "ASM(BCF 3 , 5)\n"
        "ASM(MOVWF OPZ)\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB TICK\n"
        "T = T + 1\n"
        "OUTPUT B, T\n"
        "V = INPUT(B)\n"
        "END SUB\n",
        20000, {0x0C, 0x0D, 0x0E});
    ASSERT_EQ(regs.size(), 3u);
    const int t = regs.at(0x0C);
    // A tick every 100 counts plus the 40 or so cycles before the reload.
    EXPECT_GE(t, 20000 / 150);
    EXPECT_LE(t, 20000 / 110);
    const int seen = regs.at(0x0D);  // V: the run may stop between T and V
    EXPECT_TRUE(seen == t || seen + 1 == t) << seen << " " << t;
    EXPECT_EQ(regs.at(0x0E), 0xDF);  // OPTION: no prescaler, internal clock
}

// WRITE and READ while the timer interrupts every 256 cycles or so; the
// main program reads the bytes back over and over, so that ticks land in
// the reading routine's bank-1 lines too. The handler's WAIT uses W#VLTx.
TEST(ChipInterrupts, WriteThenReadWithTheTimerRunning) {
    const auto regs = RunBasic(
        "DIM T AS BYTE\n"
        "DIM X AS BYTE\n"
        "DIM N AS BYTE\n"
        "DIM R0 AS BYTE\n"
        "DIM R1 AS BYTE\n"
        "DIM R2 AS BYTE\n"
        "DIM R3 AS BYTE\n"
        "DIM R4 AS BYTE\n"
        "ON TIMER INTERRUPT CALL TICK\n"
        "SET TIMER RATE TO 0\n"
        "X = &H77\n"
        "WRITE 12, 34, \"Ok\", X, 5\n"
        "GIRO:\n"
        "R0 = READ(5)\n"
        "R1 = READ(6)\n"
        "R2 = READ(7)\n"
        "R3 = READ(8)\n"
        "R4 = READ(9)\n"
        "N = N + 1\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB TICK\n"
        "IF T < 200 THEN T = T + 1\n"
        "WAIT 10\n"
        "END SUB\n",
        100000, {0x0C, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13});
    ASSERT_EQ(regs.size(), 7u);
    EXPECT_EQ(regs.at(0x0C), 200);  // T: ticks kept coming
    EXPECT_GE(regs.at(0x0E), 10);   // N: the main program kept reading
    EXPECT_EQ(regs.at(0x0F), 12);
    EXPECT_EQ(regs.at(0x10), 34);
    EXPECT_EQ(regs.at(0x11), 'O');
    EXPECT_EQ(regs.at(0x12), 'k');
    EXPECT_EQ(regs.at(0x13), 0x77);
}

// The external interrupt comes on the edge of B0 that the program chose:
// three pulses, the run stopped after the third rise and before its fall.
TEST(ChipInterrupts, ExternalInterruptEdge) {
    const std::string stimulus = PinStimulus("rb0", "portb0", Pulses(1000, 1000, 400, 3));
    const struct {
        const char* edge;
        int count;
    } cases[] = {{"UP", 3}, {"DOWN", 2}};
    for (const auto& c : cases) {
        const auto regs = RunBasic(std::string("DIM E AS BYTE\n"
                                               "ON EXTERNAL INTERRUPT CALL EST\n"
                                               "SET EXTERNAL INTERRUPT EDGE ") +
                                       c.edge +
                                       "\n"
                                       "GIRO:\n"
                                       "GOTO GIRO\n"
                                       "END\n"
                                       "SUB EST\n"
                                       "E = E + 1\n"
                                       "END SUB\n",
                                   3200, {0x0C}, stimulus);
        ASSERT_EQ(regs.size(), 1u) << c.edge;
        EXPECT_EQ(regs.at(0x0C), c.count) << c.edge;
    }
}

// A port-B handler that switches its own source off at its third call: the
// entry does not switch it back on, and later changes of B4 are not counted.
TEST(ChipInterrupts, LineHandlerSwitchesItsOwnSourceOff) {
    const auto regs = RunBasic(
        "DIM L AS BYTE\n"
        "ON LINE INTERRUPT CALL LIN\n"
        "GIRO:\n"
        "GOTO GIRO\n"
        "END\n"
        "SUB LIN\n"
        "L = L + 1\n"
        "IF L = 3 THEN SET LINE INTERRUPT OFF\n"
        "END SUB\n",
        10000, {0x0C}, PinStimulus("rb4", "portb4", Pulses(1000, 1000, 500, 8)));
    ASSERT_EQ(regs.size(), 1u);
    EXPECT_EQ(regs.at(0x0C), 3);
}

}  // namespace
