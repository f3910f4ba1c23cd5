// The DATA area, collected from lines set by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::Translator;
using tavolux::TranslatorTestAccess;

class DataPass {
  public:
    DataPass() : a_(t_) { a_.ResetRun(); }

    std::vector<int> Collect(const std::vector<std::string>& lines) {
        auto& s = a_.State();
        s.ArrayInput.Clear();
        for (const std::string& line : lines) s.ArrayInput.Append(line);
        a_.CollectDataArea();
        return s.ArrayDATA;
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        auto& store = a_.State().ArrayInput;
        for (int k = 1; k <= store.size(); ++k) out.push_back(store[k]);
        return out;
    }
    tavolux::TranslatorState& State() { return a_.State(); }

  private:
    Translator t_;
    TranslatorTestAccess a_;
};

TEST(CollectDataArea, NumbersInDecimalAndHexadecimal) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA 1, 2, &HFF"}), (std::vector<int>{1, 2, 255}));
    EXPECT_EQ(p.Lines(), std::vector<std::string>{""});
    EXPECT_EQ(p.State().NoDATA(), 3);
    EXPECT_FALSE(p.State().Flag_Error);
}

TEST(CollectDataArea, StringsStandForTheirCharacterCodes) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA \"OK\", 0"}), (std::vector<int>{79, 75, 0}));
    DataPass q;  // the literal keeps its case and blanks; "è" is one character
    EXPECT_EQ(q.Collect({"DATA 1,\"a b\xE8\",2"}), (std::vector<int>{1, 97, 32, 98, 0xE8, 2}));
}

TEST(CollectDataArea, StatementsAddUpInProgramOrder) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA 1, 2, 3", "X = 1", "DATA 4, 5, 6"}),
              (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.State().NoDATA(), 6);
    EXPECT_EQ(p.Lines(), (std::vector<std::string>{"", "X = 1", ""}));
}

// A comma that ends the statement gives a value 0; every other piece must
// be one number and nothing else, or the statement is refused.
TEST(CollectDataArea, OnlyATrailingCommaGivesZero) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA 1,2,"}), (std::vector<int>{1, 2, 0}));
    struct Case {
        const char* line;
        const char* message;
    };
    const Case refused[] = {
        {"DATA X, ,7", "Valore DATA non valido: X"},
        {"DATA 3,, 7", "Valore DATA mancante"},
        {"DATA , 7", "Valore DATA mancante"},
        {"DATA 1,2,,", "Valore DATA mancante"},
        {"DATA 3MS, 7", "Valore DATA non valido: 3MS"},
        {"DATA 3 7, 123", "Valore DATA non valido: 3 7"},
        {"DATA 12AB", "Valore DATA non valido: 12AB"},
        {"DATA -&H5A", "Valore DATA non valido: -&H5A"},
        {"DATA \"OK\", 3OO", "Valore DATA non valido: 3OO"},
        {"DATA \"OK\"5", "Definizione di stringhe non esatta"},
        {"DATA \"A\" \"B\"", "Definizione di stringhe non esatta"},
    };
    for (const Case& c : refused) {
        DataPass q;
        q.Collect({c.line});
        EXPECT_EQ(q.State().AsmText,
                  std::string("<*> ERRORE : ") + c.message + "\r\n---istruzione---\r\n" + c.line);
        EXPECT_EQ(q.Lines()[0], c.line);
    }
}

// Every value is a byte, as an assignment takes it: -256 to 255 after
// rounding, a negative value standing for its two's complement.
TEST(CollectDataArea, ValuesAreBytes) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA 255, -1, 2.5, 3.5, &HFF, 05, +7, -256, 254.5"}),
              (std::vector<int>{255, -1, 2, 4, 255, 5, 7, -256, 254}));
    for (const char* item : {"300", "256", "255.5", "-257", "1E3", "&H1234", "&H100", "1E300",
                             "4294967553", "99999999999999999999999"}) {
        const std::string line = std::string("DATA 1, ") + item + ", 2";
        DataPass q;
        q.Collect({line});
        EXPECT_EQ(q.State().AsmText,
                  "<*> ERRORE : Costante numerica non ammessa\r\n"
                  "---istruzione---\r\n" +
                      line);
        EXPECT_EQ(q.Lines()[0], line);
    }
}

