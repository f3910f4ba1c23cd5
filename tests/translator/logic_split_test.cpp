// The splitting of parenthesised logic, one statement at a time on a store
// of its own, with the whole pool of reusable temporaries free.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::Translator;
using tavolux::TranslatorTestAccess;

struct SplitCase {
    const char* statement;
    std::vector<std::string> lines;  // what replaces it
    const char* error = nullptr;     // the message reported as well
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.statement; }
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, RewritesTheStatement) {
    const SplitCase& c = GetParam();
    Translator translator;
    TranslatorTestAccess access(translator);
    access.ResetRun();
    auto& s = access.State();
    s.ArrayInput.Clear();
    s.ArrayInput.Append(c.statement);
    s.ArrayInput.Append("END");
    access.SplitLogicalExpressions();

    if (c.error != nullptr) {
        EXPECT_EQ(s.AsmText, std::string("<*> ERRORE : ") + c.error + "\r\n---istruzione---\r\n" +
                                 c.statement);
    } else {
        EXPECT_FALSE(s.Flag_Error) << s.AsmText;
    }
    std::vector<std::string> lines;
    for (int k = 1; k < s.NoInput(); ++k) lines.push_back(s.ArrayInput[k]);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(s.ArrayInput[s.NoInput()], "END");
}

INSTANTIATE_TEST_SUITE_P(
    Groups, Split,
    ::testing::Values(SplitCase{"A = (B AND C) OR D", {"W#D1 = B AND C", "A = W#D1 OR D"}},
                      SplitCase{"A = (B OR C) AND (D OR E)",
                                {"W#D1 = D OR E", "W#D2 = B OR C", "A = W#D2 AND W#D1"}},
                      SplitCase{"A = ((B AND C) OR D) AND E",
                                {"W#D1 = B AND C", "W#D2 = W#D1 OR D", "A = W#D2 AND E"}},
                      SplitCase{"A = NOT(B AND C)", {"W#D1 = B AND C", "A = NOT( W#D1 )"}},
                      SplitCase{"A = (B AND C)", {"A = B AND C"}},
                      SplitCase{"IF (A AND B) = 1 THEN", {"W#D1 = A AND B", "IF W#D1 = 1 THEN"}},
                      SplitCase{"X = NOT(X)", {"X = NOT(X)"}},
                      SplitCase{"X = NOT( X )", {"X = NOT( X )"}},
                      SplitCase{"X = NOT(Y)", {"W#D1 = Y", "X = NOT( W#D1 )"}},
                      SplitCase{"X = INPUT(A) AND 1", {"W#D1 = A", "X = INPUTW#D1 AND 1"}},
                      SplitCase{"CALL M(A AND B)", {"CALL M(A AND B)"}},
                      SplitCase{"X = (A XOR B) OR C", {"W#D1 = A XOR B", "X = W#D1 OR C"}},
                      SplitCase{"X = (A + 1) AND 7", {"W#D1 = A + 1", "X = W#D1 AND 7"}},
                      // Lines without a logical operator, or without parentheses, stay.
                      SplitCase{"X = (A + 1)", {"X = (A + 1)"}},
                      SplitCase{"X = A AND B", {"X = A AND B"}}));

// Operators are words: names that hold their letters do not count, and XOR
// is of the OR kind.
INSTANTIATE_TEST_SUITE_P(
    OperatorWords, Split,
    ::testing::Values(
        SplitCase{"VALORE = (A AND B)", {"VALORE = A AND B"}},
        SplitCase{"CONTATORE = (X OR Y)", {"CONTATORE = X OR Y"}},
        SplitCase{"LED = (SENSORE AND 1) OR X", {"W#D1 = SENSORE AND 1", "LED = W#D1 OR X"}},
        SplitCase{"NOTA = (ANDREA XOR ORO)", {"NOTA = ANDREA XOR ORO"}},
        SplitCase{"A = (B AND C) OR D AND E",
                  {"W#D1 = B AND C", "A = W#D1 OR D AND E"},
                  "Controllore il livello di parentesi"},
        SplitCase{"A = (B XOR C) OR D AND E",
                  {"W#D1 = B XOR C", "A = W#D1 OR D AND E"},
                  "Controllore il livello di parentesi"},
        SplitCase{"A = (B AND C) XOR D OR E", {"W#D1 = B AND C", "A = W#D1 XOR D OR E"}}));

