// Port, line and bit statements, SHIFT and ROTATE, WAIT, WRITE and the INPUT
// conditions on the simulated chip. Variables get RAM from 0x0C in
// declaration order; inline assembly names registers by address (STATUS
// 0x03, OPTION 0x81 in bank 1, TRISA 0x85, TRISB 0x86, INTCON 0x0B).
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::Hex2;
using tavolux::testing::PinStimulus;
using tavolux::testing::RegisterRange;
using tavolux::testing::RunBasic;

// A program whose byte variables are declared in the order Dim names them;
// Reg(name) is the address of a declared variable.
class Program {
  public:
    std::string Dim(const std::string& name) {
        address_[name] = 0x0C + static_cast<int>(address_.size());
        declarations_ += "DIM " + name + " AS BYTE\n";
        return name;
    }
    Program& operator<<(const std::string& lines) {
        body_ += lines;
        return *this;
    }
    int Reg(const std::string& name) const { return address_.at(name); }
    std::map<int, int> Run(long cycles, const std::string& extraScript = "") const {
        // Every general-purpose register.
        return RunBasic(declarations_ + body_ + "END\n", cycles, RegisterRange(0x0C, 0x4F),
                        extraScript);
    }

  private:
    std::map<std::string, int> address_;
    std::string declarations_;
    std::string body_;
};

// Copies a bank-1 register into a variable.
std::string SaveBank1(int address, const std::string& variable) {
    return "ASM(BSF 3 , 5)\nASM(MOVF &H" + Hex2(address) + " , W)\nASM(BCF 3 , 5)\nASM(MOVWF " +
           variable + ")\n";
}

TEST(ChipPorts, ConfigAndReconfigLeaveTheTrisRegisters) {
    Program p;
    p << "CONFIG B AS OUTPUT\nCONFIG B0, B7 AS INPUT\nCONFIG LINE A1 AS INPUT\n";
    struct Step {
        const char* statements;
        int trisA, trisB;
    };
    const std::vector<Step> steps = {
        {"", 0x02, 0x81},
        {"RECONFIG A AS INPUT\nRECONFIG B3 AS INPUT\n", 0x1F, 0x89},
        {"RECONFIG B0 AS OUTPUT\nRECONFIG PORT A AS OUTPUT\n", 0x00, 0x88},
        {"RECONFIG B, A4 AS INPUT\n", 0x10, 0xFF},
        {"RECONFIG B7, A, B3 AS OUTPUT\n", 0x00, 0x77},
        {"RECONFIG A1, B1, , B2 AS INPUT\n", 0x02, 0x77},
        {"RECONFIG B AS OUTPUT\n", 0x02, 0x00},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string n = std::to_string(i);
        p << steps[i].statements << SaveBank1(0x85, p.Dim("TA" + n))
          << SaveBank1(0x86, p.Dim("TB" + n));
    }
    // Back in bank 0: OUTPUT reaches the port, not its TRIS register.
    p << "OUTPUT B, &H3C\n" << SaveBank1(0x86, p.Dim("TBX")) << p.Dim("PB") + " = INPUT(B)\n";
    const auto regs = p.Run(2000);
    ASSERT_FALSE(regs.empty());
    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(regs.at(p.Reg("TA" + n)) & 0x1F, steps[i].trisA) << "step " << i;
        EXPECT_EQ(regs.at(p.Reg("TB" + n)), steps[i].trisB) << "step " << i;
    }
    EXPECT_EQ(regs.at(p.Reg("TBX")), 0x00);
    EXPECT_EQ(regs.at(p.Reg("PB")), 0x3C);
}

