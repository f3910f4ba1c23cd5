// The routines a program carries only when it uses them: the EEPROM write
// and read, the division by ten, and the DATA lookup table.
#include <iterator>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

namespace {

// Takes the byte in W, the address in EEADR, and leaves EEADR one further
// on. The write sequence runs with interrupts off: the first copy serves a
// program that has them enabled, the second one that has not.
constexpr const char* kEepromWrite[] = {
    "@@WRT:  MOVWF Reg_Eedata",
    "        BTFSS Reg_Intcon , Bit_7",
    "        GOTO $+0x11",
    "        BCF Reg_Intcon , Bit_7",
    "        BSF Reg_Status , Bit_5",
    "        BCF Reg_Eecon1 , Bit_4",
    "        BSF Reg_Eecon1 , Bit_2",
    "        MOVLW 0x55",
    "        MOVWF Reg_Eecon2",
    "        MOVLW 0xAA",
    "        MOVWF Reg_Eecon2",
    "        BSF Reg_Eecon1 , Bit_1",
    "        BTFSS Reg_Eecon1 , Bit_4",
    "        GOTO $-1",
    "        BCF Reg_Eecon1 , Bit_4",
    "        BCF Reg_Eecon1 , Bit_2",
    "        BCF Reg_Status2 , Bit_5",
    "        BSF Reg_Intcon , Bit_7",
    "        GOTO $+0x0E",
    "        BSF Reg_Status , Bit_5",
    "        BCF Reg_Eecon1 , Bit_4",
    "        BSF Reg_Eecon1 , Bit_2",
    "        MovLW 0x55",
    "        MovWF Reg_Eecon2",
    "        MovLW 0xAA",
    "        MovWF Reg_Eecon2",
    "        BSF Reg_Eecon1 , Bit_1",
    "        BTFSS Reg_Eecon1 , Bit_4",
    "        GOTO $-1",
    "        BCF Reg_Eecon1 , Bit_4",
    "        BCF Reg_Eecon1 , Bit_2",
    "        BCF Reg_Status2 , Bit_5",
    "        INCF Reg_Eeadr , F",
    "        RETURN",
};

// The head of the same routine for a program whose interrupt handlers use
// the EEPROM too; the rest is the first routine's from its fifth line on. A
// write still in progress ends before the data register is loaded, and the
// global enable is cleared again until it reads clear, since an interrupt
// taken while it is being cleared returns with it set: the sequence then runs
// with interrupts off up to the end of the write.
constexpr const char* kGuardedEepromWriteHead[] = {
    "@@WRT:  BSF Reg_Status , Bit_5",
    "        BTFSC Reg_Eecon1 , Bit_1",
    "        GOTO $-1",
    "        BCF Reg_Status2 , Bit_5",
    "        MOVWF Reg_Eedata",
    "        BTFSS Reg_Intcon , Bit_7",
    "        GOTO $+0x13",
    "        BCF Reg_Intcon , Bit_7",
    "        BTFSC Reg_Intcon , Bit_7",
    "        GOTO $-2",
};
constexpr size_t kGuardedEepromWriteFrom = 4;

// Takes the address in W and gives the byte back in W.
constexpr const char* kEepromRead[] = {
    "@@RD:   MOVWF Reg_Eeadr",
    "        BSF Reg_Status    , Bit_5",
    "        BSF Reg_Eecon1    , Bit_0",
    "        Nop",
    "        BCF Reg_Status2   , Bit_5",
    "        MOVF Reg_Eedata   , W",
    "        RETURN",
};

// The head of the DATA lookup: W holds the index from 1. The jump adds the
// program counter's low byte and carries into PCLATH, so the table may
// cross a 256-word page.
constexpr const char* kDataLookup[] = {
    "@@GD:   CLRF Reg_Pclath",
    "        ADDLW 3",
    "        ADDwf Reg_Pcl, W",
    "        BTFSC Reg_Status, Bit_0",
    "        Incf  Reg_Pclath , F",
    "        MOVWF Reg_Pcl",
    "        NOP",
};

}  // namespace

