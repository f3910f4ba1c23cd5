// What the interrupt entry keeps: the bytes that code reached from a handler
// writes and code reached from the main program uses.
#include "interrupt_saves.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "asm_tools.h"
#include "translator.h"

namespace {

using tavolux::InterruptSharedBytes;
using tavolux::RamByte;

const std::vector<RamByte> kRam = {
    {"X", 0x0C, 4}, {"W#D1", 0x10, 1}, {"W#D2", 0x11, 1}, {"W#1", 0x12, 1}, {"W#VLTx", 0x13, 1}};

// No library routine or DATA table: every line is the program's.
constexpr size_t kNoRoutines = SIZE_MAX;

struct SharedCase {
    const char* name;
    std::vector<std::string_view> code;  // the main program starts at its first line
    std::vector<std::string> expected;
    size_t routinesFrom = kNoRoutines;  // the line where the translator's routines begin
};

void PrintTo(const SharedCase& c, std::ostream* os) {
    *os << c.name;
}

class SharedBytes : public ::testing::TestWithParam<SharedCase> {};

TEST_P(SharedBytes, AreWhatBothSidesReach) {
    const SharedCase& c = GetParam();
    EXPECT_EQ(InterruptSharedBytes(c.code, c.routinesFrom, {"H"}, kRam), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Code, SharedBytes,
    ::testing::Values(
        // Only the translator's bytes are kept: the user's variables are
        // shared on purpose, W#VLTx is kept by the entry anyway.
        SharedCase{"OnlyTheTranslatorsBytes",
                   {"A>        MOVWF W#D1", "A>        MOVWF X", "A>        MOVWF W#VLTx",
                    "A>        GOTO $", "A>H:      CLRF W#D1", "A>        CLRF X",
                    "A>        CLRF W#VLTx", "A>        RETURN"},
                   {"W#D1"}},
        // A byte the main program never names is not kept, nor one the
        // handler only reads.
        SharedCase{"BothSidesMustNameIt",
                   {"A>        MOVF W#D1 , W", "A>        GOTO $", "A>H:      MOVF W#D1 , W",
                    "A>        INCF W#D2 , F", "A>        RETURN"},
                   {}},
        // A destination of W writes nothing; F, 1 or none write the byte.
        SharedCase{"Destinations",
                   {"A>        MOVF W#D1 , W", "A>        MOVF W#D2 , W", "A>        MOVF W#1 , W",
                    "A>        GOTO $", "A>H:      ADDWF W#D1 , W", "A>        RLF W#D2 , 1",
                    "A>        Incf  W#1", "A>        RETURN"},
                   {"W#D2", "W#1"}},
        // The handler's path: a skip reaches both of the next words, a
        // relative jump counts words, and a subroutine called on the way and
        // its own jumps are followed; code after the return is not.
        SharedCase{"JumpsSkipsAndCalls",
                   {"A>        MOVF W#D1 , W", "A>        MOVF W#D2 , W", "A>        MOVF W#1 , W",
                    "A>        GOTO $", "A>H:      BTFSC X , 0", "A>        GOTO $+3",
                    "A>        NOP", "A>        CALL SUBR", "A>        RETURN",
                    "A>        CLRF W#D1", "A>SUBR:", "A>        GOTO AVANTI", "A>        CLRF W#1",
                    "A>AVANTI: CLRF W#D2", "A>        RETURN"},
                   {"W#D2"}},
        // The main program's path counts too: a byte named only after its
        // end is not used by it.
        SharedCase{"UnreachedMainCode",
                   {"A>        GOTO $+2", "A>        MOVF W#D1 , W", "A>        GOTO $",
                    "A>        GOTO $-1", "A>        MOVF W#D2 , W", "A>H:      CLRF W#D1",
                    "A>        CLRF W#D2", "A>        RETURN"},
                   {}},
        // The DATA lookup jumps into its table; PCLATH is written on the way.
        SharedCase{
            "ComputedJumpIntoATable",
            {"A>        MOVLW 1", "A>        CALL @@GD", "A>        GOTO $", "A>H:      MOVLW 2",
             "A>        CALL @@GD", "A>        RETURN", "@@GD:   CLRF Reg_Pclath",
             "        ADDLW 3", "        ADDwf Reg_Pcl, W", "        BTFSC Reg_Status, Bit_0",
             "        Incf  Reg_Pclath , F", "        MOVWF Reg_Pcl", "        NOP",
             "        RETLW 0x05", "        RETLW 0x06"},
            {"Reg_Pclath"},
            6},
        // A computed jump takes PCLATH for the high bits of its target: the
        // main program's uses it, also where nothing else names it.
        SharedCase{"AWriteToPclUsesPclath",
                   {"A>        MOVLW 1", "A>        CALL TAB", "A>        GOTO $",
                    "A>H:      BSF Reg_Pclath , 0", "A>        RETURN", "TAB:    ADDWF Reg_Pcl , F",
                    "        RETLW 0x05", "        RETLW 0x06"},
                   {"Reg_Pclath"},
                   5},
        // A computed jump of inline assembly may land past its table: here on
        // the handler's CLRF, which the table words alone would not reach.
        SharedCase{"ComputedJumpOfInlineAssemblyReachesEverything",
                   {"A>        MOVF W#D1 , W", "A>        GOTO $", "A>H:      MOVF X , W",
                    "A>        ADDWF Reg_Pcl , F", "A>        RETLW 0x05", "A>        RETLW 0x06",
                    "A>        CLRF W#D1", "A>        RETURN"},
                   {"W#D1"}},
        // The EEPROM registers are one group, in either bank and by address.
        SharedCase{"EepromRegistersAreOneGroup",
                   {"A>        BTFSS Reg_Eecon1 , Bit_4", "A>        GOTO $",
                    "A>H:      MOVWF 0x09", "A>        RETURN"},
                   {"Reg_Eeadr", "Reg_Eedata"}},
        // Addresses and offsets find the byte they land on.
        SharedCase{
            "AddressesAndOffsets",
            {"A>        MOVF 0x10 , W", "A>        MOVF X+1 , W", "A>        MOVF W#D1-1 , W",
             "A>        MOVF Reg_Fsr , W", "A>        GOTO $", "A>H:      CLRF W#D2-1",
             "A>        CLRF 0x84", "A>        CLRF X+2", "A>        RETURN"},
            {"W#D1", "Reg_Fsr"}},
        // What the analysis cannot follow counts as everything: a write
        // through INDF, a jump to a name it does not know, a word that is no
        // instruction.
        SharedCase{"WriteThroughIndf",
                   {"A>        MOVF W#D1 , W", "A>        MOVF Reg_Pclath , W", "A>        GOTO $",
                    "A>H:      CLRF Reg_Indf", "A>        RETURN"},
                   {"W#D1", "Reg_Pclath"}},
        SharedCase{"JumpToAnUnknownName",
                   {"A>        MOVF W#D2 , W", "A>        GOTO $", "A>H:      GOTO ALTROVE",
                    "A>        RETURN", "A>        CLRF W#D2"},
                   {"W#D2"}},
        SharedCase{"UnknownWordInTheMainProgram",
                   {"A>        ERRORLEVEL -302", "A>        GOTO $", "A>H:      CLRF W#D1",
                    "A>        CLRF Reg_Pclath", "A>        RETURN"},
                   {"W#D1", "Reg_Pclath"}}),
    [](const ::testing::TestParamInfo<SharedCase>& info) { return std::string(info.param.name); });

TEST(InterruptSharedBytes, NoHandlerKeepsNothing) {
    EXPECT_TRUE(InterruptSharedBytes({"A>        CLRF W#D1"}, kNoRoutines, {}, kRam).empty());
}

// A copy of an argument ("W#n") belongs to its call: the main program and
// the handler share it when both run the same SUB.
TEST(InterruptEntry, KeepsTheArgumentCopyOfASubBothRun) {
    tavolux::Translator t;
    const auto result = t.TranslateProgram(tavolux::testing::ToCrLf("DIM AA AS BYTE\n"
                                                                    "DIM BB AS BYTE\n"
                                                                    "ON EXTERNAL INTERRUPT CALL H\n"
                                                                    "CALL H\n"
                                                                    "END\n"
                                                                    "SUB H\n"
                                                                    "CALL M(BB, AA)\n"
                                                                    "END SUB\n"
                                                                    "SUB M(AA, BB)\n"
                                                                    "END SUB\n"),
                                           "");
    ASSERT_FALSE(result.flagError) << result.asmText;
    EXPECT_NE(result.asmText.find("        MOVF W#1 , W\r\n        MOVWF W#5\r\n"),
              std::string::npos)
        << result.asmText;
    EXPECT_NE(result.statistics.find("Utilizzo memoria RAM 3 byte"), std::string::npos)
        << result.statistics;
}

}  // namespace