TEST(ChipPorts, SetResetClearOutputAndSwapChangeOnlyWhatTheyName) {
    Program p;
    p << "CONFIG A AS OUTPUT\nCONFIG B AS OUTPUT\n";
    p.Dim("X");
    p.Dim("Y");
    // Each statement, then the port it changes as the pins read back.
    const std::vector<std::tuple<std::string, char, int>> steps = {
        {"OUTPUT B, &H5A", 'B', 0x5A},
        {"SET B0", 'B', 0x5B},
        {"RESET B6", 'B', 0x1B},
        {"SET LINE B7", 'B', 0x9B},
        {"CLEAR B4", 'B', 0x8B},
        {"RESET PORT B", 'B', 0x00},
        {"SET B", 'B', 0xFF},
        {"CLEAR B", 'B', 0x00},
        {"X = &HC3\nOUTPUT B, X", 'B', 0xC3},
        {"OUTPUT B3, 1", 'B', 0xCB},
        {"Y = 0\nOUTPUT B0, Y", 'B', 0xCA},
        {"Y = 7\nOUTPUT B2, Y", 'B', 0xCE},
        {"OUTPUT A, &H05", 'A', 0x05},
        {"SET A1", 'A', 0x07},
        {"RESET A0", 'A', 0x06},
        {"CLEAR A2", 'A', 0x02},
        {"SET A", 'A', 0x0F},
        {"CLEAR A", 'A', 0x00},
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        const auto& [statement, port, value] = steps[i];
        p << statement + "\n" + p.Dim("R" + std::to_string(i)) + " = INPUT(" + port + ")\n";
    }
    p << "X = &H3A\nY = &HAB\nSWAP BINARY X\n" << p.Dim("S1") + " = X\n";
    p << "SWAP BYTE X, Y\n";
    const auto regs = p.Run(2000);
    ASSERT_FALSE(regs.empty());
    for (size_t i = 0; i < steps.size(); ++i) {
        const auto& [statement, port, value] = steps[i];
        // RA4 is an open-drain line and reads low whatever its latch holds.
        const int mask = port == 'A' ? 0x0F : 0xFF;
        EXPECT_EQ(regs.at(p.Reg("R" + std::to_string(i))) & mask, value) << statement;
    }
    EXPECT_EQ(regs.at(p.Reg("S1")), 0xA3);
    EXPECT_EQ(regs.at(p.Reg("X")), 0xAB);
    EXPECT_EQ(regs.at(p.Reg("Y")), 0xA3);
}

TEST(ChipShiftRotate, ThroughTheCarry) {
    struct Case {
        const char* before;  // the carry statement and the start value
        const char* statement;
        int value, carry;
    };
    const std::vector<Case> cases = {
        {"V = &H81\nSET CARRY", "ROTATE LEFT V", 0x03, 1},
        {"V = &H81\nCLEAR CARRY", "ROTATE RIGHT V", 0x40, 1},
        {"V = &H01\nCLEAR CARRY", "ROTATE RIGHT V, 3", 0x40, 0},
        {"V = &H80\nRESET CARRY", "ROTATE LEFT V, 8", 0x40, 0},
        {"V = &H81\nSET FLAG CARRY", "SHIFT LEFT V", 0x02, 1},
        {"V = &H81\nSET CARRY", "SHIFT RIGHT V", 0x40, 1},
        {"V = &HFF\nSET CARRY", "SHIFT RIGHT V, 3", 0x1F, 1},
        {"V = &HFF\nSET CARRY", "SHIFT LEFT V, 8", 0x00, 1},
        {"V = &H01\nSET CARRY", "SHIFT LEFT V, 2", 0x04, 0},
    };
    Program p;
    p.Dim("V");
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string n = std::to_string(i);
        p << std::string(cases[i].before) + "\n" + cases[i].statement + "\n" + p.Dim("C" + n) +
                 " = FLAG_CARRY\n" + p.Dim("R" + n) + " = V\n";
    }
    const auto regs = p.Run(2000);
    ASSERT_FALSE(regs.empty());
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(regs.at(p.Reg("R" + n)), cases[i].value) << cases[i].statement;
        EXPECT_EQ(regs.at(p.Reg("C" + n)), cases[i].carry) << cases[i].statement;
    }
}

