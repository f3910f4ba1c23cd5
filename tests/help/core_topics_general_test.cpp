// The general help topics: the examples of "Aritmetica di base" translate,
// and the chip's program memory is as the topic on the chip says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help_topics.h"
#include "topic_checks.h"
#include "translator.h"

namespace tavolux::help {
namespace {

using namespace topic_checks;

TEST(TopicsGeneral, ExampleLinesTranslate) {
    ExpectExamplesTranslate({
        {"ShowTopicArithmetic",
         {"Dim X, Y, Z, K as Byte", "~ X = Y AND Z", "~ X = Y OR Z", "~ X = NOT(Y)",
          "~ X = Y XOR Z", "> X = NOT( ( Y AND Z ) OR ( Z AND K ) )", "~ X = 28", "~ X = B'011101'",
          "~ X = 0x4A", "~ IF X > 0x3A THEN", "X = 1", "End If", "~ Write 0x12, 0x05", "~ X = 200",
          "~ X = -129", "END"}},
        // "0x" only after a blank or an operator or bracket.
        {"ShowTopicArithmetic",
         {"Dim X as Byte", "~ X=0x4A", "END"},
         "Variabile o Espressione algebrica non definita"},
        {"ShowTopicArithmetic",
         {"Dim X as Byte", "~ IF X>0x3A THEN", "X = 1", "End If", "END"},
         {},
         true},
        {"ShowTopicArithmetic", {"~ Write 0x12,0x05", "END"}, {}, true},
        // Wherever a byte is used, a constant no byte holds is refused.
        {"ShowTopicArithmetic",
         {"Dim X, Y as Byte", "~ X = 300", "END"},
         "Costante numerica non ammessa"},
        {"ShowTopicArithmetic",
         {"Dim X, Y as Byte", "~ X = Y + 300", "END"},
         "Costante numerica non ammessa"},
        {"ShowTopicArithmetic",
         {"Dim X, Y as Byte", "~ IF X > 300 THEN", "Y = 1", "End If", "END"},
         "Costante numerica non ammessa"},
        {"ShowTopicArithmetic", {"~ DATA 300", "END"}, "Costante numerica non ammessa"},
        // A binary number has only the digits 0 and 1.
        {"ShowTopicArithmetic", {"Dim X as Byte", "~ X = B'011012'", "END"}, {}, true},
        {"ShowTopicArithmetic", {"Write 300, 5", "END"}, "Costante numerica non ammessa"},
    });
}

// A program longer than the chip's 1024 words is still written, and the
// statistics give its length against that limit.
TEST(TopicsGeneral, AProgramLongerThanTheChipIsWrittenWithItsLength) {
    EXPECT_TRUE(HoldsQuotesInOrder(TopicLines("ShowTopicMicro", {}),
                                   {{"1024 word", kWithin}, {"generato comunque", kWithin}}));
    std::string basic = "DIM X AS BYTE\r\n";
    for (int i = 0; i < 600; ++i) basic += "X = " + std::to_string(2 + i % 200) + "\r\n";
    basic += "END\r\n";
    Translator translator;
    const TranslationResult result = translator.TranslateProgram(basic, "");
    ASSERT_FALSE(result.flagError) << result.asmText;
    EXPECT_NE(result.asmText.find("        END"), std::string::npos);
    const std::string label = "Lunghezza programma ";
    const size_t at = result.statistics.find(label);
    ASSERT_NE(at, std::string::npos) << result.statistics;
    const int words = std::stoi(result.statistics.substr(at + label.size()));
    EXPECT_GT(words, 1024);
    EXPECT_NE(result.statistics.find(" word (max 1024)", at), std::string::npos)
        << result.statistics;
}

}  // namespace
}  // namespace tavolux::help
