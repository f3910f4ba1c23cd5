// SELECT CASE on the simulated chip: one program walks the selector through
// all 256 byte values and, for every value, counts which case ran and adds
// the value into that case's sum; the test compares both tables with a
// reference written here.
#include <string>

#include "chip.h"

namespace {

using tavolux::testing::RunBasic;

// Counts of the first block's cases at 0x30 + case, their sums of X at
// 0x38 + case, counts of the second block's cases at 0x40 + case.
constexpr const char* kProgram = R"(DIM X AS BYTE
DIM CATEG AS BYTE
DIM ALTRO AS BYTE
DIM FINE AS BYTE
ASM(MOVLW &H30)
ASM(MOVWF &H04)
ASM(PULISCI: CLRF &H00)
ASM(INCF &H04 , F)
ASM(MOVF &H04 , W)
ASM(XORLW &H48)
ASM(BTFSS &H03 , 2)
ASM(GOTO PULISCI)
X = 0
ANCORA:
SELECT CASE X
CATEG = 7
CASE 0 TO 9
CATEG = 1
CASE 10, 20, 30
CATEG = 2
CASE IS < 50
CATEG = 3
CASE 50 TO 99
CATEG = 4
CASE 100
CATEG = 5
BREAK
CATEG = 0
CASE IS >= 200
CATEG = 6
CASE ELSE
CATEG = 0
END SELECT
SELECT CASE X
ALTRO = 3
CASE 0 TO 200
ALTRO = 1
CASE 250, 251
ALTRO = 2
END SELECT
ASM(MOVF CATEG , W)
ASM(ADDLW &H30)
ASM(MOVWF &H04)
ASM(INCF &H00 , F)
ASM(MOVLW &H08)
ASM(ADDWF &H04 , F)
ASM(MOVF X , W)
ASM(ADDWF &H00 , F)
ASM(MOVF ALTRO , W)
ASM(ADDLW &H40)
ASM(MOVWF &H04)
ASM(INCF &H00 , F)
X = X + 1
IF X <> 0 THEN
GOTO ANCORA
END IF
FINE = 170
END
)";

int FirstBlock(int x) {
    if (x <= 9) return 1;
    if (x == 10 || x == 20 || x == 30) return 2;
    if (x < 50) return 3;
    if (x <= 99) return 4;
    if (x == 100) return 5;
    if (x >= 200) return 6;
    return 0;
}

int SecondBlock(int x) {
    if (x <= 200) return 1;
    if (x == 250 || x == 251) return 2;
    return 3;
}

TEST(SelectCase, EveryByteValueReachesItsCase) {
    int counts[8] = {};
    int sums[8] = {};
    int others[4] = {};
    for (int x = 0; x < 256; ++x) {
        ++counts[FirstBlock(x)];
        sums[FirstBlock(x)] = (sums[FirstBlock(x)] + x) & 0xFF;
        ++others[SecondBlock(x)];
    }
    const auto regs = RunBasic(kProgram, 300000,
                               {0x0F, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39,
                                0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43});
    ASSERT_EQ(regs.size(), 21u);
    EXPECT_EQ(regs.at(0x0F), 170);  // the walk ended
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(regs.at(0x30 + c), counts[c] & 0xFF) << "count of case " << c;
        EXPECT_EQ(regs.at(0x38 + c), sums[c]) << "sum of case " << c;
    }
    for (int c = 0; c < 4; ++c) EXPECT_EQ(regs.at(0x40 + c), others[c]) << "second block " << c;
}

}  // namespace
