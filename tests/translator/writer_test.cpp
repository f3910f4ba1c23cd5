// The writer on states set by hand: the interrupt entry and the end of RAM.
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

// ---- The end of RAM ---------------------------------------------------------

// A writer run on a state set by hand.
class WriterRun {
  public:
    WriterRun() : a_(t_) { a_.ResetRun(); }
    tavolux::TranslatorState& State() { return a_.State(); }
    // Writes the program and gives the text: the program or the report.
    std::string Write() {
        a_.WriteAsmProgram();
        return a_.State().AsmText;
    }

  private:
    Translator t_;
    TranslatorTestAccess a_;
};

// 0x0C to 0x4F are 68 bytes; with W#VLTx the table may hold 67 more.
TEST(WriterRam, LastRegisterIsUsable) {
    WriterRun w;
    w.State().FAT = {{"T", "BYTE", "61"},   {"W#1", "BYTE", "1"},  {"W#D1", "BYTE", "1"},
                     {"W#D2", "BYTE", "1"}, {"W#D3", "BYTE", "1"}, {"W#2", "BYTE", "1"}};
    w.State().Flag_WaitDouble = true;  // W#VLTx at 0x4E, W#VLTy at 0x4F
    const std::string text = w.Write();
    EXPECT_FALSE(w.State().Flag_Error) << text;
    EXPECT_NE(text.find("W#VLTy  EQU 0x4F"), std::string::npos) << text;
}

// Mend: past 0x4F the run ends with a message instead of a program that uses
// registers the chip does not have.
TEST(WriterRam, PastTheLastRegisterIsReported) {
    WriterRun w;
    w.State().FAT = {
        {"T", "BYTE", "61"}, {"W#D1", "BYTE", "1"}, {"W#D2", "BYTE", "1"}, {"W#D3", "BYTE", "1"}};
    w.State().Flag_WaitDouble = true;
    w.State().Flag_Interrupt = true;  // three save bytes: 0x4E to 0x50
    w.State().CurrentStatement = "END";
    const std::string text = w.Write();
    EXPECT_TRUE(w.State().Flag_Error);
    EXPECT_EQ(text,
              "<*> ERRORE : Memoria RAM insufficiente: le variabili superano l'indirizzo 0x4F\r\n");
}

TEST(WriterRam, OneByteTooManyWithoutInterrupts) {
    WriterRun w;
    w.State().FAT = {{"T", "BYTE", "61"},   {"W#1", "BYTE", "1"},  {"W#D1", "BYTE", "1"},
                     {"W#D2", "BYTE", "1"}, {"W#D3", "BYTE", "1"}, {"W#2", "BYTE", "1"},
                     {"W#3", "BYTE", "1"}};
    w.State().Flag_WaitDouble = true;  // W#VLTy would stand at 0x50
    const std::string text = w.Write();
    EXPECT_EQ(text,
              "<*> ERRORE : Memoria RAM insufficiente: le variabili superano l'indirizzo 0x4F\r\n");
}

}  // namespace
