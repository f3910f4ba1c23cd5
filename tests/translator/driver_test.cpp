#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

struct DepthCase {
    const char* name;
    std::vector<std::string> pairs;
    bool accepted;
    int depth;  // the longest chain, in pairs, when accepted
    friend void PrintTo(const DepthCase& c, std::ostream* os) { *os << c.name; }
};

class CallDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(CallDepth, LongestChainOverAllPairs) {
    const DepthCase& c = GetParam();
    tavolux::Translator t;
    tavolux::TranslatorTestAccess a(t);
    a.ResetRun();
    a.State().ArrayCALL = c.pairs;
    EXPECT_EQ(a.CheckCallDepth(), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(a.State().MaxCallDepth, c.depth);
        EXPECT_FALSE(a.State().Flag_Error);
    } else {
        EXPECT_EQ(a.State().AsmText,
                  "<*> ERRORE : Superato il livello massimo di CALL a subroutine\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CallDepth,
    ::testing::Values(
        DepthCase{"OnePair", {"A->B"}, true, 1},
        // The first pair in table order from B leads nowhere; the second
        // starts the long chain.
        DepthCase{"ChainBehindAnotherPair", {"A->B", "B->X", "B->C", "C->D", "D->E"}, true, 4},
        DepthCase{
            "FivePairsFitTheStack", {"A->B", "B->C", "C->D", "D->E", "E->F", "F->G"}, false, 0},
        DepthCase{"FourPairs", {"A->B", "B->C", "C->D", "D->E", "E->@@WRT"}, true, 5},
        DepthCase{"MutualRecursion", {"A->B", "B->A"}, false, 0},
        DepthCase{"SelfCall", {"A->A"}, false, 0},
        DepthCase{"CycleAwayFromTheFirstPair", {"M->N", "X->Y", "Y->X"}, false, 0}),
    [](const ::testing::TestParamInfo<DepthCase>& info) { return std::string(info.param.name); });

TEST(ErrorReport, TwoReportsShareTheLineOfTheFirstStatement) {
    tavolux::Translator t;
    tavolux::TranslatorTestAccess a(t);
    a.ResetRun();
    a.State().CurrentStatement = "X = 1";
    a.ReportError("Primo");
    a.State().CurrentStatement.clear();
    a.ReportError("Secondo");
    EXPECT_EQ(a.State().AsmText,
              "<*> ERRORE : Primo\r\n---istruzione---\r\nX = 1<*> ERRORE : Secondo\r\n");
    EXPECT_TRUE(a.State().Flag_Error);
}

TEST(TranslateProgram, GivesTheBasicTextBackEndedByCrLf) {
    tavolux::Translator t;
    EXPECT_EQ(t.TranslateProgram("END", "").basicText, "END\r\n");
    EXPECT_EQ(t.TranslateProgram("END\r\n", "").basicText, "END\r\n");
    EXPECT_EQ(t.TranslateProgram("X = 1", "").basicText, "X = 1\r\n");  // also after an error
}

TEST(TranslateProgram, StatisticsNameTheProgramAndTheDecimalSeparator) {
    tavolux::Translator t;
    std::string program;
    for (int k = 0; k < 97; ++k) program += "ASM(NOP)\r\n";
    program += "END\r\n";  // 97 + 2 instructions and the END directive: 100 words
    auto r = t.TranslateProgram(program, "C:\\PROG\\led.bas");
    ASSERT_FALSE(r.flagError) << r.asmText;
    EXPECT_EQ(r.statistics,
              "Nome programma: LED.BAS\r\n"
              "Lunghezza programma 100 word (max 1024)\r\n"
              "Utilizzo risorse 9.7 %  Disponibilit\xC3\xA0 90.3 %\r\n"
              "Numero di variabili definite 1\r\n"
              "Utilizzo memoria RAM 0 byte (max 68)\r\n"
              "Livello di Stack 1 (Max 6, +2 riservati)");
    t.SetDecimalSeparator(",");
    r = t.TranslateProgram(program, "/home/anna/prova.bas");
    EXPECT_NE(r.statistics.find("Nome programma: PROVA.BAS\r\n"), std::string::npos);
    EXPECT_NE(r.statistics.find("Utilizzo risorse 9,7 %  Disponibilit\xC3\xA0 90,3 %"),
              std::string::npos);
    r = t.TranslateProgram("END", "");
    EXPECT_EQ(r.statistics.substr(0, r.statistics.find("\r\n")), "Nome programma: <UNDEFINED>");
    EXPECT_NE(r.statistics.find("Utilizzo risorse 0,2 %  Disponibilit\xC3\xA0 99,8 %"),
              std::string::npos);
}

}  // namespace
