// Chip tests: a BASIC program is translated, assembled and run in gpsim.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "asm_tools.h"
#include "translator.h"

namespace tavolux::testing {

// A BASIC program translated and assembled for simulation.
struct ChipProgram {
    bool ok = false;      // translated and assembled without errors
    std::string asmText;  // the translator's program
    Assembly assembly;
};

// Translates (LF line ends are fine) and assembles for simulation. A
// translation or assembly failure fails the test and gives `ok` false.
inline ChipProgram BuildForChip(const std::string& basic) {
    ChipProgram program;
    Translator translator;
    const auto result = translator.TranslateProgram(ToCrLf(basic), "");
    program.asmText = result.asmText;
    EXPECT_FALSE(result.flagError) << result.asmText;
    if (result.flagError) return program;
    program.assembly = Assemble(result.asmText, true);
    EXPECT_TRUE(program.assembly.ok) << program.assembly.messages << result.asmText;
    program.ok = program.assembly.ok;
    return program;
}

// The variables' addresses from the program's EQU lines ("X       EQU 0x0C").
inline std::map<std::string, int> Addresses(const std::string& asmText) {
    static const std::regex kEqu(R"((^|\n)([A-Z_][A-Z0-9_#]*) +EQU 0x([0-9A-F]+))");
    std::map<std::string, int> addresses;
    for (auto it = std::sregex_iterator(asmText.begin(), asmText.end(), kEqu);
         it != std::sregex_iterator(); ++it) {
        addresses[(*it)[2].str()] = std::stoi((*it)[3].str(), nullptr, 16);
    }
    return addresses;
}

// Translates, assembles for simulation and runs for `cycles`; returns the
// registers read afterwards. A translation or assembly failure fails the test
// and returns nothing.
inline std::map<int, int> RunBasic(const std::string& basic, long cycles,
                                   const std::vector<int>& registers,
                                   const std::string& extraScript = "") {
    const ChipProgram program = BuildForChip(basic);
    if (!program.ok) return {};
    return RunInGpsim(program.assembly, cycles, registers, extraScript);
}

// The file registers from `first` to `last`, both included.
inline std::vector<int> RegisterRange(int first, int last) {
    std::vector<int> registers;
    for (int r = first; r <= last; ++r) registers.push_back(r);
    return registers;
}

// Two hexadecimal digits, as inline assembly writes a byte after "&H".
inline std::string Hex2(int value) {
    static const char* digits = "0123456789ABCDEF";
    return std::string{digits[(value >> 4) & 15], digits[value & 15]};
}

// A gpsim stimulus that drives `pin` ("portb0", "porta4"...) from
// `initialLevel` (low unless given) to the levels given at the given cycles.
inline std::string PinStimulus(const std::string& name, const std::string& pin,
                               const std::vector<std::pair<long, int>>& levels,
                               int initialLevel = 0) {
    std::string script = "stimulus asynchronous_stimulus\ninitial_state " +
                         std::to_string(initialLevel) + "\nstart_cycle 0\n{ ";
    for (size_t i = 0; i < levels.size(); ++i) {
        if (i > 0) script += ", ";
        script += std::to_string(levels[i].first) + ", " + std::to_string(levels[i].second);
    }
    script += " }\nname " + name + "\nend\n";
    script += "node n_" + name + "\nattach n_" + name + " " + name + " " + pin + "\n";
    return script;
}

// A square wave: `count` pulses, the first rising at `first`, each `high`
// cycles high and then low until the next one, `period` cycles apart.
inline std::vector<std::pair<long, int>> Pulses(long first, long period, long high, int count) {
    std::vector<std::pair<long, int>> levels;
    for (int n = 0; n < count; ++n) {
        levels.push_back({first + n * period, 1});
        levels.push_back({first + n * period + high, 0});
    }
    return levels;
}

}  // namespace tavolux::testing
