// A timer period against the cost of the interrupt's entry and exit. TMR0 is
// loaded again only after the timer's handler, so the main program runs in
// what is left of each period once the exit is over; the dispatcher serves
// the timer first. With an edge on B0 waiting, the entry that would serve it
// finds the timer's flag set again whenever the exit and the next entry
// outlast the period: the B0 handler never runs and the main program never
// gets another instruction. The bytes the entry saves (here the divide
// routine's, when both sides divide) lengthen both, 4 cycles a byte.
#include <gtest/gtest.h>

#include <string>

#include "chip.h"

namespace tavolux::testing {
namespace {

struct PeriodCase {
    const char* what;
    int timerStart;    // SET INIT TIMER TO, with the prescaler off
    bool mainDivides;  // the main program divides too: the entry saves 3 bytes
    bool stopsForGood;
};

// The main program counts in X; the timer's handler counts in S the calls
// in a row that found X as the call before left it (up to 250), and the B0
// handler counts its calls in N. The edge on B0 comes at cycle 20000.
std::string Program(const PeriodCase& c) {
    return std::string(
               "DIM X, Y, Z, C, P, S, N AS BYTE\n"
               "ON TIMER INTERRUPT CALL TEMPO\n"
               "ON EXTERNAL INTERRUPT CALL ESTERNA\n"
               "SET TIMER RATE TO 0\n"
               "SET INIT TIMER TO ") +
           std::to_string(c.timerStart) +
           "\n"
           "GIRO:\n"
           "X = X + 1\n" +
           (c.mainDivides ? "Y = DIV10( X )\n" : "") +
           "GOTO GIRO\n"
           "END\n"
           "SUB TEMPO\n"
           "C = C + 1\n"
           "Z = DIV10( C )\n"
           "IF X = P THEN\n"
           "IF S < 250 THEN S = S + 1\n"
           "ELSE\n"
           "S = 0\n"
           "END IF\n"
           "P = X\n"
           "END SUB\n"
           "SUB ESTERNA\n"
           "N = N + 1\n"
           "END SUB\n";
}

TEST(ChipTimerPeriod, AnEdgeOnB0StopsTheProgramWhenEntryAndExitOutlastThePeriod) {
    const PeriodCase cases[] = {
        {"20 counts, 3 bytes saved", 236, true, true},
        {"20 counts, nothing saved", 236, false, false},
        {"30 counts, 3 bytes saved", 226, true, false},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ChipProgram program = BuildForChip(Program(c));
        ASSERT_TRUE(program.ok);
        const auto at = Addresses(program.asmText);
        const auto regs = RunInGpsim(program.assembly, 150000, {at.at("X"), at.at("S"), at.at("N")},
                                     PinStimulus("b0", "portb0", {{20000, 1}, {20100, 0}}));
        ASSERT_EQ(regs.size(), 3u);
        if (c.stopsForGood) {
            EXPECT_GT(regs.at(at.at("X")), 0) << "the main program never ran before the edge";
            EXPECT_EQ(regs.at(at.at("S")), 250) << "the main program still runs";
            EXPECT_EQ(regs.at(at.at("N")), 0) << "the B0 handler ran";
        } else {
            EXPECT_LT(regs.at(at.at("S")), 250) << "the main program stopped";
            EXPECT_EQ(regs.at(at.at("N")), 1) << "the B0 handler did not run once";
        }
    }
}

}  // namespace
}  // namespace tavolux::testing
