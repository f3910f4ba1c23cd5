// FOR and DO loops on the simulated chip: each program runs a table of
// loops, each loop counting its passes into its own 16-bit counter, and the
// counts are checked against a reference written here. A final marker byte
// shows that every loop ended.
#include <functional>
#include <string>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::RegisterRange;
using tavolux::testing::RunBasic;

// The lines that count one pass into the 16-bit counter CL n / CH n.
std::string CountPass(int n) {
    const std::string low = "CL" + std::to_string(n);
    const std::string high = "CH" + std::to_string(n);
    return low + " = " + low + " + 1\nIF " + low + " = 0 THEN\n" + high + " = " + high +
           " + 1\nEND IF\n";
}

// A program of `loops.size()` counted loops. The variables named in
// `shared` come first (from 0x0C), then the counters, then the marker DONE.
struct CountedProgram {
    std::vector<std::string> shared;
    std::vector<std::string> loops;  // each with "@" where its counting lines go
    std::vector<int> expected;       // passes of each loop

    void Check(long cycles) const {
        std::string basic;
        for (const std::string& name : shared) basic += "DIM " + name + " AS BYTE\n";
        for (size_t n = 0; n < loops.size(); ++n) {
            basic += "DIM CL" + std::to_string(n) + " AS BYTE\nDIM CH" + std::to_string(n) +
                     " AS BYTE\n";
        }
        basic += "DIM DONE AS BYTE\n";
        for (size_t n = 0; n < loops.size(); ++n) {
            std::string loop = loops[n];
            loop.replace(loop.find('@'), 1, CountPass(static_cast<int>(n)));
            basic += loop;
        }
        basic += "DONE = 1\nEND\n";

        // The RAM bytes; variables take them from 0x0C in DIM order.
        const auto regs = RunBasic(basic, cycles, RegisterRange(0x0C, 0x47));
        ASSERT_FALSE(regs.empty()) << basic;
        const int first = 0x0C + static_cast<int>(shared.size());
        for (size_t n = 0; n < loops.size(); ++n) {
            const int at = first + 2 * static_cast<int>(n);
            EXPECT_EQ(regs.at(at) + 256 * regs.at(at + 1), expected[n]) << loops[n];
        }
        EXPECT_EQ(regs.at(first + 2 * static_cast<int>(loops.size())), 1)
            << "some loop never ended";
    }
};

// Passes of FOR v = start TO end STEP step over one byte: the body runs
// once, then again while the stepped value stays within the bounds and the
// byte.
int ForPasses(int start, int end, int step) {
    int passes = 0;
    int v = start;
    do {
        ++passes;
        v += step;
    } while (step > 0 ? (v <= end && v <= 255) : (v >= end && v >= 0));
    return passes;
}

struct ForCase {
    std::string setup;   // assignments before the loop
    std::string bounds;  // the text after "FOR I = "
    int start, end, step;
};

// Loops of every form at the edges of the byte; the bounds that are
// variables get their values from the setup line.
TEST(ChipLoops, ForRunsExactlyTheIterationsItsBoundsSay) {
    const std::vector<ForCase> cases = {
        // Constant bounds.
        {"", "0 TO 255", 0, 255, 1},
        {"", "255 TO 0 STEP -1", 255, 0, -1},
        {"", "1 TO 200 STEP 3", 1, 200, 3},
        {"", "250 TO 5 STEP -7", 250, 5, -7},
        {"", "0 TO 250 STEP 10", 0, 250, 10},
        {"", "0 TO 255 STEP 127", 0, 255, 127},
        {"", "254 TO 255", 254, 255, 1},
        // A variable start.
        {"J = 0\n", "J TO 255", 0, 255, 1},
        {"J = 255\n", "J TO 0 STEP -1", 255, 0, -1},
        {"J = 200\n", "J TO 100 STEP 5", 200, 100, 5},
        // A variable end.
        {"K = 255\n", "0 TO K", 0, 255, 1},
        {"K = 0\n", "255 TO K STEP -1", 255, 0, -1},
        {"K = 250\n", "0 TO K STEP 10", 0, 250, 10},
        {"K = 255\n", "0 TO K STEP 200", 0, 255, 200},
        // Both bounds variables.
        {"J = 0\nK = 255\n", "J TO K", 0, 255, 1},
        {"J = 0\nK = 250\n", "J TO K STEP 10", 0, 250, 10},
        {"J = 255\nK = 0\n", "J TO K STEP -1", 255, 0, -1},
        {"J = 255\nK = 0\n", "J TO K STEP -127", 255, 0, -127},
        {"J = 250\nK = 250\n", "J TO K", 250, 250, 1},
        {"J = 200\nK = 100\n", "J TO K", 200, 100, 1},
        {"J = 7\n", "J TO 0 STEP -2", 7, 0, -2},
    };
    CountedProgram program;
    program.shared = {"I", "J", "K"};
    for (const ForCase& c : cases) {
        program.loops.push_back(c.setup + "FOR I = " + c.bounds + "\n@NEXT I\n");
        program.expected.push_back(ForPasses(c.start, c.end, c.step));
    }
    program.Check(3000000);
}

