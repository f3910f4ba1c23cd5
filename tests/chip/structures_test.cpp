// Loops, SELECT CASE, subroutines and logic working together on the
// simulated chip: BREAK inside nested structures, groups in loop bounds
// inside subroutines, calls with arguments inside loops.
#include <string>

#include "chip.h"

namespace {

using tavolux::testing::RunBasic;

// Variables are placed in declaration order from 0x0C on.
constexpr const char* kBreakInCaseBodies = R"(DIM X AS BYTE
DIM I AS BYTE
DIM V AS BYTE
DIM J AS BYTE
DIM K AS BYTE
DIM NFOR AS BYTE
DIM NDO AS BYTE
DIM NIF AS BYTE
DIM NWHILE AS BYTE
DIM AFTER AS BYTE
DIM SKIP AS BYTE
DIM OUTER AS BYTE
DIM FINE AS BYTE
FOR X = 1 TO 3
OUTER = OUTER + 1
SELECT CASE X
CASE 1
FOR I = 1 TO 100
NFOR = NFOR + 1
IF I = 5 THEN
BREAK
END IF
NEXT I
AFTER = AFTER + 1
V = 0
DO
V = V + 1
NDO = NDO + 1
IF V = 7 THEN
BREAK
END IF
LOOP
AFTER = AFTER + 2
BREAK
SKIP = SKIP + 1
CASE 2
J = 10
K = 200
FOR I = J TO K
NIF = NIF + 1
IF I = 13 THEN
BREAK
END IF
NEXT I
V = 0
DO WHILE V < 100
V = V + 1
NWHILE = NWHILE + 1
IF V = 3 THEN
BREAK
END IF
LOOP
AFTER = AFTER + 4
BREAK
SKIP = SKIP + 2
CASE ELSE
AFTER = AFTER + 8
END SELECT
NEXT X
FINE = 170
END
)";

// A BREAK in a FOR or DO loop of a case body leaves that loop only; a BREAK
// directly in the case body leaves the SELECT, and the FOR around the SELECT
// runs on.
TEST(ChipStructures, BreakInACaseBodyLeavesItsInnermostStructure) {
    const auto regs =
        RunBasic(kBreakInCaseBodies, 20000, {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18});
    ASSERT_EQ(regs.size(), 8u);
    EXPECT_EQ(regs.at(0x11), 5);   // FOR with constant bounds left at I = 5
    EXPECT_EQ(regs.at(0x12), 7);   // endless DO left at V = 7
    EXPECT_EQ(regs.at(0x13), 4);   // FOR with variable bounds left at I = 13
    EXPECT_EQ(regs.at(0x14), 3);   // DO WHILE left at V = 3
    EXPECT_EQ(regs.at(0x15), 15);  // every case body went on after its loops
    EXPECT_EQ(regs.at(0x16), 0);   // nothing after a BREAK of a case body ran
    EXPECT_EQ(regs.at(0x17), 3);   // the FOR around the SELECT ran all its passes
    EXPECT_EQ(regs.at(0x18), 170);
}

constexpr const char* kSelectInDo = R"(DIM V AS BYTE
DIM HIT3 AS BYTE
DIM OTHER AS BYTE
DIM LAST AS BYTE
DIM FINE AS BYTE
V = 0
DO
V = V + 1
SELECT CASE V
CASE 3
HIT3 = HIT3 + 1
BREAK
HIT3 = HIT3 + 16
CASE 10
LAST = V
CASE ELSE
OTHER = OTHER + 1
END SELECT
IF V = 10 THEN
BREAK
END IF
LOOP
FINE = 170
END
)";

// A BREAK of a case body leaves the SELECT and stays in the DO loop around
// it; a BREAK after END SELECT leaves the loop.
TEST(ChipStructures, SelectCaseInsideADoLoop) {
    const auto regs = RunBasic(kSelectInDo, 5000, {0x0C, 0x0D, 0x0E, 0x0F, 0x10});
    ASSERT_EQ(regs.size(), 5u);
    EXPECT_EQ(regs.at(0x0C), 10);
    EXPECT_EQ(regs.at(0x0D), 1);
    EXPECT_EQ(regs.at(0x0E), 8);
    EXPECT_EQ(regs.at(0x0F), 10);
    EXPECT_EQ(regs.at(0x10), 170);
}

