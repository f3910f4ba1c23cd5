// An interrupt never changes the program it interrupts. Each program does
// its work once and ends; a handler on B0 does the same kind of work on
// bytes of its own. The program is run without an edge on B0, then with one
// rising edge at each of many cycles inside the work: the main program's
// variables must come out as they did without the interrupt, every time.
//
// And the stack: the main program at its deepest call with the handler's own
// calls on top fills the chip's eight levels and runs right.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::Addresses;
using tavolux::testing::BuildForChip;
using tavolux::testing::PinStimulus;
using tavolux::testing::RunSeriesInGpsim;

// DATA values 1 to 250, value i being (7 i + 3) modulo 256: the table lies
// after the interrupt entry and its last entries past address 0x100.
std::string DataLines() {
    std::string data;
    for (int i = 1; i <= 250; ++i) {
        data += (i % 25 == 1 ? "DATA " : ",") + std::to_string((7 * i + 3) % 256);
        if (i % 25 == 0) data += "\n";
    }
    return data;
}

// A program around its own work: DONE tells the work is over, HC counts the
// handler's calls and HD is what DONE was when the handler ran. A run starts
// from a reset, which keeps the RAM: the work sets every byte it counts on.
std::string WithHandler(const std::string& dims, const std::string& work,
                        const std::string& handler, const std::string& tail = "") {
    return "DIM RUNS AS BYTE\nDIM DONE AS BYTE\nDIM HC AS BYTE\nDIM HD AS BYTE\n" + dims +
           "ON EXTERNAL INTERRUPT CALL H\nRUNS = RUNS + 1\nDONE = 0\nHC = 0\nHD = 0\n" + work +
           "DONE = 1\nEND\nSUB H\nHC = HC + 1\nHD = DONE\n" + handler + "END SUB\n" + tail;
}

// Runs the program once for each of `edges`, `cycles` long from a reset,
// with a rising edge on B0 at that cycle of the run (none for 0), all in one
// simulator session; gives the named variables after each run. The program
// counts its runs in RUNS, which the reset keeps: each run must have started
// the program again.
std::vector<std::map<std::string, int>> RunsWithEdges(const tavolux::testing::ChipProgram& program,
                                                      const std::vector<std::string>& names,
                                                      const std::vector<long>& edges, long cycles) {
    const std::map<std::string, int> addresses = Addresses(program.asmText);
    std::vector<std::string> read = names;
    read.push_back("RUNS");
    std::vector<int> registers;
    for (const std::string& name : read) {
        const auto at = addresses.find(name);
        EXPECT_TRUE(at != addresses.end()) << "the program declares no " << name;
        registers.push_back(at == addresses.end() ? 0 : at->second);
    }
    std::vector<std::pair<long, int>> levels;
    for (size_t run = 0; run < edges.size(); ++run) {
        if (edges[run] == 0) continue;
        const long at = tavolux::testing::RunStart(cycles, static_cast<int>(run)) + edges[run];
        levels.push_back({at, 1});
        levels.push_back({at + 20, 0});
    }
    const std::string script = levels.empty() ? "" : PinStimulus("rb0", "portb0", levels);
    const std::vector<std::map<int, int>> runs = RunSeriesInGpsim(
        program.assembly, cycles, static_cast<int>(edges.size()), registers, script);
    EXPECT_EQ(runs.size(), edges.size()) << "gpsim gave fewer runs than asked for";
    std::vector<std::map<std::string, int>> values(runs.size());
    for (size_t run = 0; run < runs.size(); ++run) {
        for (size_t k = 0; k < read.size(); ++k) {
            const auto value = runs[run].find(registers[k]);
            values[run][read[k]] = value == runs[run].end() ? -1 : value->second;
        }
        EXPECT_EQ(values[run]["RUNS"], static_cast<int>(run) + 1)
            << "run " << run << " did not start";
    }
    return values;
}

