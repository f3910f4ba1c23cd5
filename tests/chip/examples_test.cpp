// The example programs on the simulated chip, driven by pin stimuli, do what
// their comments say.
#include <string>
#include <utility>
#include <vector>

#include "chip.h"

namespace {

using tavolux::testing::PinStimulus;
using tavolux::testing::Pulses;
using tavolux::testing::ReadFile;
using tavolux::testing::RunBasic;

std::string Example(const std::string& name) {
    const std::string text = ReadFile(std::string(TAVOLUX_EXAMPLES_DIR) + "/" + name);
    EXPECT_FALSE(text.empty()) << name;
    return text;
}

// Example 1: B5 is high while A0 is low, and low while A0 is high. The
// program copies port B into 0x20 on every pass through inline assembly
// added after the read of A0.
TEST(ChipExamples, Example1LineA0DrivesB5) {
    std::string program = Example("example-1.bas");
    const std::string read = "X = Input( A0 )";
    const size_t at = program.find(read);
    ASSERT_NE(at, std::string::npos);
    program.insert(at + read.size(), "\r\nASM(MOVF 6 , W)\r\nASM(MOVWF &H20)");
    // A0 low, high from cycle 2000, low again from 4000.
    const std::string stimulus = PinStimulus("ra0", "porta0", {{2000, 1}, {4000, 0}});
    const struct {
        long cycles;
        int b5;
    } cases[] = {{1500, 1}, {3500, 0}, {5500, 1}};
    for (const auto& c : cases) {
        const auto regs = RunBasic(program, c.cycles, {0x20}, stimulus);
        ASSERT_EQ(regs.size(), 1u) << c.cycles;
        EXPECT_EQ((regs.at(0x20) >> 5) & 1, c.b5) << "cycle " << c.cycles;
    }
}

// Example 3: every rising edge on B0 toggles A1; the state is kept in
// StatoLED (0x0E, after x and y). A1's latch is read through StatoLED and
// through port A copied in the handler by inline assembly.
TEST(ChipExamples, Example3ExternalInterruptTogglesA1) {
    std::string program = Example("example-3.bas");
    const std::string handler = "Sub LED_On_Off";
    const size_t at = program.find(handler);
    ASSERT_NE(at, std::string::npos);
    const size_t endSub = program.find("End Sub", at);
    ASSERT_NE(endSub, std::string::npos);
    program.insert(endSub, "    ASM(MOVF 5 , W)\r\n    ASM(MOVWF &H20)\r\n");
    // Rising edges at 1000, 4000 and 7000.
    const std::string stimulus = PinStimulus("rb0", "portb0", Pulses(1000, 3000, 1000, 3));
    const struct {
        long cycles;
        int a1;
    } cases[] = {{900, 0}, {3000, 1}, {6000, 0}, {9000, 1}};
    for (const auto& c : cases) {
        const auto regs = RunBasic(program, c.cycles, {0x0E, 0x20}, stimulus);
        ASSERT_EQ(regs.size(), 2u) << c.cycles;
        EXPECT_EQ(regs.at(0x0E), c.a1) << "cycle " << c.cycles;
        if (c.cycles > 1000) {
            EXPECT_EQ((regs.at(0x20) >> 1) & 1, c.a1) << "cycle " << c.cycles;
        }
    }
}

// Example 4: port B shows A4..A0 as a binary number; the code 27 ends the
// program, and port B keeps it whatever port A does afterwards. Port B is
// copied into 0x20 after each OUTPUT by inline assembly.
TEST(ChipExamples, Example4PortAAsAByteOnPortB) {
    std::string program = Example("example-4.bas");
    const std::string output = "Output B , X";
    const size_t at = program.find(output);
    ASSERT_NE(at, std::string::npos);
    program.insert(at + output.size(), "\r\nASM(MOVF 6 , W)\r\nASM(MOVWF &H20)");
    // The levels of A0..A4 from cycle 0, 1000 and 2000 on: 22, then 9, then
    // 27 (the end), then 5 from 3000 on.
    const std::vector<int> codes = {22, 9, 27, 5};
    std::string stimuli;
    for (int line = 0; line < 5; ++line) {
        std::vector<std::pair<long, int>> levels;
        for (size_t n = 0; n < codes.size(); ++n) {
            levels.push_back({n == 0 ? 1 : static_cast<long>(n) * 1000, (codes[n] >> line) & 1});
        }
        const std::string name = "ra" + std::to_string(line);
        stimuli += PinStimulus(name, "porta" + std::to_string(line), levels);
    }
    const struct {
        long cycles;
        int portB;
    } cases[] = {{800, 22}, {1800, 9}, {2800, 27}, {5000, 27}};
    for (const auto& c : cases) {
        const auto regs = RunBasic(program, c.cycles, {0x20}, stimuli);
        ASSERT_EQ(regs.size(), 1u) << c.cycles;
        EXPECT_EQ(regs.at(0x20), c.portB) << "cycle " << c.cycles;
    }
}

}  // namespace
