// Runs every translator case under cases/: NN-name.bas is translated and
// compared, character for character, with NN-name.asm (a program, which must
// also assemble) or NN-name.err (the error reports). An optional
// NN-name.stats holds the expected statistics text. Files are stored with LF
// line ends; each "\n" stands for the CR LF of the real texts, and a file's
// final line end counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "asm_tools.h"
#include "translator.h"

namespace {

namespace fs = std::filesystem;
using tavolux::testing::ReadFile;
using tavolux::testing::ToCrLf;

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TAVOLUX_CASES_DIR)) {
        if (entry.path().extension() == ".bas") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class TranslatorCase : public ::testing::TestWithParam<std::string> {};

TEST_P(TranslatorCase, MatchesExpectedText) {
    const fs::path base = fs::path(TAVOLUX_CASES_DIR) / GetParam();
    const std::string basic = ToCrLf(ReadFile(base.string() + ".bas"));
    const bool expectProgram = fs::exists(base.string() + ".asm");
    const bool expectReport = fs::exists(base.string() + ".err");
    ASSERT_NE(expectProgram, expectReport) << "a case has exactly one of .asm and .err";

    tavolux::Translator translator;
    const std::string file = tavolux::testing::CaseCurrentFile(GetParam());
    const auto result = translator.TranslateProgram(basic, file);
    if (expectProgram) {
        EXPECT_FALSE(result.flagError) << result.asmText;
        EXPECT_EQ(result.asmText, ToCrLf(ReadFile(base.string() + ".asm")));
        const auto assembly = tavolux::testing::Assemble(result.asmText);
        EXPECT_TRUE(assembly.ok) << assembly.messages;
    } else {
        EXPECT_TRUE(result.flagError);
        EXPECT_EQ(result.asmText, ToCrLf(ReadFile(base.string() + ".err")));
        EXPECT_EQ(result.statistics, "");
    }
    if (fs::exists(base.string() + ".stats")) {
        EXPECT_EQ(result.statistics, ToCrLf(ReadFile(base.string() + ".stats")));
    }

    // A second run of the same text gives the same output, labels included.
    const auto again = translator.TranslateProgram(basic, file);
    EXPECT_EQ(again.asmText, result.asmText);
    EXPECT_EQ(again.statistics, result.statistics);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TranslatorCase);

INSTANTIATE_TEST_SUITE_P(Cases, TranslatorCase, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

}  // namespace
