// IF blocks on the simulated chip: every comparison over the byte values
// where signed and unsigned readings part (0, 1, 127, 128, 255), both arms of
// a block, nested blocks and the carry and zero flag tests.
//
// The compared bytes are generated names ("W#" names count as variables)
// that an inline EQU (in column 1, behind a colon) places at fixed addresses; inline assembly sets
// them and records which arm ran.
#include <functional>
#include <string>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::Hex2;
using tavolux::testing::RunBasic;

constexpr int kValues[] = {0, 1, 127, 128, 255};
const char* const kOperators[] = {"=", "<>", "<", ">", "<=", ">="};

std::string SetByte(int address, int value) {
    return "ASM(MOVLW &H" + Hex2(value) + ")\nASM(MOVWF &H" + Hex2(address) + ")\n";
}

bool Holds(const std::string& op, int a, int b) {
    if (op == "=") return a == b;
    if (op == "<>") return a != b;
    if (op == "<") return a < b;
    if (op == ">") return a > b;
    if (op == "<=") return a <= b;
    return a >= b;
}

int Signed(int byte) {
    return byte >= 128 ? byte - 256 : byte;
}

// One block per value of X (at 0x20), each writing 1 (THEN) or 2 (ELSE)
// into its own result byte from 0x30 on.
std::string ProgramOverValues(const std::string& condition, const std::string& setup = "") {
    std::string basic = "ASM(W#X: EQU &H20)\nASM(W#Y: EQU &H21)\n" + setup;
    for (int i = 0; i < 5; ++i) {
        basic += SetByte(0x20, kValues[i]);
        basic += "IF " + condition + " THEN\nASM(MOVLW &H01)\nELSE\nASM(MOVLW &H02)\nEND IF\n";
        basic += "ASM(MOVWF &H" + Hex2(0x30 + i) + ")\n";
    }
    return basic + "END\n";
}

void ExpectArms(const std::string& program, const std::function<bool(int)>& holds,
                const std::string& what) {
    const auto regs = RunBasic(program, 5000, {0x30, 0x31, 0x32, 0x33, 0x34});
    ASSERT_EQ(regs.size(), 5u) << what;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(regs.at(0x30 + i), holds(kValues[i]) ? 1 : 2)
            << what << " with X = " << kValues[i];
    }
}

TEST(ChipIfBlocks, ComparisonWithZeroReadsTheByteAsSigned) {
    for (const std::string op : kOperators) {
        ExpectArms(
            ProgramOverValues("W#X " + op + " 0"), [&](int x) { return Holds(op, Signed(x), 0); },
            "X " + op + " 0");
    }
}

TEST(ChipIfBlocks, ComparisonWithAConstantIsUnsignedOnItsLowByte) {
    // -1 is 0xFF and -256 is 0x00 (compared unsigned, unlike the constant 0).
    const std::vector<std::pair<std::string, int>> constants = {
        {"1", 1},    {"127", 127}, {"128", 128}, {"255", 255},
        {"-1", 255}, {"-256", 0},  {"&H80", 128}};
    for (const std::string op : kOperators) {
        for (const auto& [text, byte] : constants) {
            ExpectArms(
                ProgramOverValues("W#X " + op + " " + text),
                [&](int x) { return Holds(op, x, byte); }, "X " + op + " " + text);
        }
    }
}

TEST(ChipIfBlocks, ComparisonOfTwoVariablesIsUnsigned) {
    for (const std::string op : kOperators) {
        for (int y : kValues) {
            ExpectArms(
                ProgramOverValues("W#X " + op + " W#Y", SetByte(0x21, y)),
                [&](int x) { return Holds(op, x, y); },
                "X " + op + " Y with Y = " + std::to_string(y));
        }
    }
}

