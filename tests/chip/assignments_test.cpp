// Assignments and the library routines on the simulated chip. Variables get
// RAM from 0x0C in declaration order; inline assembly names registers by
// address (FSR 0x04, INDF 0x00, STATUS 0x03).
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::RegisterRange;
using tavolux::testing::RunBasic;

TEST(ChipAssignments, SumsAndDifferencesWrapAndBorrow) {
    const auto regs = RunBasic(
        "DIM NA AS BYTE\n"     // 0x0C
        "DIM NB AS BYTE\n"     // 0x0D
        "DIM R1 AS BYTE\n"     // 0x0E
        "DIM R2 AS BYTE\n"     // 0x0F
        "DIM R3 AS BYTE\n"     // 0x10
        "DIM R4 AS BYTE\n"     // 0x11
        "DIM R5 AS BYTE\n"     // 0x12
        "DIM R6 AS BYTE\n"     // 0x13
        "DIM R7 AS BYTE\n"     // 0x14
        "DIM R8 AS BYTE\n"     // 0x15
        "DIM C1 AS BYTE\n"     // 0x16
        "DIM C2 AS BYTE\n"     // 0x17
        "DIM Z1 AS BYTE\n"     // 0x18
        "DIM Z2 AS BYTE\n"     // 0x19
        "DIM R9 AS INTEGER\n"  // 0x1A, 0x1B
        "NA = 200\n"
        "NB = 100\n"
        "R1 = NA + NB\n"  // 300 wraps to 44
        "R2 = NB - NA\n"  // borrow: 156
        "C1 = FLAG_CARRY\n"
        "R3 = NA - NB\n"  // no borrow: 100
        "C2 = FLAG_CARRY\n"
        "R4 = 10 - NA\n"    // 66
        "R5 = NA + 60\n"    // 4
        "R6 = NB - 101\n"   // 255
        "R7 = 3 - 5\n"      // folded: 254
        "R8 = NB + 300\n"   // the constant's low byte: 144
        "NA = NA + 1\n"     // 201
        "NB = NB - 1\n"     // 99
        "Z1 = FLAG_ZERO\n"  // after a non-zero result
        "R9 = 7\n"
        "R9 = R9 + 1\n"
        "R9 = NB - 99\n"
        "Z2 = FLAG_ZERO\n"  // after a zero result
        "END\n",
        2000, RegisterRange(0x0C, 0x1B));
    ASSERT_EQ(regs.size(), 16u);
    EXPECT_EQ(regs.at(0x0C), 201);
    EXPECT_EQ(regs.at(0x0D), 99);
    EXPECT_EQ(regs.at(0x0E), 44);
    EXPECT_EQ(regs.at(0x0F), 156);
    EXPECT_EQ(regs.at(0x10), 100);
    EXPECT_EQ(regs.at(0x11), 66);
    EXPECT_EQ(regs.at(0x12), 4);
    EXPECT_EQ(regs.at(0x13), 255);
    EXPECT_EQ(regs.at(0x14), 254);
    EXPECT_EQ(regs.at(0x15), 144);
    EXPECT_EQ(regs.at(0x16), 0);  // a borrow clears the carry
    EXPECT_EQ(regs.at(0x17), 1);
    EXPECT_EQ(regs.at(0x18), 0);
    EXPECT_EQ(regs.at(0x19), 1);
    EXPECT_EQ(regs.at(0x1A), 0);  // a two-byte variable is used by its first byte
    EXPECT_EQ(regs.at(0x1B), 0);  // the second byte is never touched (RAM starts cleared)
}

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

// The remainder form alone still gets its routine.
TEST(ChipAssignments, Div10RWithoutDiv10Assembles) {
    const auto regs = RunBasic(
        "DIM R AS BYTE\n"
        "R = 5\n"
        "R = DIV10R()\n"
        "END\n",
        500, {0x0C});
    ASSERT_EQ(regs.size(), 1u);
}

// 250 DATA values: the table starts near address 8, so its last entries lie
// past 0x100 and the lookup must carry into PCLATH.
std::string DataProgram(const std::string& body) {
    std::string program;
    for (int line = 0; line < 10; ++line) {
        program += "DATA ";
        for (int j = 0; j < 25; ++j) {
            const int i = line * 25 + j + 1;
            program += std::to_string((i * 7 + 3) % 256) + (j < 24 ? "," : "\n");
        }
    }
    return program + body;
}

