// FOR and DO loops that are refused, translated whole: the report names the
// message and the statement. I, J, K and S are bytes.
#include <gtest/gtest.h>

#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace {

using tavolux::testing::ToCrLf;

struct RefusedLoop {
    const char* body;  // between the declarations and END
    const char* message;
    const char* statement;  // quoted by the report
    friend void PrintTo(const RefusedLoop& c, std::ostream* os) { *os << c.body; }
};

class LoopRefused : public ::testing::TestWithParam<RefusedLoop> {};

TEST_P(LoopRefused, WithItsMessage) {
    const RefusedLoop& c = GetParam();
    tavolux::Translator translator;
    const auto result = translator.TranslateProgram(
        ToCrLf(std::string("DIM I AS BYTE\nDIM J AS BYTE\nDIM K AS BYTE\nDIM S AS BYTE\n") +
               c.body + "END\n"),
        "");
    EXPECT_TRUE(result.flagError);
    EXPECT_EQ(result.asmText, ToCrLf(std::string("<*> ERRORE : ") + c.message +
                                     "\n---istruzione---\n" + c.statement));
}

const char* const kBadLoop = "Controllare l'istruzione FOR...NEXT";

// Bounds and steps the byte-wide loop cannot count as written.
INSTANTIATE_TEST_SUITE_P(
    ForBounds, LoopRefused,
    ::testing::Values(
        RefusedLoop{"FOR I = 10 TO 1\nNEXT I\n", kBadLoop, "FOR I = 10 TO 1"},
        RefusedLoop{"FOR I = 5 TO 5\nNEXT I\n", kBadLoop, "FOR I = 5 TO 5"},
        RefusedLoop{"FOR I = -1 TO 5\nNEXT I\n", kBadLoop, "FOR I = -1 TO 5"},
        RefusedLoop{"FOR I = 1 TO 10 STEP 128\nNEXT I\n", kBadLoop, "FOR I = 1 TO 10 STEP 128"},
        RefusedLoop{"FOR I = 10 TO 1 STEP -127\nNEXT I\n", kBadLoop, "FOR I = 10 TO 1 STEP -127"},
        RefusedLoop{"FOR I = J TO 10 STEP 0\nNEXT I\n", kBadLoop, "FOR I = J TO 10 STEP 0"},
        RefusedLoop{"FOR I = J TO -3 STEP -1\nNEXT I\n", kBadLoop, "FOR I = J TO -3 STEP -1"},
        // Past the byte: refused, not cut to the low byte.
        RefusedLoop{"FOR I = 0 TO 300\nNEXT I\n", kBadLoop, "FOR I = 0 TO 300"},
        RefusedLoop{"FOR I = 256 TO 0 STEP -1\nNEXT I\n", kBadLoop, "FOR I = 256 TO 0 STEP -1"},
        RefusedLoop{"FOR I = 300 TO K\nNEXT I\n", kBadLoop, "FOR I = 300 TO K"},
        RefusedLoop{"FOR I = J + 1 TO 1000 STEP S\nNEXT I\n", kBadLoop,
                    "FOR I = J + 1 TO 1000 STEP S"},
        RefusedLoop{"FOR I = J TO K STEP 256\nNEXT I\n", kBadLoop, "FOR I = J TO K STEP 256"},
        RefusedLoop{"FOR I = J TO K STEP 99999\nNEXT I\n", kBadLoop, "FOR I = J TO K STEP 99999"},
        // A step must be a number or a variable.
        RefusedLoop{"FOR I = J TO K STEP S + 1\nNEXT I\n", kBadLoop, "FOR I = J TO K STEP S + 1"}));

INSTANTIATE_TEST_SUITE_P(
    ForForm, LoopRefused,
    ::testing::Values(
        RefusedLoop{"FOR I 1 TO 5\nNEXT I\n",
                    "Controllare il ciclo For...Next, manca il segno di uguale", "FOR I 1 TO 5"},
        RefusedLoop{"FOR I = 1 5\nNEXT I\n", "Controllare il ciclo For...Next, manca il 'TO'",
                    "FOR I = 1 5"},
        RefusedLoop{"FOR Q = 1 TO 5\nNEXT Q\n", "Variabile non definita", "Q"},
        RefusedLoop{"FOR I = 1 TO 5\nNEXT J\n",
                    "Controllare l'istruzione di chiusura del ciclo For...Next", "NEXT J"},
        // The inner loop is paired first, so its fault is the one reported.
        RefusedLoop{"FOR I = 1 TO 5\nFOR J = 1 TO 5\nNEXT I\nNEXT J\n",
                    "Controllare l'istruzione di chiusura del ciclo For...Next", "NEXT I"}));

// DO and LOOP are words: a name that begins with their letters is an
// ordinary statement inside a loop, and a BREAK after it still belongs to
// the loop around it.
INSTANTIATE_TEST_SUITE_P(
    DoForm, LoopRefused,
    ::testing::Values(
        RefusedLoop{"DO WHILE I > 0\nLOOP UNTIL J = 1\n",
                    "Impossibile risolvere il ciclo Do While...LOOP", "DO WHILE I > 0"},
        RefusedLoop{"DO WHILE NOT I > 0\nLOOP UNTIL J = 1\n",
                    "Impossibile risolvere il ciclo Do While...LOOP", "DO UNTIL I > 0"},
        RefusedLoop{"DO\nLOOP FOREVER\n", "Impossibile risolvere il ciclo Do While...LOOP", "DO"},
        RefusedLoop{"DO I = 1\nLOOP\n", "Impossibile risolvere il ciclo Do While...LOOP",
                    "DO I = 1"},
        RefusedLoop{"DO\nI = 1\nLOOP\nBREAK\n", "Istruzione non risolta", "BREAK"}));

TEST(LoopWords, NamesBeginningWithDoOrLoopAreNotLoopLines) {
    tavolux::Translator translator;
    const auto result =
        translator.TranslateProgram(ToCrLf("DIM I AS BYTE\nDIM LOOPS AS BYTE\nDIM DOPPIO AS BYTE\n"
                                           "FOR I = 1 TO 10\nDOPPIO = 2\nLOOPS = 3\nBREAK\nNEXT I\n"
                                           "DO\nLOOPS = 1\nBREAK\nDOPPIO = 4\nLOOP\nEND\n"),
                                    "");
    EXPECT_FALSE(result.flagError) << result.asmText;
}

}  // namespace
