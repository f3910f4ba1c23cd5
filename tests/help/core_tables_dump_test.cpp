// The tables view's text: every table as the last translation left it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables_dump.h"
#include "translator.h"

namespace tavolux::help {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the last line has no CR LF";
    return lines;
}

TEST(TablesDump, BeforeAnyTranslation) {
    Translator translator;
    translator.InitTranslator();
    EXPECT_EQ(DumpTranslatorTables(translator.State(), 0),
              "\r\nNoFAT = 0\r\n---FAT Table ---\r\n"
              "\r\nNoSUB = 0\r\n---ArraySUB---\r\n"
              "\r\nLunghezza ArrayInput = 0\r\n"
              "\r\nVar. Flag_TestoModificato: 0\r\n");
    EXPECT_TRUE(DumpTranslatorTables(translator.State(), 1)
                    .ends_with("\r\nVar. Flag_TestoModificato: 1\r\n"));
}

TEST(TablesDump, AfterAProgramOfTwelveLines) {
    Translator translator;
    translator.InitTranslator();
    const auto result = translator.TranslateProgram(
        "DIM X AS BYTE\r\nDIM Y AS BYTE\r\nDIM TOTALE AS WORD\r\nDIM P1, P2 AS BYTE\r\n"
        "X = 1\r\nY = 2\r\nCALL SOMMA(X, Y)\r\nCALL AZZERA\r\nEND\r\n"
        "SUB SOMMA(P1, P2)\r\nTOTALE = P1 + P2\r\nEND SUB\r\n"
        "SUB AZZERA\r\nX = 0\r\nEND SUB\r\n",
        "");
    ASSERT_FALSE(result.flagError) << result.asmText;
    const TranslatorState& s = translator.State();
    ASSERT_GE(s.NoInput(), 10);

    const std::vector<std::string> lines = Lines(DumpTranslatorTables(s, 1));
    std::vector<std::string> expected = {
        "",
        "NoFAT = 6",
        "---FAT Table ---",
        "1) [1] = X     [2] = BYTE",
        "2) [1] = Y     [2] = BYTE",
        "3) [1] = TOTALE     [2] = WORD",
        "4) [1] = P1     [2] = BYTE",
        "5) [1] = P2     [2] = BYTE",
        "6) [1] = W#VLTx     [2] = BYTE",
        "",
        "NoSUB = 2",
        "---ArraySUB---",
        "1) [1] = SOMMA     [2] = 2     [3] = P1, P2",
        "2) [1] = AZZERA     [2] = 0     [3] = ",
        "",
        "Lunghezza ArrayInput = " + std::to_string(s.NoInput()),
    };
    // The store as the translation left it, each slot after its number.
    for (int k = 1; k <= s.NoInput(); ++k) {
        expected.push_back(std::to_string(k) + ") " + s.ArrayInput[k]);
    }
    expected.insert(expected.end(), {"", "Var. Flag_TestoModificato: 1"});
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[16], "1) A>        MOVLW 0x01");
    EXPECT_EQ(lines[25], "10) A>        CALL AZZERA");
}

// The state holds Windows-1252 text; the dump is UTF-8. Empty columns still
// write their labels.
TEST(TablesDump, EmptyColumnsAndTheStatesEncoding) {
    TranslatorState s;
    s.FAT.push_back({"PERCH\xC8", "", "1"});
    s.ArraySUB.push_back({"VIA", "", ""});
    s.ArrayInput.Append("X = \"\xE8\x80\"");
    s.ArrayInput.Append("");
    EXPECT_EQ(DumpTranslatorTables(s, 0),
              "\r\nNoFAT = 1\r\n---FAT Table ---\r\n"
              "1) [1] = PERCH\xC3\x88     [2] = \r\n"
              "\r\nNoSUB = 1\r\n---ArraySUB---\r\n"
              "1) [1] = VIA     [2] =      [3] = \r\n"
              "\r\nLunghezza ArrayInput = 2\r\n"
              "1) X = \"\xC3\xA8\xE2\x82\xAC\"\r\n"
              "2) \r\n"
              "\r\nVar. Flag_TestoModificato: 0\r\n");
}

}  // namespace
}  // namespace tavolux::help