TEST(ChipWait, DelaysTakeTheirExactCycles) {
    // TMR0 counts every instruction cycle (internal clock, no prescaler).
    // "S = RND" reads it; between two reads lie the store of the first
    // (1 cycle), the read itself (1 cycle) and the delay.
    struct Case {
        const char* statement;
        int cycles;
    };
    const std::vector<Case> cases = {
        {"WAIT", 1},
        {"WAIT 1", 1},
        {"WAIT 2", 2},
        {"WAIT 3", 3},
        {"WAIT 4", 4},
        {"WAIT 5", 5},
        {"WAIT 6", 4 * 6 + 1},
        {"WAIT 60", 4 * 60 + 1},
        {"WAIT X", 4 * 10 + 1},
        {"WAIT 2, 3", 4 * 2 * (3 + 1) + 1},
        {"WAIT 5, 10", 4 * 5 * (10 + 1) + 1},
        {"WAIT 3, Y", 4 * 3 * (4 + 1) + 1},
        {"WAIT X, 4", 4 * 10 * (4 + 1) + 1},
    };
    Program p;
    p.Dim("X");
    p.Dim("Y");
    p << "ASM(BSF 3 , 5)\nASM(MOVLW &H88)\nASM(MOVWF 1)\nASM(BCF 3 , 5)\nX = 10\nY = 4\n";
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string n = std::to_string(i);
        p << p.Dim("S" + n) + " = RND\n" + cases[i].statement + "\n" + p.Dim("E" + n) + " = RND\n";
    }
    const auto regs = p.Run(5000);
    ASSERT_FALSE(regs.empty());
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string n = std::to_string(i);
        const int elapsed = (regs.at(p.Reg("E" + n)) - regs.at(p.Reg("S" + n)) + 256) % 256;
        EXPECT_EQ(elapsed, cases[i].cycles + 2) << cases[i].statement;
    }
}

TEST(ChipEeprom, WriteThenReadGivesTheBytesBackWithInterruptsOffAndOn) {
    Program p;
    p.Dim("X");
    p << "X = &H77\n"
         "WRITE 12, 34, \"Ok\", X, 5\n"
         "ASM(BSF &H0B , 7)\n"
         "WRITE \"Hi\", &HA5, 16\n"
         "ASM(MOVF &H0B , W)\n"
      << "ASM(MOVWF " + p.Dim("G") + ")\n";
    const std::vector<std::pair<int, int>> expected = {{5, 12},   {6, 34},   {7, 'O'},  {8, 'k'},
                                                       {9, 0x77}, {16, 'H'}, {17, 'i'}, {18, 0xA5}};
    for (const auto& [address, value] : expected) {
        p << p.Dim("R" + std::to_string(address)) + " = READ(" + std::to_string(address) + ")\n";
    }
    const auto regs = p.Run(100000);
    ASSERT_FALSE(regs.empty());
    for (const auto& [address, value] : expected) {
        EXPECT_EQ(regs.at(p.Reg("R" + std::to_string(address))), value) << "address " << address;
    }
    EXPECT_EQ(regs.at(p.Reg("G")) & 0x80, 0x80) << "the write switched interrupts back on";
}

// Each condition writes 1 (THEN) or 2 (ELSE) into its own result byte.
std::string Branch(const std::string& condition, const std::string& result) {
    return "IF " + condition + " THEN\n" + result + " = 1\nELSE\n" + result + " = 2\nEND IF\n";
}

TEST(ChipInput, LineConditionsFollowThePinLevel) {
    // B3 is high and A0 low until cycle 1000, then the other way round; the
    // conditions are read once before and once well after.
    const std::vector<std::pair<std::string, bool>> conditions = {
        // condition, whether it holds while B3 is high and A0 low
        {"INPUT(B3) = 1", true},     {"INPUT(B3) = 0", false},      {"INPUT(B3)", true},
        {"1 = INPUT(B3)", true},     {"INPUT(B3) = &H1", true},     {"INPUT(B3) = ONE", true},
        {"INPUT(B3) = ZERO", false}, {"INPUT(LINE A0) = 1", false}, {"0=INPUT(A0)", true},
        {"INPUT(A0)", false},
    };
    Program p;
    p << "CONFIG B3 AS INPUT\nCONFIG A AS INPUT\n" + p.Dim("ONE") + " = 1\n" + p.Dim("ZERO") +
             " = 0\n";
    for (int phase = 0; phase < 2; ++phase) {
        for (size_t i = 0; i < conditions.size(); ++i) {
            p << Branch(conditions[i].first,
                        p.Dim("P" + std::to_string(phase) + "C" + std::to_string(i)));
        }
        if (phase == 0) p << "WAIT 255\nWAIT 255\n";
    }
    const std::string stimuli = PinStimulus("high_then_low", "portb3", {{1, 1}, {1000, 0}}, 1) +
                                PinStimulus("low_then_high", "porta0", {{1, 0}, {1000, 1}});
    const auto regs = p.Run(4000, stimuli);
    ASSERT_FALSE(regs.empty());
    for (int phase = 0; phase < 2; ++phase) {
        for (size_t i = 0; i < conditions.size(); ++i) {
            const bool holds = conditions[i].second == (phase == 0);
            EXPECT_EQ(regs.at(p.Reg("P" + std::to_string(phase) + "C" + std::to_string(i))),
                      holds ? 1 : 2)
                << conditions[i].first << (phase == 0 ? " before" : " after") << " the change";
        }
    }
}

