// END, STOP, GOTO and inline assembly on the simulated chip. Inline assembly
// is upper-cased like the rest of the program, so it names registers by
// address.
#include "chip.h"

namespace {

using tavolux::testing::RunBasic;

TEST(ChipFlow, InlineAssemblyWritesARegister) {
    const auto regs = RunBasic("ASM(MOVLW &H2A)\nASM(MOVWF &H20)\nEND\n", 1000, {0x20});
    EXPECT_EQ(regs.at(0x20), 0x2A);
}

TEST(ChipFlow, StopHaltsBeforeTheRestOfTheProgram) {
    const auto regs = RunBasic(
        "ASM(MOVLW &H07)\nASM(MOVWF &H21)\nSTOP\nASM(MOVLW &H09)\nASM(MOVWF &H21)\nEND\n", 2000,
        {0x21});
    EXPECT_EQ(regs.at(0x21), 0x07);
}

TEST(ChipFlow, GotoLoopCountsToTen) {
    const auto regs = RunBasic(
        "ASM(CLRF &H20)\n"
        "ASM(CLRF &H21)\n"
        "ANCORA:\n"
        "ASM(INCF &H20 , 1)\n"
        "ASM(MOVF &H20 , 0)\n"
        "ASM(XORLW &H0A)\n"
        "ASM(BTFSS &H03 , 2)\n"
        "GOTO ANCORA\n"
        "ASM(INCF &H21 , 1)\n"
        "END\n",
        5000, {0x20, 0x21});
    EXPECT_EQ(regs.at(0x20), 10);
    EXPECT_EQ(regs.at(0x21), 1);  // END stays put: the line after the loop ran once
}

TEST(ChipFlow, AsmBlockWithALabelLine) {
    const auto regs = RunBasic(
        "ASM{\n"
        "  CLRF &H22\n"
        "GIRO:\n"
        "  INCF &H22 , 1\n"
        "  BTFSS &H22 , 2\n"
        "  GOTO GIRO\n"
        "}\n"
        "END\n",
        5000, {0x22});
    EXPECT_EQ(regs.at(0x22), 4);
}

}  // namespace
