// AND, OR, XOR and NOT on the simulated chip, against their truth tables.
// The operand bytes 0x5A and 0x3C hold every pair of bits (0 and 0, 0 and
// 1, 1 and 0, 1 and 1) in some position; 0x00 and 0xFF are the edges.
#include <functional>
#include <string>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::RegisterRange;
using tavolux::testing::RunBasic;

struct LogicCase {
    std::string expression;  // over VA, VB, VC, VD
    std::function<int(int, int, int, int)> reference;
};

int Not(int v) {
    return ~v & 0xFF;
}

// One program: the operands set, then each expression assigned to its own
// result byte (R0 from 0x10 on).
void CheckExpressions(const std::vector<LogicCase>& cases, int a, int b, int c, int d) {
    std::string basic = "DIM VA AS BYTE\nDIM VB AS BYTE\nDIM VC AS BYTE\nDIM VD AS BYTE\n";
    for (size_t n = 0; n < cases.size(); ++n) basic += "DIM R" + std::to_string(n) + " AS BYTE\n";
    basic += "VA = " + std::to_string(a) + "\nVB = " + std::to_string(b) +
             "\nVC = " + std::to_string(c) + "\nVD = " + std::to_string(d) + "\n";
    for (size_t n = 0; n < cases.size(); ++n) {
        basic += "R" + std::to_string(n) + " = " + cases[n].expression + "\n";
    }
    basic += "END\n";
    const auto regs = RunBasic(basic, 5000, RegisterRange(0x10, 0x23));
    ASSERT_FALSE(regs.empty()) << basic;
    for (size_t n = 0; n < cases.size(); ++n) {
        EXPECT_EQ(regs.at(0x10 + static_cast<int>(n)), cases[n].reference(a, b, c, d))
            << cases[n].expression << " with " << a << ", " << b << ", " << c << ", " << d;
    }
}

TEST(ChipLogic, OperatorsFollowTheirTruthTables) {
    const std::vector<LogicCase> cases = {
        {"VA AND VB", [](int a, int b, int, int) { return a & b; }},
        {"VA OR VB", [](int a, int b, int, int) { return a | b; }},
        {"VA XOR VB", [](int a, int b, int, int) { return a ^ b; }},
        {"NOT(VA)", [](int a, int, int, int) { return Not(a); }},
        {"VA AND 15", [](int a, int, int, int) { return a & 15; }},
        {"240 OR VB", [](int, int b, int, int) { return 240 | b; }},
        {"VA XOR 255", [](int a, int, int, int) { return a ^ 255; }},
        {"&H5A XOR &H3C", [](int, int, int, int) { return 0x5A ^ 0x3C; }},
        {"NOT(90)", [](int, int, int, int) { return Not(90); }},
        // Parenthesised: every group is computed first, innermost first.
        {"(VA AND VB) OR VC", [](int a, int b, int c, int) { return (a & b) | c; }},
        {"(VA OR VB) AND (VC OR VD)", [](int a, int b, int c, int d) { return (a | b) & (c | d); }},
        {"((VA AND VB) OR VC) XOR VD",
         [](int a, int b, int c, int d) { return ((a & b) | c) ^ d; }},
        {"NOT(VA XOR VB)", [](int a, int b, int, int) { return Not(a ^ b); }},
        {"(VA XOR VB) AND NOT(VC)", [](int a, int b, int c, int) { return (a ^ b) & Not(c); }},
        {"(VA AND 240) OR (VB AND 15)",
         [](int a, int b, int, int) { return (a & 240) | (b & 15); }},
        {"(VA OR 1)", [](int a, int, int, int) { return a | 1; }},
    };
    CheckExpressions(cases, 0x5A, 0x3C, 0x81, 0x0F);
    CheckExpressions(cases, 0x00, 0xFF, 0xFF, 0x00);
}

}  // namespace