std::vector<std::string> Translator::DataTableLines() {
    std::vector<std::string> lines;
    if (S.NoDATA() == 0) return lines;
    lines.assign(std::begin(kDataLookup), std::end(kDataLookup));
    for (int value : S.ArrayDATA) lines.push_back("        RETLW " + FormatHexLiteral(value));
    return lines;
}

void Translator::WriteDataTable() {
    for (const std::string& line : DataTableLines()) EmitLine(line);
}

std::vector<std::string> Translator::LibraryRoutineLines(bool guardedWrite) {
    std::vector<std::string> lines;
    if (!S.Flag_Library) return lines;
    if (S.Flag_EepromWrite) {
        if (guardedWrite) {
            lines.insert(lines.end(), std::begin(kGuardedEepromWriteHead),
                         std::end(kGuardedEepromWriteHead));
        }
        lines.insert(lines.end(),
                     std::begin(kEepromWrite) + (guardedWrite ? kGuardedEepromWriteFrom : 0),
                     std::end(kEepromWrite));
    }
    if (S.Flag_EepromRead) {
        lines.insert(lines.end(), std::begin(kEepromRead), std::end(kEepromRead));
    }
    if (S.Flag_Div10) {
        // Dividend in W, quotient back in W: 160, 80, 40, 20 and 10 are taken
        // from the dividend wherever they fit, one quotient bit each; what is
        // left is the remainder, which @@DV10C gives back.
        const DivideBytes bytes = TakeDivideBytes();
        const std::string& q = bytes.quotient;
        const std::string& r = bytes.remainder;
        const std::string& d = bytes.divisor;
        const std::string divide[] = {
            "@@DV10: Movwf " + r,
            "        Clrf  " + q,
            "        Movlw 0xA0",
            "        Movwf " + d,
            "        Movf  " + d + " , W",
            "        Subwf " + r + " , W",
            "        BTFSS Reg_Status , Flag_C",
            "        Goto  $+2",
            "        Movwf " + r,
            "        RLF " + q + " , F",
            "        RRF " + d + " , F",
            "        BTFSS " + d + ", Bit_0",
            "        Goto $-8",
            "        Movf " + q + " , W",
            "        Return",
            "@@DV10C: Movf " + r + " , W",
            "        Return",
        };
        lines.insert(lines.end(), std::begin(divide), std::end(divide));
        ReturnDivideBytes(bytes);
    }
    return lines;
}

void Translator::WriteLibraryRoutines(bool guardedWrite) {
    for (const std::string& line : LibraryRoutineLines(guardedWrite)) EmitLine(line);
}

// DIV10R reads the remainder the last division left, however much of the
// program ran since: no other statement may compute into that byte. In a
// program that reads it, the byte is taken before any pass takes
// temporaries and stays taken for the run. Taken from the free pool, it is
// the byte the routine takes anyway unless a loop bound holds a temporary.
void Translator::HoldDivideRemainder() {
    bool readsRemainder = false;
    for (int k = 1; k <= NoInput() && !readsRemainder; ++k) {
        readsRemainder = text::Contains(Line(k), "DIV10R(");
    }
    if (!readsRemainder) return;
    const std::string quotient = NewDynamicVar();
    S.DivRemainder = NewDynamicVar();
    FreeDynamicVar(quotient);
}

// The routine's bytes: the lowest free ones, in the order quotient,
// remainder, divisor, and the held remainder byte when there is one.
DivideBytes Translator::TakeDivideBytes() {
    DivideBytes bytes;
    bytes.quotient = NewDynamicVar();
    bytes.remainder = S.DivRemainder.empty() ? NewDynamicVar() : S.DivRemainder;
    bytes.divisor = NewDynamicVar();
    return bytes;
}

void Translator::ReturnDivideBytes(const DivideBytes& bytes) {
    FreeDynamicVar(bytes.quotient);
    if (S.DivRemainder.empty()) FreeDynamicVar(bytes.remainder);
    FreeDynamicVar(bytes.divisor);
}

}  // namespace tavolux
