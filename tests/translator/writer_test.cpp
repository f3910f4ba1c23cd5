// The writer's interrupt entry, written from a state set by hand.
#include <gtest/gtest.h>

#include <string>

#include "asm_tools.h"
#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::Translator;
using tavolux::TranslatorTestAccess;
using tavolux::testing::ToCrLf;

// A program with one external-interrupt entry and, when asked, a two-counter
// WAIT somewhere (so "W#VLTy" exists).
std::string WriteProgram(bool waitDouble) {
    Translator t;
    TranslatorTestAccess a(t);
    a.ResetRun();
    auto& s = a.State();
    s.ArrayInput.Clear();
    s.ArrayInput.Append("A>GESTORE:");
    s.ArrayInput.Append("A>        RETURN");
    s.ArraySUB = {{"GESTORE", "0", ""}};
    s.Flag_Interrupt = s.Flag_IntExternal = true;
    s.Flag_WaitDouble = waitDouble;
    s.LabelEndINT = a.NewLabel();
    s.ArrayINT = {"        BTFSS Reg_Intcon , Bit_1",
                  "        GOTO $+6",
                  "        BTFSS Reg_Intcon , Bit_4",
                  "        GOTO $+4",
                  "        CALL GESTORE",
                  "        BCF Reg_Intcon , Bit_1",
                  "        GOTO @1"};
    a.WriteAsmProgram();
    EXPECT_FALSE(s.Flag_Error) << s.AsmText;
    return s.AsmText;
}

// The handler runs in bank 0 whatever bank the program was in; W#VLTy, used
// by the two-counter WAIT the interrupted program may be in, is kept like
// W#VLTx.
TEST(InterruptEntry, SavesScratchBytesAndSelectsBankZero) {
    const std::string program = WriteProgram(true);
    EXPECT_EQ(program, ToCrLf("        Title \"BASIC to PIC Translator\"\n"
                              "        Include \"PIC16F84.DEF\"\n"
                              "W#VLTx  EQU 0x0C    ;BYTE(1-Byte)\n"
                              "W#VLTy  EQU 0x0D    ;BYTE(1-Byte)\n"
                              "W#1     EQU 0x0E    ;BYTE(1-Byte)\n"
                              "W#2     EQU 0x0F    ;BYTE(1-Byte)\n"
                              "W#3     EQU 0x10    ;BYTE(1-Byte)\n"
                              "W#4     EQU 0x11    ;BYTE(1-Byte)\n"
                              "        ORG 0\n"
                              "        GOTO @2\n"
                              "        NOP\n"
                              "        NOP\n"
                              "        NOP\n"
                              "        MOVWF W#1\n"
                              "        SWAPF W#1 , F\n"
                              "        SWAPF Reg_Status , W\n"
                              "        MOVWF W#2\n"
                              "        SWAPF W#VLTx , W\n"
                              "        MOVWF W#3\n"
                              "        SWAPF W#VLTy , W\n"
                              "        MOVWF W#4\n"
                              "        BCF Reg_Status2, Bit_5\n"
                              "        BTFSS Reg_Intcon , Bit_1\n"
                              "        GOTO $+6\n"
                              "        BTFSS Reg_Intcon , Bit_4\n"
                              "        GOTO $+4\n"
                              "        CALL GESTORE\n"
                              "        BCF Reg_Intcon , Bit_1\n"
                              "        GOTO @1\n"
                              "@1:     SWAPF W#3 , W\n"
                              "        MOVWF W#VLTx\n"
                              "        SWAPF W#4 , W\n"
                              "        MOVWF W#VLTy\n"
                              "        SWAPF W#2 , W\n"
                              "        MOVWF Reg_Status\n"
                              "        SWAPF W#1 , W\n"
                              "        RETFIE\n"
                              "@2:     NOP\n"
                              "        BCF Reg_Intcon , Bit_1\n"
                              "        BSF Reg_Intcon , Bit_4\n"
                              "        BSF Reg_Intcon , Bit_7\n"
                              "GESTORE:\n"
                              "        RETURN\n"
                              "        END\n"));
    EXPECT_TRUE(tavolux::testing::Assemble(program).ok);
}

TEST(InterruptEntry, NoSaveByteForAnUnusedWaitScratch) {
    const std::string program = WriteProgram(false);
    EXPECT_EQ(program.find("W#VLTy"), std::string::npos) << program;
    EXPECT_EQ(program.find("W#4"), std::string::npos) << program;
    EXPECT_NE(program.find("        MOVWF W#3\r\n        BCF Reg_Status2, Bit_5\r\n"),
              std::string::npos)
        << program;
}

}  // namespace
