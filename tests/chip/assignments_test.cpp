// The library routines on the simulated chip over every value they take:
// DIV10 and DIV10R for every byte, GETDATA for every index of a table (the
// fixed programs are cases under cases/). Variables get RAM from 0x0C in
// declaration order; inline assembly names registers by address (FSR 0x04,
// INDF 0x00, STATUS 0x03).
#include <map>
#include <string>

#include "chip.h"

namespace {

using tavolux::testing::RegisterRange;
using tavolux::testing::RunBasic;

// Sixteen dividends a run, from `first` on: the quotient and the remainder
// of each go to 0x20 + 2i and 0x21 + 2i through FSR.
std::map<int, int> DivideBatch(int first) {
    const std::string program =
        "DIM N AS BYTE\n"  // 0x0C
        "DIM Q AS BYTE\n"  // 0x0D
        "DIM R AS BYTE\n"  // 0x0E
        "N = " +
        std::to_string(first) +
        "\n"
        "ASM(MOVLW &H20)\n"
        "ASM(MOVWF &H04)\n"
        "ASM(MOVLW &H10)\n"
        "ASM(MOVWF &H1F)\n"
        "GIRO:\n"
        "Q = DIV10(N)\n"
        "R = DIV10R()\n"
        "ASM(MOVF &H0D , 0)\n"
        "ASM(MOVWF &H00)\n"
        "ASM(INCF &H04 , 1)\n"
        "ASM(MOVF &H0E , 0)\n"
        "ASM(MOVWF &H00)\n"
        "ASM(INCF &H04 , 1)\n"
        "N = N + 1\n"
        "ASM(DECFSZ &H1F , 1)\n"
        "GOTO GIRO\n"
        "END\n";
    return RunBasic(program, 5000, RegisterRange(0x20, 0x3F));
}

TEST(ChipAssignments, Div10AndDiv10RAgreeWithDivisionForEveryByte) {
    for (int first = 0; first < 256; first += 16) {
        const auto regs = DivideBatch(first);
        ASSERT_EQ(regs.size(), 32u) << "batch from " << first;
        for (int i = 0; i < 16; ++i) {
            const int n = first + i;
            EXPECT_EQ(regs.at(0x20 + 2 * i), n / 10) << "quotient of " << n;
            EXPECT_EQ(regs.at(0x21 + 2 * i), n % 10) << "remainder of " << n;
        }
    }
}

int DataValue(int i) {
    return (i * 7 + 3) % 256;
}

// 250 DATA values, as in cases/12-get-data-across-the-page-boundary.bas: the
// table starts near address 8, so its last entries lie past 0x100 and the
// lookup must carry into PCLATH.
std::string DataProgram(const std::string& body) {
    std::string program;
    for (int line = 0; line < 10; ++line) {
        program += "DATA ";
        for (int j = 0; j < 25; ++j) {
            program += std::to_string(DataValue(line * 25 + j + 1)) + (j < 24 ? "," : "\n");
        }
    }
    return program + body;
}

// Every index of the table through a variable, sixteen a run.
TEST(ChipAssignments, GetDataThroughAVariableForEveryIndex) {
    for (int first = 1; first <= 250; first += 16) {
        const std::string body =
            "DIM I AS BYTE\n"
            "DIM V AS BYTE\n"
            "I = " +
            std::to_string(first) +
            "\n"
            "ASM(MOVLW &H20)\n"
            "ASM(MOVWF &H04)\n"
            "ASM(MOVLW &H10)\n"
            "ASM(MOVWF &H1F)\n"
            "GIRO:\n"
            "V = GETDATA(I)\n"
            "ASM(MOVF &H0D , 0)\n"
            "ASM(MOVWF &H00)\n"
            "ASM(INCF &H04 , 1)\n"
            "I = I + 1\n"
            "ASM(DECFSZ &H1F , 1)\n"
            "GOTO GIRO\n"
            "END\n";
        const auto regs = RunBasic(DataProgram(body), 5000, RegisterRange(0x20, 0x2F));
        ASSERT_EQ(regs.size(), 16u) << "batch from " << first;
        for (int i = 0; i < 16; ++i) {
            const int index = first + i;
            EXPECT_EQ(regs.at(0x20 + i), index <= 250 ? DataValue(index) : 0) << "index " << index;
        }
    }
}

}  // namespace
