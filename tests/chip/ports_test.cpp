// The INPUT conditions on a port over every byte value on the simulated chip
// (the fixed programs of port, line and bit statements, SHIFT and ROTATE,
// WAIT, WRITE and the line conditions are cases under cases/). Variables get
// RAM from 0x0C in declaration order.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "chip.h"

namespace {

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
    std::map<int, int> Run(long cycles) const {
        // Every general-purpose register.
        return RunBasic(declarations_ + body_ + "END\n", cycles, RegisterRange(0x0C, 0x4F));
    }

  private:
    std::map<std::string, int> address_;
    std::string declarations_;
    std::string body_;
};

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