constexpr const char* kSubsLoopsAndGroups = R"(DIM N AS BYTE
DIM I AS BYTE
DIM J AS BYTE
DIM X AS BYTE
DIM P AS BYTE
DIM Q AS BYTE
DIM C AS BYTE
DIM S AS BYTE
DIM T AS BYTE
DIM NEST AS BYTE
DIM ACC AS BYTE
DIM Y AS BYTE
DIM FINE AS BYTE
N = 15
CALL CONTA(N, 3)
FOR J = 1 TO 4
CALL SOMMA(J, J AND 1)
NEXT J
FOR I = 0 TO (N AND 3)
FOR J = I TO (N AND 3)
NEST = NEST + 1
X = (I AND 1) OR (J AND 2)
ACC = ACC XOR X
Y = NOT(Y)
NEXT J
NEXT I
FINE = 170
END
SUB MESCOLA
X = (N OR 16) AND 31
END SUB
SUB CONTA(P, Q)
FOR I = 0 TO (P AND 7)
C = C + 1
CALL MESCOLA
X = (Q OR 64) AND 65
NEXT I
END SUB
SUB SOMMA(P, Q)
S = S + P
T = T + Q
END SUB
)";

// A group in a loop bound keeps its value although the body calls a
// subroutine, written earlier, that computes groups of its own; arguments
// reach the parameters on every pass of a loop; nested loops with groups in
// their bounds and logic in their body count right.
TEST(ChipStructures, GroupsInBoundsSubroutinesAndLogicInsideLoops) {
    int nest = 0;
    int acc = 0;
    int y = 0;
    for (int i = 0; i <= 3; ++i) {
        for (int j = i; j <= 3; ++j) {
            ++nest;
            acc ^= (i & 1) | (j & 2);
            y = ~y & 0xFF;
        }
    }
    const auto regs =
        RunBasic(kSubsLoopsAndGroups, 20000, {0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18});
    ASSERT_EQ(regs.size(), 7u);
    EXPECT_EQ(regs.at(0x12), 8);  // FOR I = 0 TO (15 AND 7) inside CONTA
    EXPECT_EQ(regs.at(0x13), 1 + 2 + 3 + 4);
    EXPECT_EQ(regs.at(0x14), 2);  // (J AND 1) over J = 1 to 4
    EXPECT_EQ(regs.at(0x15), nest);
    EXPECT_EQ(regs.at(0x16), acc);
    EXPECT_EQ(regs.at(0x17), y);
    EXPECT_EQ(regs.at(0x18), 170);
}

constexpr const char* kSelectAndExitInASub = R"(DIM V AS BYTE
DIM I AS BYTE
DIM P AS BYTE
DIM Q AS BYTE
DIM SOMMA AS BYTE
DIM PASSI AS BYTE
DIM FINE AS BYTE
V = 0
DO
V = V + 1
CALL CERCA(V, V XOR 1)
LOOP UNTIL V = 6
FINE = 170
END
SUB CERCA(P, Q)
FOR I = 1 TO 255
PASSI = PASSI + 1
SELECT CASE I
CASE 1 TO 2
SOMMA = SOMMA + Q
CASE ELSE
IF I = P THEN
EXIT SUB
END IF
END SELECT
NEXT I
END SUB
)";

// A subroutine called with arguments from a DO loop leaves through EXIT SUB
// from inside a FOR loop and a SELECT CASE; every call comes back.
TEST(ChipStructures, ExitSubFromALoopInsideASubCalledFromALoop) {
    int passes = 0;
    int sum = 0;
    for (int v = 1; v <= 6; ++v) {
        for (int i = 1; i <= 255; ++i) {
            ++passes;
            if (i <= 2) {
                sum += v ^ 1;
            } else if (i == v) {
                break;
            }
        }
    }
    const auto regs = RunBasic(kSelectAndExitInASub, 200000, {0x10, 0x11, 0x12});
    ASSERT_EQ(regs.size(), 3u);
    EXPECT_EQ(regs.at(0x10), sum & 0xFF);
    EXPECT_EQ(regs.at(0x11), passes & 0xFF);
    EXPECT_EQ(regs.at(0x12), 170);
}

}  // namespace