// A bound computed from a group keeps its byte for the whole loop, although
// the body computes groups of its own and calls the divide routine, whose
// work bytes come from the same pool.
TEST(ChipLoops, AGroupInABoundKeepsItsValue) {
    CountedProgram program;
    program.shared = {"I", "N", "X", "Y"};
    program.loops = {
        "N = 15\nX = 0\nFOR I = 0 TO (N AND 7)\n@X = (X OR 1) AND N\nY = DIV10(N)\nNEXT I\n",
        "N = 15\nX = 0\nFOR I = (N AND 12) TO 0 STEP -1\n@X = (X OR 2) AND N\nNEXT I\n",
        "N = 12\nFOR I = 1 TO 200 STEP (N AND 5)\n@X = (I AND 1) OR 2\nNEXT I\n",
    };
    program.expected = {8, 13, 50};
    program.Check(500000);
}

// A variable step is read as a signed byte: 128 to 255 count down.
TEST(ChipLoops, ForWithAVariableStepCountsBothWays) {
    struct StepCase {
        int start, end, step;
    };
    const std::vector<StepCase> cases = {
        {0, 255, 3},  {255, 0, -3}, {0, 255, 100}, {255, 0, -128},
        {200, 0, -1}, {0, 0, 1},    {10, 0, -10},  {0, 255, 127},
    };
    CountedProgram program;
    program.shared = {"I", "J", "K", "S"};
    for (const StepCase& c : cases) {
        const std::string setup =
            "J = " + std::to_string(c.start) + "\nK = " + std::to_string(c.end) +
            "\nS = " + std::to_string(c.step < 0 ? c.step + 256 : c.step) + "\n";
        program.loops.push_back(setup + "FOR I = J TO K STEP S\n@NEXT I\n");
        program.expected.push_back(ForPasses(c.start, c.end, c.step));
        // The same with the constant end 0 or 255 written in the loop.
        if (c.end == 0 || c.end == 255) {
            program.loops.push_back(setup + "FOR I = J TO " + std::to_string(c.end) +
                                    " STEP S\n@NEXT I\n");
            program.expected.push_back(ForPasses(c.start, c.end, c.step));
        }
    }
    program.Check(3000000);
}

