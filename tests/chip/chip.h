// Chip tests: a BASIC program is translated, assembled and run in gpsim.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace tavolux::testing {

// Translates (LF line ends are fine), assembles for simulation and runs for
// `cycles`; returns the registers read afterwards. A translation or assembly
// failure fails the test and returns nothing.
inline std::map<int, int> RunBasic(const std::string& basic, long cycles,
                                   std::initializer_list<int> registers,
                                   const std::string& extraScript = "") {
    Translator translator;
    const auto result = translator.TranslateProgram(ToCrLf(basic), "");
    EXPECT_FALSE(result.flagError) << result.asmText;
    if (result.flagError) return {};
    const Assembly assembly = Assemble(result.asmText, true);
    EXPECT_TRUE(assembly.ok) << assembly.messages << result.asmText;
    if (!assembly.ok) return {};
    return RunInGpsim(assembly, cycles, registers, extraScript);
}

}  // namespace tavolux::testing
