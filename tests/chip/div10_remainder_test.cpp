// DIV10R gives the remainder of the last DIV10, whatever runs between the
// two: statements that compute parenthesised groups into temporaries (a
// logical assignment, an IF condition, a case body, a FOR start) must not
// touch the byte the remainder is kept in.
#include <string>

#include "chip.h"

namespace {

using tavolux::testing::RunBasic;

struct Between {
    const char* what;
    const char* statements;  // run between X = DIV10(M) and Z = DIV10R(M)
    int y;                   // what they leave in Y
};

// M = 27: the quotient is 2, the remainder 7. Each row's statements take
// two or more temporaries at once.
const Between kBetween[] = {
    {"a logical assignment with two groups", "Y = (254 XOR Z) AND (0 XOR X)\n", 2},
    {"an IF condition with two groups",
     "IF (X AND 3) = (M AND 254) THEN\n"
     "Y = 1\n"
     "ELSE\n"
     "Y = 2\n"
     "END IF\n",
     2},
    {"a case body with two groups",
     "SELECT CASE X\n"
     "CASE 2\n"
     "Y = (M AND 15) OR (X AND 1)\n"
     "CASE ELSE\n"
     "Y = 1\n"
     "END SELECT\n",
     11},
    {"a FOR start with nested groups",
     "FOR I = ((M AND 1) OR X) TO (X AND 3)\n"
     "Y = Y + I\n"
     "NEXT I\n",
     3},
};

TEST(ChipDiv10Remainder, StatementsBetweenTheCallsKeepTheRemainder) {
    for (const Between& row : kBetween) {
        const std::string program = std::string(
                                        "DIM M, X, Z, Y, I AS BYTE\n"  // 0x0C to 0x10
                                        "M = 27\n"
                                        "Y = 0\n"
                                        "Z = 0\n"
                                        "X = DIV10(M)\n") +
                                    row.statements +
                                    "Z = DIV10R(M)\n"
                                    "END\n";
        const auto regs = RunBasic(program, 2000, {0x0D, 0x0E, 0x0F});
        ASSERT_EQ(regs.size(), 3u) << row.what;
        EXPECT_EQ(regs.at(0x0D), 2) << row.what;
        EXPECT_EQ(regs.at(0x0E), 7) << row.what;
        EXPECT_EQ(regs.at(0x0F), row.y) << row.what;
    }
}

// The program of the report, as written: the group's result goes into Z
// itself, then Z takes the remainder.
TEST(ChipDiv10Remainder, GroupsIntoTheTargetThenTheRemainder) {
    const auto regs = RunBasic(
        "DIM M, X, Z AS BYTE\n"
        "M = 27\n"
        "X = 0\n"
        "Z = 0\n"
        "X = DIV10(M)\n"
        "Z = (254 XOR Z) AND (0 XOR X)\n"
        "Z = DIV10R(M)\n"
        "END\n",
        1000, {0x0E});
    ASSERT_EQ(regs.size(), 1u);
    EXPECT_EQ(regs.at(0x0E), 7);
}

}  // namespace