struct SharedWork {
    const char* name;
    std::string program;
    std::vector<std::string> compared;          // the main program's variables
    std::map<std::string, int> handlerResults;  // what the handler must find every time
    long first;                                 // the first edge
    long step;                                  // cycles between the edges tried
};

void PrintTo(const SharedWork& row, std::ostream* os) {
    *os << row.name;
}

class InterruptedWork : public ::testing::TestWithParam<SharedWork> {};

constexpr int kPoints = 40;
constexpr long kCycles = 4000;

TEST_P(InterruptedWork, LeavesTheMainProgramAsItWas) {
    const SharedWork& row = GetParam();
    const auto program = BuildForChip(row.program);
    ASSERT_TRUE(program.ok);
    std::vector<std::string> names = row.compared;
    names.insert(names.end(), {"DONE", "HC", "HD"});
    for (const auto& result : row.handlerResults) names.push_back(result.first);

    // The first run without an edge, then one edge per run.
    std::vector<long> edges = {0};
    for (int point = 0; point < kPoints; ++point) edges.push_back(row.first + point * row.step);
    const auto runs = RunsWithEdges(program, names, edges, kCycles);
    ASSERT_EQ(runs.size(), edges.size());
    const std::map<std::string, int>& alone = runs[0];
    ASSERT_EQ(alone.at("DONE"), 1) << "the work does not end within the run";
    ASSERT_EQ(alone.at("HC"), 0);
    for (size_t run = 1; run < runs.size(); ++run) {
        const std::map<std::string, int>& interrupted = runs[run];
        SCOPED_TRACE("edge at cycle " + std::to_string(edges[run]));
        ASSERT_EQ(interrupted.at("HC"), 1) << "the handler did not run once";
        ASSERT_EQ(interrupted.at("HD"), 0) << "the edge came after the work";
        EXPECT_EQ(interrupted.at("DONE"), 1);
        for (const std::string& name : row.compared) {
            EXPECT_EQ(interrupted.at(name), alone.at(name)) << name;
        }
        for (const auto& [name, value] : row.handlerResults) {
            EXPECT_EQ(interrupted.at(name), value) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SharedBytes, InterruptedWork,
    ::testing::Values(
        // The divide routine's three work bytes.
        SharedWork{
            "DivideWorkBytes",
            WithHandler(
                "DIM I AS BYTE\nDIM Y AS BYTE\nDIM Q AS BYTE\nDIM S AS BYTE\n"
                "DIM Z AS BYTE\nDIM HQ AS BYTE\n",
                "Z = 255\nS = 0\nY = 0\nFOR I = 1 TO 30\nY = Y + 37\nQ = DIV10(Y)\nS = S + Q\n"
                "NEXT I\n",
                "HQ = DIV10(Z)\n"),
            {"S", "Q", "Y"},
            {{"HQ", 25}},
            40,
            43},
        // Reusable temporaries: a loop bound and the groups of logic lines.
        SharedWork{
            "LogicTemporaries",
            WithHandler(
                "DIM I AS BYTE\nDIM N AS BYTE\nDIM X AS BYTE\nDIM S AS BYTE\n"
                "DIM T AS BYTE\nDIM U AS BYTE\nDIM Z AS BYTE\nDIM HX AS BYTE\nDIM HJ AS BYTE\n",
                "N = 45\nZ = 6\nS = 0\nU = 0\nFOR I = 1 TO (N AND 63)\n"
                "X = (I AND 3) OR (S AND 12)\nS = S + X\n"
                "T = (S XOR I) AND (X OR 5)\nU = U + T\nNEXT I\n",
                "HX = (Z AND 7) OR (HC AND 8)\nFOR HJ = 1 TO (HX AND 3)\n"
                "NEXT HJ\n"),
            {"S", "U", "X", "T", "I"},
            {{"HX", 6}},
            40,
            29},
        // EEADR and EEDATA: the main program writes and reads bytes from 26
        // on, the handler writes one byte at 52 and reads it back.
        SharedWork{"EepromRegisters",
                   WithHandler("DIM R0 AS BYTE\nDIM R1 AS BYTE\nDIM R2 AS BYTE\nDIM R3 AS BYTE\n"
                               "DIM R4 AS BYTE\nDIM R5 AS BYTE\nDIM HW AS BYTE\n",
                               "WRITE 11, 22, 33, 44, 26\nR0 = READ(26)\nR1 = READ(27)\n"
                               "R2 = READ(28)\nR3 = READ(29)\nWRITE R3, R2, R1, R0, 30\n"
                               "R4 = READ(30)\nR5 = READ(33)\nR4 = R4 + R5\n"
                               "R5 = READ(31)\n",
                               "WRITE 77, 52\nHW = READ(52)\n"),
                   {"R0", "R1", "R2", "R3", "R4", "R5"},
                   {{"HW", 77}},
                   30,
                   11},
        // The remainder DIV10R reads, kept from the division before it.
        SharedWork{
            "DivideRemainder",
            WithHandler(
                "DIM I AS BYTE\nDIM Y AS BYTE\nDIM Q AS BYTE\nDIM R AS BYTE\n"
                "DIM S AS BYTE\nDIM T AS BYTE\nDIM Z AS BYTE\nDIM HQ AS BYTE\n",
                "Z = 199\nS = 0\nT = 0\nY = 0\nFOR I = 1 TO 25\nY = Y + 29\nQ = DIV10(Y)\nWAIT 5\n"
                "R = DIV10R(Y)\nS = S + R\nT = T + Q\nNEXT I\n",
                "HQ = DIV10(Z)\n"),
            {"S", "T", "R"},
            {{"HQ", 19}},
            40,
            41},
        // PCLATH: the main program looks up entries past 0x100, the handler
        // the first one, whose lookup clears PCLATH and does not carry.
        SharedWork{
            "DataLookupPage",
            WithHandler("DIM I AS BYTE\nDIM V AS BYTE\nDIM S AS BYTE\nDIM T AS BYTE\n"
                        "DIM HV AS BYTE\n",
                        "S = 0\nT = 0\nFOR I = 236 TO 250\nV = GETDATA(I)\nS = S + V\nT = T + S\n"
                        "NEXT I\n",
                        "HV = GETDATA(1)\n", DataLines()),
            {"S", "T", "V"},
            {{"HV", 10}},
            40,
            1},
        // PCLATH again, where the main program's only use of it is a computed
        // jump of its own, into a table of inline assembly; the handler sets a
        // PCLATH bit and leaves it set.
        SharedWork{"ComputedJumpOfTheMainProgram",
                   WithHandler("DIM I AS BYTE\nDIM V AS BYTE\nDIM S AS BYTE\nDIM T AS BYTE\n",
                               "S = 0\nT = 0\nFOR I = 0 TO 30\n"
                               "ASM{\nMOVF I , W\nANDLW 3\nCALL TBLM\nMOVWF V\n}\n"
                               "S = S + V\nT = T + S\nNEXT I\n",
                               "ASM(BSF Reg_Pclath , 0)\n",
                               "SUB TABELLA\nASM{\nTBLM: ADDWF Reg_Pcl , F\nRETLW 3\nRETLW 5\n"
                               "RETLW 7\nRETLW 11\n}\nEND SUB\n"),
                   {"S", "T", "V"},
                   {},
                   40,
                   19},
        // The divide routine's bytes again, where the handler reaches its
        // DIV10 only through a computed jump of inline assembly that runs
        // past its table of GOTOs (HK = 2).
        SharedWork{"ComputedJumpOfTheHandler",
                   WithHandler("DIM I AS BYTE\nDIM Y AS BYTE\nDIM Q AS BYTE\nDIM S AS BYTE\n"
                               "DIM Z AS BYTE\nDIM HQ AS BYTE\nDIM HK AS BYTE\n",
                               "HK = 2\nZ = 255\nS = 0\nY = 0\nFOR I = 1 TO 30\nY = Y + 37\n"
                               "Q = DIV10(Y)\nS = S + Q\nNEXT I\n",
                               "ASM{\nMOVF HK , W\nADDWF Reg_Pcl , F\nGOTO HL0\nGOTO HL1\n}\n"
                               "HQ = DIV10(Z)\nHL0:\nHL1:\n"),
                   {"S", "Q", "Y"},
                   {{"HQ", 25}},
                   40,
                   43}),
    [](const ::testing::TestParamInfo<SharedWork>& info) { return std::string(info.param.name); });

// ---- The stack --------------------------------------------------------------

// The main program calls S1, S1 calls S2 and so on down to the SUB at
// `mainLevel`, which counts to 200 there; the handler's chain of
// `handlerLevel` levels ends in K, which counts its calls, or in a WRITE.
std::string StackProgram(int mainLevel, int handlerLevel, bool handlerWrites) {
    std::string program =
        "DIM RUNS AS BYTE\nDIM N AS BYTE\nDIM DONE AS BYTE\nDIM HC AS BYTE\n"
        "ON EXTERNAL INTERRUPT CALL H\nRUNS = RUNS + 1\nDONE = 0\nHC = 0\nCALL S1\nDONE = "
        "1\nEND\n";
    for (int level = 1; level <= mainLevel; ++level) {
        program += "SUB S" + std::to_string(level) + "\n";
        program += level < mainLevel ? "CALL S" + std::to_string(level + 1) + "\n"
                                     : "FOR N = 1 TO 200\nNEXT N\n";
        program += "END SUB\n";
    }
    // H is the handler's first level; each further one is a SUB, or the
    // write routine at the end of the chain.
    const int subs = handlerWrites ? handlerLevel - 1 : handlerLevel;
    for (int level = 1; level <= subs; ++level) {
        const std::string name = level == 1 ? "H" : "K" + std::to_string(level);
        program += "SUB " + name + "\n";
        if (level < subs) {
            program += "CALL K" + std::to_string(level + 1) + "\n";
        } else {
            program += handlerWrites ? "WRITE HC, 5\nHC = HC + 1\n" : "HC = HC + 1\n";
        }
        program += "END SUB\n";
    }
    return program;
}

struct StackCase {
    const char* name;
    int mainLevel;
    int handlerLevel;
    bool handlerWrites;
};

void PrintTo(const StackCase& c, std::ostream* os) {
    *os << c.name;
}

class InterruptOnTheDeepestCall : public ::testing::TestWithParam<StackCase> {};

TEST_P(InterruptOnTheDeepestCall, FillsTheEightLevelsAndRunsRight) {
    const StackCase& c = GetParam();
    const std::string basic = StackProgram(c.mainLevel, c.handlerLevel, c.handlerWrites);
    const auto program = BuildForChip(basic);
    ASSERT_TRUE(program.ok) << basic;
    tavolux::Translator translator;
    const auto result = translator.TranslateProgram(tavolux::testing::ToCrLf(basic), "");
    EXPECT_NE(result.statistics.find("Livello di Stack 8 "), std::string::npos)
        << result.statistics;
    // The counting loop takes about 1200 cycles from about cycle 30 on.
    const std::vector<long> edges = {200, 500, 777, 1000};
    const auto runs = RunsWithEdges(program, {"N", "DONE", "HC"}, edges, 4000);
    ASSERT_EQ(runs.size(), edges.size());
    for (size_t run = 0; run < runs.size(); ++run) {
        SCOPED_TRACE("edge at cycle " + std::to_string(edges[run]));
        EXPECT_EQ(runs[run].at("HC"), 1);
        EXPECT_EQ(runs[run].at("N"), 201);
        EXPECT_EQ(runs[run].at("DONE"), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, InterruptOnTheDeepestCall,
                         ::testing::Values(StackCase{"MainSixHandlerOne", 6, 1, false},
                                           StackCase{"MainFiveHandlerTwo", 5, 2, false},
                                           StackCase{"MainFiveHandlerWrites", 5, 2, true},
                                           StackCase{"MainFourHandlerThree", 4, 3, false}),
                         [](const ::testing::TestParamInfo<StackCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