INSTANTIATE_TEST_SUITE_P(
    Unbalanced, Split,
    ::testing::Values(
        SplitCase{"A = B AND (C", {"A = B AND (C"}, "Livello di parentesi non bilanciato"},
        SplitCase{"A = B AND C)", {"A = B AND C)"}, "Livello di parentesi non bilanciato"},
        SplitCase{"A = (B AND C)) OR (D",
                  {"A = (B AND C)) OR (D"},
                  "Livello di parentesi non bilanciato"}));

// A DO condition is computed before every test: the loop becomes an endless
// DO that leaves through a BREAK. A group in a condition is compared, not
// assigned.
INSTANTIATE_TEST_SUITE_P(
    Loops, Split,
    ::testing::Values(
        SplitCase{"DO WHILE (X AND 1) = 0",
                  {"DO", "W#D1 = X AND 1", "IF W#D1 = 0 THEN", "ELSE", "BREAK", "END IF"}},
        SplitCase{"DO UNTIL (X AND 1) = 0",
                  {"DO", "W#D1 = X AND 1", "IF W#D1 = 0 THEN", "BREAK", "END IF"}},
        SplitCase{"DO WHILE NOT (X AND 1) = 0",
                  {"DO", "W#D1 = X AND 1", "IF W#D1 = 0 THEN", "BREAK", "END IF"}},
        SplitCase{"DO NOT (X AND 1) = 0",
                  {"DO", "W#D1 = X AND 1", "IF W#D1 = 0 THEN", "BREAK", "END IF"}},
        SplitCase{"DO UNTIL NOT NOT (X OR Y) = 3",
                  {"DO", "W#D1 = X OR Y", "IF W#D1 = 3 THEN", "BREAK", "END IF"}},
        SplitCase{"DO WHILE X = (Y AND 7)",
                  {"DO", "W#D1 = Y AND 7", "IF X = W#D1 THEN", "ELSE", "BREAK", "END IF"}},
        SplitCase{"LOOP UNTIL X = (Y AND 7)", {"W#D1 = Y AND 7", "LOOP UNTIL X = W#D1"}},
        SplitCase{"FOR I = 0 TO (N AND 7)", {"W#D1 = N AND 7", "FOR I = 0 TO W#D1"}}));

// The temporary of a loop bound stays taken: the statements before and after
// it, and the library routines, get other bytes. Other temporaries go back at
// once.
TEST(SplitTemporaries, ALoopBoundKeepsItsByte) {
    Translator translator;
    TranslatorTestAccess access(translator);
    access.ResetRun();
    auto& s = access.State();
    s.ArrayInput.Clear();
    for (const char* line : {"Z = (A OR B) AND C", "FOR I = (A OR 1) TO (N AND 7) STEP (S AND 3)",
                             "X = (A AND B) OR C", "NEXT I", "Y = (A AND B) OR C", "END"}) {
        s.ArrayInput.Append(line);
    }
    access.SplitLogicalExpressions();
    EXPECT_FALSE(s.Flag_Error) << s.AsmText;
    std::vector<std::string> lines;
    for (int k = 1; k <= s.NoInput(); ++k) lines.push_back(s.ArrayInput[k]);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "W#D3 = A OR B", "Z = W#D3 AND C", "W#D1 = S AND 3", "W#D2 = N AND 7",
                         "W#D3 = A OR 1", "FOR I = W#D3 TO W#D2 STEP W#D1", "W#D3 = A AND B",
                         "X = W#D3 OR C", "NEXT I", "W#D3 = A AND B", "Y = W#D3 OR C", "END"}));
    EXPECT_EQ(access.NewDynamicVar(), "W#D3");
}

}  // namespace