TEST(CollectDataArea, TwoHundredFiftyValuesFit) {
    std::string line = "DATA 0";
    for (int i = 1; i < 250; ++i) line += "," + std::to_string(i);
    DataPass p;
    EXPECT_EQ(p.Collect({line}).size(), 250u);
    EXPECT_FALSE(p.State().Flag_Error);
}

TEST(CollectDataArea, TheNextValueIsRefusedWithoutAStatement) {
    const std::string message =
        "<*> ERRORE : L'area DATA \xE8 troppo estesa, \xE8 stato superato il limite di 250 "
        "byte\r\n";
    std::string line = "DATA 0";
    for (int i = 1; i < 250; ++i) line += "," + std::to_string(i);
    DataPass p;  // the 251st value as the first item of the next statement
    p.Collect({line, "DATA 7, 8"});
    EXPECT_EQ(p.State().AsmText, message);
    EXPECT_EQ(p.Lines()[1], "DATA 7, 8");
    DataPass q;  // or inside one statement
    q.Collect({line + ",1,2"});
    EXPECT_EQ(q.State().AsmText, message);
    DataPass r;  // or as a string's character
    r.Collect({line, "DATA \"AB\""});
    EXPECT_EQ(r.State().AsmText, message);
}

TEST(CollectDataArea, UnclosedStringIsRefused) {
    DataPass p;
    p.Collect({"DATA 1, \"AB"});
    EXPECT_EQ(
        p.State().AsmText,
        "<*> ERRORE : Definizione di stringhe non esatta\r\n---istruzione---\r\nDATA 1, \"AB");
}

// An empty literal has no characters to stand for; it is refused like an
// unclosed one rather than becoming a value 0.
TEST(CollectDataArea, EmptyStringIsRefused) {
    DataPass p;
    p.Collect({"DATA 1, \"\", 2"});
    EXPECT_EQ(p.State().AsmText,
              "<*> ERRORE : Definizione di stringhe non esatta\r\n"
              "---istruzione---\r\nDATA 1, \"\", 2");
}

TEST(CollectDataArea, ScanEndsAtTheFirstIf) {
    DataPass p;
    EXPECT_EQ(p.Collect({"DATA 1", "IF X = 1 THEN", "DATA 2"}), (std::vector<int>{1}));
    EXPECT_EQ(p.Lines(), (std::vector<std::string>{"", "IF X = 1 THEN", "DATA 2"}));
    DataPass q;  // a DO loop does not end it
    EXPECT_EQ(q.Collect({"DO", "DATA 1", "LOOP"}), (std::vector<int>{1}));
}

TEST(CollectDataArea, NoDataNoValues) {
    DataPass p;
    EXPECT_TRUE(p.Collect({"X = 1", "DATAX = 2"}).empty());
    EXPECT_EQ(p.State().NoDATA(), 0);
}

TEST(CollectDataArea, NothingAfterAnEarlierError) {
    DataPass p;
    p.State().Flag_Error = true;
    EXPECT_TRUE(p.Collect({"DATA 1"}).empty());
    EXPECT_EQ(p.Lines()[0], "DATA 1");
}

// After a whole run the values stay for the tables view.
TEST(CollectDataArea, ValuesStayAfterARun) {
    Translator t;
    const auto r = t.TranslateProgram("DATA 5, \"A\"\r\nEND\r\n", "");
    EXPECT_FALSE(r.flagError) << r.asmText;
    EXPECT_EQ(t.State().ArrayDATA, (std::vector<int>{5, 65}));
}

}  // namespace