// BREAK leaves the innermost loop that holds it: a FOR loop of each form, a
// DO loop of each kind, and a DO loop inside a FOR loop.
TEST(ChipLoops, BreakLeavesTheInnermostLoop) {
    CountedProgram program;
    program.shared = {"I", "J", "K", "S", "V", "LOOPS", "DOPPIO"};
    const std::string breakAt37 = "IF I = 37 THEN\nBREAK\nEND IF\n";
    program.loops = {
        "FOR I = 0 TO 255\n@" + breakAt37 + "NEXT I\n",
        "K = 255\nFOR I = 0 TO K\n@" + breakAt37 + "NEXT I\n",
        "J = 0\nK = 255\nFOR I = J TO K\n@" + breakAt37 + "NEXT I\n",
        "S = 1\nJ = 0\nK = 255\nFOR I = J TO K STEP S\n@" + breakAt37 + "NEXT I\n",
        // The inner loop stops at its 3rd pass; the outer runs all 10.
        "FOR I = 1 TO 10\nFOR J = 1 TO 200\n@IF J = 3 THEN\nBREAK\nEND IF\nNEXT J\nNEXT I\n",
        // The DO inside takes the BREAK; the FOR around it runs on.
        "FOR I = 1 TO 4\nV = 0\nDO\n@V = V + 1\nIF V = 5 THEN\nBREAK\nEND IF\nLOOP\nNEXT I\n",
        "V = 0\nDO\n@V = V + 1\nIF V = 9 THEN\nBREAK\nEND IF\nLOOP\n",
        "V = 0\nDO WHILE V < 100\n@V = V + 1\nIF V = 9 THEN\nBREAK\nEND IF\nLOOP\n",
        "V = 0\nDO UNTIL V = 100\n@V = V + 1\nIF V = 9 THEN\nBREAK\nEND IF\nLOOP\n",
        "V = 0\nDO\n@V = V + 1\nIF V = 9 THEN\nBREAK\nEND IF\nLOOP WHILE V < 100\n",
        "V = 0\nDO\n@V = V + 1\nIF V = 9 THEN\nBREAK\nEND IF\nLOOP UNTIL V = 100\n",
        // Names that begin with LOOP or DO are no loop lines.
        "FOR I = 1 TO 10\n@LOOPS = I\nIF I = 4 THEN\nBREAK\nEND IF\nDOPPIO = I\nNEXT I\n",
    };
    program.expected = {38, 38, 38, 38, 30, 20, 9, 9, 9, 9, 9, 4};
    program.Check(2000000);
}

// Every DO form, with a condition that holds at the start and one that does
// not. The body counts and steps V down by one (255 after 0).
TEST(ChipLoops, EveryDoFormTestsWhereItSays) {
    struct DoForm {
        std::string opening, closing;
        bool testFirst;
        std::function<bool(int)> goOn;  // whether another pass follows, given V
    };
    const auto nonZero = [](int v) { return v != 0; };
    const auto zero = [](int v) { return v == 0; };
    const auto lowBitsSet = [](int v) { return (v & 3) != 0; };
    const auto bit2Set = [](int v) { return (v & 4) != 0; };
    const std::vector<DoForm> forms = {
        {"DO WHILE V <> 0", "LOOP", true, nonZero},
        {"DO UNTIL V = 0", "LOOP", true, nonZero},
        {"DO WHILE NOT V = 0", "LOOP", true, nonZero},
        {"DO UNTIL NOT V <> 0", "LOOP", true, nonZero},
        {"DO NOT V = 0", "LOOP", true, nonZero},
        {"DO WHILE NOT NOT V = 0", "LOOP", true, zero},
        {"DO", "LOOP WHILE V <> 0", false, nonZero},
        {"DO", "LOOP UNTIL V = 0", false, nonZero},
        {"DO", "LOOP WHILE NOT V = 0", false, nonZero},
        {"DO", "LOOP UNTIL NOT V <> 0", false, nonZero},
        {"DO", "LOOP NOT V = 0", false, nonZero},
    };
    // Parenthesised conditions are computed again before every test.
    const std::vector<DoForm> groupForms = {
        {"DO WHILE NOT (V AND 3) = 0", "LOOP", true, lowBitsSet},
        {"DO UNTIL (V AND 3) = 0", "LOOP", true, lowBitsSet},
        {"DO", "LOOP WHILE NOT (V AND 3) = 0", false, lowBitsSet},
        {"DO", "LOOP UNTIL (V AND 3) = 0", false, lowBitsSet},
        // A group compared with a variable.
        {"DO WHILE V = (V OR 4)", "LOOP", true, bit2Set},
        {"DO", "LOOP UNTIL V = (V AND 251)", false, bit2Set},
    };
    for (const auto* table : {&forms, &groupForms}) {
        CountedProgram program;
        program.shared = {"V"};
        for (const DoForm& form : *table) {
            for (const int start : {0, 6}) {
                program.loops.push_back("V = " + std::to_string(start) + "\n" + form.opening +
                                        "\n@V = V - 1\n" + form.closing + "\n");
                int passes = 0;
                int v = start;
                if (form.testFirst) {
                    while (form.goOn(v) && passes < 1000) {
                        ++passes;
                        v = (v + 255) & 255;
                    }
                } else {
                    do {
                        ++passes;
                        v = (v + 255) & 255;
                    } while (form.goOn(v) && passes < 1000);
                }
                program.expected.push_back(passes);
            }
        }
        program.Check(2000000);
    }
}

}  // namespace