int DataValue(int i) {
    return (i * 7 + 3) % 256;
}

TEST(ChipAssignments, GetDataAcrossThePageBoundary) {
    const auto regs = RunBasic(DataProgram("DIM I AS BYTE\n"   // 0x0C
                                           "DIM V1 AS BYTE\n"  // 0x0D
                                           "DIM V2 AS BYTE\n"  // 0x0E
                                           "DIM V3 AS BYTE\n"  // 0x0F
                                           "DIM V4 AS BYTE\n"  // 0x10
                                           "DIM V5 AS BYTE\n"  // 0x11
                                           "DIM V6 AS BYTE\n"  // 0x12
                                           "DIM V7 AS BYTE\n"  // 0x13
                                           "DIM V8 AS BYTE\n"  // 0x14
                                           "V1 = GETDATA(1)\n"
                                           "V2 = GETDATA(248)\n"
                                           "V3 = GETDATA(249)\n"
                                           "V4 = GETDATA(250)\n"
                                           "I = 249\n"
                                           "V5 = GETDATA(I)\n"
                                           "I = 0\n"
                                           "V6 = GETDATA(I)\n"
                                           "I = 251\n"
                                           "V7 = GETDATA(I)\n"
                                           "I = 100\n"
                                           "V8 = GETDATA(I)\n"
                                           "END\n"),
                               3000, {0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14});
    ASSERT_EQ(regs.size(), 8u);
    EXPECT_EQ(regs.at(0x0D), DataValue(1));
    EXPECT_EQ(regs.at(0x0E), DataValue(248));
    EXPECT_EQ(regs.at(0x0F), DataValue(249));
    EXPECT_EQ(regs.at(0x10), DataValue(250));
    EXPECT_EQ(regs.at(0x11), DataValue(249));
    EXPECT_EQ(regs.at(0x12), 0);  // index 0 and indexes past the table give 0
    EXPECT_EQ(regs.at(0x13), 0);
    EXPECT_EQ(regs.at(0x14), DataValue(100));
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

// The EEPROM is loaded by the simulator from an Intel HEX file.
std::string EepromImage(const std::vector<std::pair<int, int>>& bytes) {
    std::vector<int> data(64, 0);
    for (const auto& [address, value] : bytes) data[static_cast<size_t>(address)] = value;
    std::string hex;
    for (int base = 0; base < 64; base += 32) {
        std::vector<int> record = {32, 0, base, 0};
        record.insert(record.end(), data.begin() + base, data.begin() + base + 32);
        int sum = 0;
        char digits[3];
        hex += ":";
        for (int b : record) {
            std::snprintf(digits, sizeof digits, "%02X", b);
            hex += digits;
            sum += b;
        }
        std::snprintf(digits, sizeof digits, "%02X", (-sum) & 0xFF);
        hex += digits;
        hex += "\n";
    }
    hex += ":00000001FF\n";
    const std::filesystem::path path =
        std::filesystem::path(::testing::TempDir()) / "tavolux_eeprom.hex";
    std::ofstream(path) << hex;
    return path.string();
}

TEST(ChipAssignments, ReadGivesTheByteTheEepromHolds) {
    const std::string image = EepromImage({{0, 0x11}, {5, 0xA7}, {63, 0x3C}});
    const auto regs = RunBasic(
        "DIM I AS BYTE\n"   // 0x0C
        "DIM V1 AS BYTE\n"  // 0x0D
        "DIM V2 AS BYTE\n"  // 0x0E
        "DIM V3 AS BYTE\n"  // 0x0F
        "V1 = READ(5)\n"
        "I = 63\n"
        "V2 = READ(I)\n"
        "V3 = READ(0)\n"
        "END\n",
        1000, {0x0D, 0x0E, 0x0F}, "load e p16f84 " + image + "\n");
    ASSERT_EQ(regs.size(), 3u);
    EXPECT_EQ(regs.at(0x0D), 0xA7);
    EXPECT_EQ(regs.at(0x0E), 0x3C);
    EXPECT_EQ(regs.at(0x0F), 0x11);
}

}  // namespace