TEST(ChipInput, PortConditionsOverEveryByteValue) {
    // Port B is driven by the program with every value 0 to 255 and read
    // back. For each condition the count and the sum (both modulo 256) of
    // the values for which it held are compared.
    struct Condition {
        std::string text;
        std::function<bool(int)> holds;
    };
    const int x = 100;
    auto signedByte = [](int v) { return v >= 128 ? v - 256 : v; };
    std::vector<Condition> conditions;
    for (int k : {0, 10, 128}) {
        const std::string ks = std::to_string(k);
        auto value = [=](int v) { return k == 0 ? signedByte(v) : v; };
        conditions.push_back({"INPUT(B) = " + ks, [=](int v) { return value(v) == k; }});
        conditions.push_back({"INPUT(B) <> " + ks, [=](int v) { return value(v) != k; }});
        conditions.push_back({"INPUT(B) < " + ks, [=](int v) { return value(v) < k; }});
        conditions.push_back({"INPUT(B) > " + ks, [=](int v) { return value(v) > k; }});
        conditions.push_back({"INPUT(B) <= " + ks, [=](int v) { return value(v) <= k; }});
        conditions.push_back({"INPUT(B) >= " + ks, [=](int v) { return value(v) >= k; }});
    }
    conditions.push_back({"INPUT(B) = X", [=](int v) { return v == x; }});
    conditions.push_back({"INPUT(B) <> X", [=](int v) { return v != x; }});
    conditions.push_back({"INPUT(B) < X", [=](int v) { return v < x; }});
    conditions.push_back({"INPUT(B) > X", [=](int v) { return v > x; }});
    conditions.push_back({"INPUT(B) <= X", [=](int v) { return v <= x; }});
    conditions.push_back({"INPUT(B) >= X", [=](int v) { return v >= x; }});
    conditions.push_back({"10 > INPUT(B)", [=](int v) { return v < 10; }});
    conditions.push_back({"X <= INPUT(B)", [=](int v) { return v >= x; }});
    conditions.push_back({"INPUT(B)", [=](int v) { return v != 0; }});

    Program p;
    p.Dim("V");
    p << "CONFIG B AS OUTPUT\n" + p.Dim("X") + " = " + std::to_string(x) + "\nV = 0\n";
    for (size_t i = 0; i < conditions.size(); ++i) {
        const std::string n = std::to_string(i);
        p << p.Dim("N" + n) + " = 0\n" + p.Dim("S" + n) + " = 0\n";
    }
    p << "NEXTVALUE:\nOUTPUT B, V\n";
    for (size_t i = 0; i < conditions.size(); ++i) {
        const std::string n = std::to_string(i);
        p << "IF " + conditions[i].text + " THEN\nN" + n + " = N" + n + " + 1\nS" + n + " = S" + n +
                 " + V\nEND IF\n";
    }
    p << "V = V + 1\nIF V <> 0 THEN GOTO NEXTVALUE\n";
    const auto regs = p.Run(200000);
    ASSERT_FALSE(regs.empty());
    for (size_t i = 0; i < conditions.size(); ++i) {
        int count = 0, sum = 0;
        for (int v = 0; v < 256; ++v) {
            if (conditions[i].holds(v)) {
                ++count;
                sum += v;
            }
        }
        const std::string n = std::to_string(i);
        EXPECT_EQ(regs.at(p.Reg("N" + n)), count % 256) << conditions[i].text;
        EXPECT_EQ(regs.at(p.Reg("S" + n)), sum % 256) << conditions[i].text;
    }
}

}  // namespace