TEST(ChipIfBlocks, NestedBlocksWithElse) {
    // Four quadrants of (X < 128, Y < 128), each recorded as its own code;
    // the inner blocks end together, so the labels form chains.
    const std::string body =
        "IF W#X < 128 THEN\n"
        "IF W#Y < 128 THEN\nASM(MOVLW &H11)\nELSE\nASM(MOVLW &H12)\nEND IF\n"
        "ELSE\n"
        "IF W#Y < 128 THEN\nASM(MOVLW &H21)\nELSE\nASM(MOVLW &H22)\nEND IF\n"
        "END IF\n";
    const int cases[][3] = {{5, 5, 0x11}, {5, 200, 0x12}, {200, 5, 0x21}, {200, 200, 0x22}};
    for (const auto& c : cases) {
        const std::string basic = "ASM(W#X: EQU &H20)\nASM(W#Y: EQU &H21)\n" + SetByte(0x20, c[0]) +
                                  SetByte(0x21, c[1]) + body + "ASM(MOVWF &H30)\nEND\n";
        const auto regs = RunBasic(basic, 5000, {0x30});
        EXPECT_EQ(regs.at(0x30), c[2]) << "X = " << c[0] << ", Y = " << c[1];
    }
}

TEST(ChipIfBlocks, NestedThenPartsEndingTogether) {
    // Inside Q, block A has an ELSE and its THEN part ends with the END IFs of
    // B and C: the labels of B, C, A's end and Q's end stand in a chain.
    // Bit 0 of 0x30 marks the innermost THEN part, bit 1 A's ELSE part, bit 7
    // the line after the blocks.
    const std::string body =
        "ASM(CLRF &H30)\n"
        "IF W#Q <> 0 THEN\n"
        "IF W#A <> 0 THEN\n"
        "IF W#B <> 0 THEN\n"
        "IF W#C <> 0 THEN\n"
        "ASM(BSF &H30 , 0)\n"
        "END IF\n"
        "END IF\n"
        "ELSE\n"
        "ASM(BSF &H30 , 1)\n"
        "END IF\n"
        "END IF\n"
        "ASM(BSF &H30 , 7)\n"
        "END\n";
    const int cases[][5] = {{0, 1, 1, 1, 0x80},
                            {1, 0, 1, 1, 0x82},
                            {1, 1, 0, 1, 0x80},
                            {1, 1, 1, 0, 0x80},
                            {1, 1, 1, 1, 0x81}};
    for (const auto& c : cases) {
        std::string basic =
            "ASM(W#Q: EQU &H20)\nASM(W#A: EQU &H21)\nASM(W#B: EQU &H22)\n"
            "ASM(W#C: EQU &H23)\n";
        for (int i = 0; i < 4; ++i) basic += SetByte(0x20 + i, c[i]);
        const auto regs = RunBasic(basic + body, 5000, {0x30});
        EXPECT_EQ(regs.at(0x30), c[4])
            << "Q A B C = " << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    }
}

TEST(ChipIfBlocks, CarryAndZeroFlagTests) {
    // Each form over both states of the flag: result 1 when the THEN part ran.
    struct Form {
        std::string condition;
        bool whenSet;  // the THEN part runs when the flag is set
    };
    const Form forms[] = {{"= 0", false}, {"<> 1", false}, {"< 1", false},
                          {"= 1", true},  {"<> 0", true},  {"", true}};
    for (const std::string flag : {"FLAG_CARRY", "FLAG_ZERO"}) {
        const std::string bit = flag == "FLAG_CARRY" ? "0" : "2";
        for (const Form& form : forms) {
            std::string basic;
            for (int state = 0; state < 2; ++state) {
                basic += "ASM(MOVLW &H02)\n";
                basic += std::string(state ? "ASM(BSF" : "ASM(BCF") + " &H03 , " + bit + ")\n";
                basic += "IF " + flag + (form.condition.empty() ? "" : " " + form.condition) +
                         " THEN\nASM(MOVLW &H01)\nEND IF\n";
                basic += "ASM(MOVWF &H" + Hex2(0x30 + state) + ")\n";
            }
            basic += "END\n";
            const auto regs = RunBasic(basic, 5000, {0x30, 0x31});
            ASSERT_EQ(regs.size(), 2u) << flag << " " << form.condition;
            EXPECT_EQ(regs.at(0x30), form.whenSet ? 2 : 1) << flag << " " << form.condition;
            EXPECT_EQ(regs.at(0x31), form.whenSet ? 1 : 2) << flag << " " << form.condition;
        }
    }
}

}  // namespace
