// SELECT CASE blocks on their own: the IF blocks, jumps and labels that the
// expansion leaves in the line store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::TranslatorTestAccess;
using Lines = std::vector<std::string>;

struct ExpansionCase {
    const char* name;
    Lines in;
    Lines out;
    friend void PrintTo(const ExpansionCase& c, std::ostream* os) { *os << c.name; }
};

class SelectCaseExpansion : public ::testing::TestWithParam<ExpansionCase> {};

Lines Expand(const Lines& in, std::string* report = nullptr) {
    tavolux::Translator t;
    TranslatorTestAccess access(t);
    access.ResetRun();
    access.State().FAT = {{"X", "BYTE", "1"}, {"Y", "BYTE", "1"}, {"I", "BYTE", "1"}};
    auto& store = access.State().ArrayInput;
    store.Clear();
    for (const auto& line : in) EXPECT_TRUE(store.Append(line));
    access.ExpandSelectCase();
    if (report != nullptr) {
        *report = access.State().AsmText;
    } else {
        EXPECT_FALSE(access.State().Flag_Error) << access.State().AsmText;
    }
    Lines out;
    for (int k = 1; k <= store.size(); ++k) out.push_back(store[k]);
    return out;
}

TEST_P(SelectCaseExpansion, LeavesTheseLines) {
    EXPECT_EQ(Expand(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, SelectCaseExpansion,
    ::testing::Values(
        ExpansionCase{
            "ValuesListAndElse",
            {"SELECT CASE X", "CASE 1", "Y=1", "CASE 2,3", "Y=2", "CASE ELSE", "Y=3", "END SELECT",
             "END"},
            {"", "IF X = 1 THEN", "Y=1", "GOTO @1", "END IF", "IF X = 2 THEN", "GOTO @2", "END IF",
             "IF X = 3 THEN", "A>@2:", "Y=2", "GOTO @1", "END IF", "", "Y=3", "A>@1:", "END"}},
        // The skip label of a range stands after its closing jump, so a value
        // outside the range reaches the CASE ELSE statements.
        ExpansionCase{
            "RangeThenElse",
            {"SELECT CASE X", "CASE 9 TO 20", "Y=1", "CASE ELSE", "Y=2", "END SELECT", "END"},
            {"", "IF X < 9 THEN", "GOTO @2", "END IF", "IF X > 20 THEN", "GOTO @2", "END IF", "Y=1",
             "GOTO @1", "A>@2:", "", "Y=2", "A>@1:", "END"}},
        ExpansionCase{
            "RangeLast",
            {"SELECT CASE X", "CASE 1", "Y=1", "CASE 9 TO 20", "Y=2", "END SELECT", "END"},
            {"", "IF X = 1 THEN", "Y=1", "GOTO @1", "END IF", "IF X < 9 THEN", "GOTO @2", "END IF",
             "IF X > 20 THEN", "GOTO @2", "END IF", "Y=2", "A>@2:", "A>@1:", "END"}},
        // Against 0 the IF tests are signed: a low bound of 0 needs no test,
        // a high bound of 0 lets only 0 through.
        ExpansionCase{"RangeBoundsOfZero",
                      {"SELECT CASE X", "CASE 0 TO 200", "Y=1", "CASE 5 TO 0", "Y=2", "CASE 0 TO 0",
                       "Y=3", "END SELECT", "END"},
                      {"",
                       "IF X > 200 THEN",
                       "GOTO @2",
                       "END IF",
                       "Y=1",
                       "GOTO @1",
                       "A>@2:",
                       "IF X < 5 THEN",
                       "GOTO @3",
                       "END IF",
                       "IF X <> 0 THEN",
                       "GOTO @3",
                       "END IF",
                       "Y=2",
                       "GOTO @1",
                       "A>@3:",
                       "IF X <> 0 THEN",
                       "GOTO @4",
                       "END IF",
                       "Y=3",
                       "A>@4:",
                       "A>@1:",
                       "END"}},
        ExpansionCase{
            "IsComparisonAndVariableRange",
            {"SELECT CASE X", "CASE IS > 3", "Y=1", "CASE I TO Y", "Y=2", "END SELECT", "END"},
            {"", "IF X> 3 THEN", "Y=1", "GOTO @1", "END IF", "IF X < I THEN", "GOTO @2", "END IF",
             "IF X > Y THEN", "GOTO @2", "END IF", "Y=2", "A>@2:", "A>@1:", "END"}},
        // Statements before the first CASE run whatever the value.
        ExpansionCase{"StatementsBeforeTheFirstCase",
                      {"SELECT CASE X", "Y=0", "CASE 5 , 7", "Y=1", "END SELECT", "END"},
                      {"", "Y=0", "IF X = 5 THEN", "GOTO @2", "END IF", "IF X = 7 THEN",
                       "A>@2:", "Y=1", "END IF", "A>@1:", "END"}},
        // A BREAK of the case body leaves the block; one inside a loop of
        // the case body is left for that loop.
        ExpansionCase{"BreakBelongsToTheInnermostStructure",
                      {"SELECT CASE X", "CASE 1", "BREAK", "FOR I = 1 TO 3", "BREAK", "NEXT I",
                       "DO WHILE Y = 0", "BREAK", "DO", "BREAK", "LOOP UNTIL X = 1", "BREAK",
                       "LOOP", "BREAK", "CASE ELSE", "BREAK", "END SELECT", "END"},
                      {"",
                       "IF X = 1 THEN",
                       "GOTO @1",
                       "FOR I = 1 TO 3",
                       "BREAK",
                       "NEXT I",
                       "DO WHILE Y = 0",
                       "BREAK",
                       "DO",
                       "BREAK",
                       "LOOP UNTIL X = 1",
                       "BREAK",
                       "LOOP",
                       "GOTO @1",
                       "GOTO @1",
                       "END IF",
                       "",
                       "GOTO @1",
                       "A>@1:",
                       "END"}},
        // A block inside a case body is rewritten first, with its own exit.
        ExpansionCase{"NestedBlockFirst",
                      {"SELECT CASE X", "CASE 1", "SELECT CASE Y", "CASE 2", "BREAK", "END SELECT",
                       "BREAK", "END SELECT", "END"},
                      {"", "IF X = 1 THEN", "", "IF Y = 2 THEN", "GOTO @1", "END IF",
                       "A>@1:", "GOTO @2", "END IF", "A>@2:", "END"}},
        ExpansionCase{"TwoBlocksInProgramOrder",
                      {"SELECT CASE X", "CASE 1", "END SELECT", "SELECT CASE Y", "CASE 2",
                       "END SELECT", "END"},
                      {"", "IF X = 1 THEN", "END IF", "A>@1:", "", "IF Y = 2 THEN", "END IF",
                       "A>@2:", "END"}}),
    [](const ::testing::TestParamInfo<ExpansionCase>& info) {
        return std::string(info.param.name);
    });

TEST(SelectCaseErrors, ReportedWithTheSelectStatement) {
    struct Case {
        Lines in;
        std::string report;
    };
    const Case cases[] = {
        {{"SELECT CASE X", "CASE 1", "END"},
         "<*> ERRORE : Istruzione 'Select Case' non chiusa\r\n---istruzione---\r\nSELECT CASE X"},
        // The search stops before the last line of the store.
        {{"SELECT CASE X", "CASE 1", "END SELECT"},
         "<*> ERRORE : Istruzione 'Select Case' non chiusa\r\n---istruzione---\r\nSELECT CASE X"},
        {{"SELECT CASE Z", "CASE 1", "END SELECT", "END"},
         "<*> ERRORE : Variabile non definita\r\n---istruzione---\r\nSELECT CASE Z"},
    };
    for (const Case& c : cases) {
        std::string report;
        Expand(c.in, &report);
        EXPECT_EQ(report, c.report);
    }
}

TEST(SelectCaseErrors, BlocksBeforeTheFaultStayExpanded) {
    std::string report;
    const Lines out = Expand(
        {"SELECT CASE X", "CASE 1", "END SELECT", "SELECT CASE Q", "END SELECT", "END"}, &report);
    EXPECT_EQ(out,
              (Lines{"", "IF X = 1 THEN", "END IF", "A>@1:", "SELECT CASE Q", "A>@2:", "END"}));
    EXPECT_EQ(report, "<*> ERRORE : Variabile non definita\r\n---istruzione---\r\nSELECT CASE Q");
}

}  // namespace
