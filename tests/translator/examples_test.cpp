// The example programs that the examples window shows are ordinary student
// programs: each must translate without a report and assemble.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace {

namespace fs = std::filesystem;

class ExampleProgram : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleProgram, TranslatesAndAssembles) {
    const fs::path file = fs::path(TAVOLUX_EXAMPLES_DIR) / GetParam();
    const std::string basic = tavolux::testing::ToCrLf(tavolux::testing::ReadFile(file.string()));
    ASSERT_FALSE(basic.empty()) << file;
    tavolux::Translator translator;
    const auto result = translator.TranslateProgram(basic, file.string());
    ASSERT_FALSE(result.flagError) << result.asmText;
    const auto assembly = tavolux::testing::Assemble(result.asmText);
    EXPECT_TRUE(assembly.ok) << assembly.messages << result.asmText;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleProgram,
                         ::testing::Values("example-1.bas", "example-2.bas", "example-3.bas",
                                           "example-4.bas"));

}  // namespace
