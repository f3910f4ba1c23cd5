// The declaration passes one at a time on lines set by hand: CONST and
// SYMBOL substitution, DIM and the RAM budget. The DATA area has its own
// file, the writer's check of the RAM end is in writer_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asm_tools.h"
#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::FatRow;
using tavolux::Translator;
using tavolux::TranslatorTestAccess;

class Pass {
  public:
    Pass() : a_(t_) { a_.ResetRun(); }

    void Load(const std::vector<std::string>& lines) {
        auto& s = a_.State();
        s.ArrayInput.Clear();
        for (const std::string& line : lines) s.ArrayInput.Append(line);
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        auto& store = a_.State().ArrayInput;
        for (int k = 1; k <= store.size(); ++k) out.push_back(store[k]);
        return out;
    }
    std::vector<std::string> Constants(const std::vector<std::string>& lines) {
        Load(lines);
        a_.ExpandConstants();
        return Lines();
    }
    void Dim(const std::vector<std::string>& lines) {
        Load(lines);
        a_.DeclareVariables();
    }
    std::string Report() { return a_.State().AsmText; }
    tavolux::TranslatorState& State() { return a_.State(); }

  private:
    Translator t_;
    TranslatorTestAccess a_;
};

std::string ReportOf(const std::string& message, const std::string& statement) {
    return "<*> ERRORE : " + message + "\r\n---istruzione---\r\n" + statement;
}

// A FAT row as one text, "NAME|TYPE|SIZE", for comparisons.
std::string Row(const FatRow& row) {
    return row.name + "|" + row.type + "|" + row.size;
}
std::vector<std::string> Rows(const std::vector<FatRow>& fat) {
    std::vector<std::string> out;
    for (const FatRow& row : fat) out.push_back(Row(row));
    return out;
}

// ---- CONST and SYMBOL ------------------------------------------------------

TEST(ExpandConstants, WholeWordsOnlyAndUnderscoreSeparates) {
    Pass p;
    EXPECT_EQ(
        p.Constants({"CONST LED = B3", "SET LED", "SET LEDS", "LED_ON = 1", "IF LEDX = LED THEN"}),
        (std::vector<std::string>{"", "SET B3", "SET LEDS", "B3_ON = 1", "IF LEDX = B3 THEN"}));
    EXPECT_FALSE(p.State().Flag_Error);
}

TEST(ExpandConstants, SymbolIsConst) {
    Pass p;
    EXPECT_EQ(p.Constants({"SYMBOL MAX = 10", "X = MAX"}),
              (std::vector<std::string>{"", "X = 10"}));
}

TEST(ExpandConstants, LinesBeforeTheDefinitionAreReplacedToo) {
    Pass p;
    EXPECT_EQ(p.Constants({"X = MAX", "CONST MAX = 10", "Y = MAX"}),
              (std::vector<std::string>{"X = 10", "", "Y = 10"}));
}

TEST(ExpandConstants, TableOrderDecidesNestedNames) {
    Pass p;
    EXPECT_EQ(p.Constants({"CONST A = 5", "CONST B = A + 1", "Y = B"}),
              (std::vector<std::string>{"", "", "Y = A + 1"}));
    Pass q;
    EXPECT_EQ(q.Constants({"CONST B = A + 1", "CONST A = 5", "Y = B"}),
              (std::vector<std::string>{"", "", "Y = 5 + 1"}));
}

TEST(ExpandConstants, StringLiteralsAreReplacedToo) {
    Pass p;
    EXPECT_EQ(p.Constants({"CONST N = 7", "WRITE 0, \"N vale N\""}),
              (std::vector<std::string>{"", "WRITE 0, \"7 vale 7\""}));
}

TEST(ExpandConstants, CollectionStopsAtTheFirstIfForOrDo) {
    for (const char* stop : {"IF X = 1 THEN", "FOR I = 1 TO 3", "DO", "DOSE = 1"}) {
        Pass p;
        EXPECT_EQ(p.Constants({"CONST A = 1", stop, "CONST B = 2", "Y = A + B"}),
                  (std::vector<std::string>{"", stop, "CONST B = 2", "Y = 1 + B"}))
            << stop;
    }
}

TEST(ExpandConstants, DefinitionWithoutEqualsIsRefused) {
    Pass p;
    p.Constants({"CONST X 5", "Y = X"});
    EXPECT_EQ(p.Report(), ReportOf("Definizione errata di CONST/SYMBOL", "CONST X 5"));
}

TEST(ExpandConstants, FirstDefinitionOfANameWins) {
    Pass p;
    EXPECT_EQ(p.Constants({"CONST A = 1", "CONST A = 2", "Y = A"}),
              (std::vector<std::string>{"", "", "Y = 1"}));
}

// A definition without a name, or without a text, defines nothing: refused.
TEST(ExpandConstants, EmptyNameOrTextIsRefused) {
    for (const char* line : {"CONST = 1", "SYMBOL = CONTA", "CONST A1 =", "SYMBOL X =  "}) {
        Pass p;
        EXPECT_EQ(p.Constants({line, "Y = 2"}), (std::vector<std::string>{line, "Y = 2"}));
        EXPECT_EQ(p.State().AsmText, std::string("<*> ERRORE : Definizione errata di "
                                                 "CONST/SYMBOL\r\n---istruzione---\r\n") +
                                         line);
    }
}

TEST(ExpandConstants, ReplacementHoldingItsOwnNameEnds) {
    Pass p;
    EXPECT_EQ(p.Constants({"CONST A = A A", "Y = A"}), (std::vector<std::string>{"", "Y = A A"}));
}

// Mend: the mark of a finished label line is not program text. Without it
// "CONST A = 5" turned "A>CICLO:" into "5>CICLO:", an untranslatable line.
TEST(ExpandConstants, LabelLineMarkStays) {
    Pass p;
    EXPECT_EQ(p.Constants({"CONST A = 5", "A>CICLO:", "GOTO CICLO", "A>A:"}),
              (std::vector<std::string>{"", "A>CICLO:", "GOTO CICLO", "A>5:"}));
}

// Each definition may double a line; the growth ends in a report.
TEST(ExpandConstants, RunawayGrowthIsReported) {
    std::vector<std::string> lines;
    for (char c = 'A'; c < 'Z'; ++c) {
        lines.push_back(std::string("CONST ") + c + " = " + static_cast<char>(c + 1) + " " +
                        static_cast<char>(c + 1));
    }
    lines.push_back("Y = A");
    Pass p;
    p.Constants(lines);
    EXPECT_TRUE(p.State().Flag_Error);
    EXPECT_EQ(p.Report().rfind("<*> ERRORE : Sostituzione di CONST/SYMBOL troppo estesa", 0), 0u)
        << p.Report();
}

TEST(ExpandConstants, NothingAfterAnEarlierError) {
    Pass p;
    p.State().Flag_Error = true;
    EXPECT_EQ(p.Constants({"CONST A = 1", "Y = A"}),
              (std::vector<std::string>{"CONST A = 1", "Y = A"}));
}

// ---- DIM --------------------------------------------------------------------

TEST(DeclareVariables, RowsOfTheSpecifiedExamples) {
    Pass p;
    p.Dim({"DIM A, X AS BYTE", "DIM T[10] AS INTEGER", "DIM V[4], C AS BYTE", "DIM Q AS WORD",
           "DIM L AS LONG", "DIM S AS SINGLE", "DIM FL AS FLOAT"});
    EXPECT_FALSE(p.State().Flag_Error) << p.Report();
    EXPECT_EQ(
        Rows(p.State().FAT),
        (std::vector<std::string>{"A|BYTE|1", "X|BYTE|1", "T|INTEGER|20", "V|BYTE|4", "C|BYTE|1",
                                  "Q|WORD|2", "L|LONG|8", "S|SINGLE|4", "FL|FLOAT|4"}));
    EXPECT_EQ(p.State().RamUsed, 45);
    EXPECT_EQ(p.Lines(), std::vector<std::string>(7, ""));
}

TEST(DeclareVariables, ScanStopsAtTheFirstIfOrDo) {
    for (const char* stop : {"IF X = 1 THEN", "DO WHILE X = 1"}) {
        Pass p;
        p.Dim({"DIM X AS BYTE", stop, "DIM Y AS BYTE"});
        EXPECT_EQ(p.Lines(), (std::vector<std::string>{"", stop, "DIM Y AS BYTE"}));
        EXPECT_EQ(p.State().NoFAT(), 1);
    }
    Pass q;  // "DO" needs its blank here, unlike the CONST pass
    q.Dim({"DOSE = 1", "DIM Y AS BYTE"});
    EXPECT_EQ(q.State().NoFAT(), 1);
}

struct DimCase {
    const char* line;
    const char* message;
    friend void PrintTo(const DimCase& c, std::ostream* os) { *os << c.line; }
};

class DimRefused : public ::testing::TestWithParam<DimCase> {};

TEST_P(DimRefused, QuotesTheLine) {
    Pass p;
    p.Dim({"DIM OK AS BYTE", GetParam().line, "DIM LATER AS BYTE"});
    EXPECT_EQ(p.Report(), ReportOf(GetParam().message, GetParam().line));
    EXPECT_EQ(p.Lines()[1], GetParam().line);  // the refused line stays
    EXPECT_EQ(p.Lines()[2], "DIM LATER AS BYTE");
}

constexpr const char* kReserved = "Nome di variabile riservato dal sistema o sintassi sbagliata";
constexpr const char* kArray = "Definizione di array non ammessa";

INSTANTIATE_TEST_SUITE_P(
    Messages, DimRefused,
    ::testing::Values(
        DimCase{"DIM X BYTE", "Dimensionamento variabile non corretto"},
        DimCase{"DIM X AS INT", "Tipologia della variabile non riconoscita"},
        DimCase{"DIM X AS byte", "Tipologia della variabile non riconoscita"},
        DimCase{"DIM AS BYTE", "Definizione o nome variabile non ammessa"},
        DimCase{"DIM T[3 AS BYTE", kArray},
        // The dialect's own words and names with a blank.
        DimCase{"DIM IF AS BYTE", kReserved}, DimCase{"DIM W AS BYTE", kReserved},
        DimCase{"DIM LOOP AS BYTE", kReserved}, DimCase{"DIM A B AS BYTE", kReserved},
        // Mend: names the assembler reads as something else.
        DimCase{"DIM A, B AS BYTE", kReserved},  // "B" is a branch mnemonic
        DimCase{"DIM BZ AS BYTE", kReserved}, DimCase{"DIM SKPC AS BYTE", kReserved},
        DimCase{"DIM MOVWF AS BYTE", kReserved}, DimCase{"DIM GOTO AS BYTE", kReserved},
        DimCase{"DIM TRIS AS BYTE", kReserved}, DimCase{"DIM OPTION AS BYTE", kReserved},
        DimCase{"DIM EQU AS BYTE", kReserved}, DimCase{"DIM ORG AS BYTE", kReserved},
        DimCase{"DIM CBLOCK AS BYTE", kReserved}, DimCase{"DIM TITLE AS BYTE", kReserved},
        DimCase{"DIM HIGH AS BYTE", kReserved}, DimCase{"DIM __CONFIG AS BYTE", kReserved},
        DimCase{"DIM __VECTOR_INT AS BYTE", kReserved},
        DimCase{"DIM T[2], DATA[3] AS BYTE", kReserved},
        // Mend: names that are no identifiers.
        DimCase{"DIM 1X AS BYTE", kReserved}, DimCase{"DIM X-1 AS BYTE", kReserved},
        DimCase{"DIM X.Y AS BYTE", kReserved}, DimCase{"DIM W#1 AS BYTE", kReserved},
        DimCase{"DIM \xC8 AS BYTE", kReserved}, DimCase{"DIM X, , Y AS BYTE", kReserved},
        DimCase{"DIM [4] AS BYTE", kReserved}, DimCase{"DIM X] AS BYTE", kReserved},
        DimCase{"DIM T [4] AS BYTE", kReserved},
        // Mend: names declared already, in this line or an earlier one.
        DimCase{"DIM OK AS BYTE", kReserved}, DimCase{"DIM Y, Y AS BYTE", kReserved},
        DimCase{"DIM OK[2] AS INTEGER", kReserved},
        // Mend: element counts that are no number of at least 1.
        DimCase{"DIM T[0] AS BYTE", kArray}, DimCase{"DIM T[-2] AS BYTE", kArray},
        DimCase{"DIM T[.5] AS BYTE", kArray}, DimCase{"DIM T[] AS BYTE", kArray},
        DimCase{"DIM T[N] AS BYTE", kArray}, DimCase{"DIM T[2+1] AS BYTE", kArray},
        DimCase{"DIM T[05] AS BYTE", kArray}, DimCase{"DIM T[&H] AS BYTE", kArray},
        DimCase{"DIM T[40000] AS BYTE", kArray}, DimCase{"DIM T[3]X AS BYTE", kArray},
        DimCase{"DIM T[2][2] AS BYTE", kArray}));

TEST(DeclareVariables, AcceptedNamesAndCounts) {
    Pass p;
    p.Dim({"DIM _X, A1_B, ELSEIF, LINEA, DOSE, STATUS AS BYTE", "DIM T[&H10], U[ 3 ] AS BYTE",
           "DIM H[1.5] AS BYTE", "DIM G[2.5] AS BYTE"});
    EXPECT_FALSE(p.State().Flag_Error) << p.Report();
    ASSERT_EQ(p.State().NoFAT(), 10);
    EXPECT_EQ(Row(p.State().FAT[6]), "T|BYTE|16");
    EXPECT_EQ(Row(p.State().FAT[7]), "U|BYTE|3");
    EXPECT_EQ(Row(p.State().FAT[8]), "H|BYTE|2");  // halves to even
    EXPECT_EQ(Row(p.State().FAT[9]), "G|BYTE|2");
}

TEST(DeclareVariables, SixtyOneBytesPass) {
    Pass p;
    p.Dim({"DIM T[60] AS BYTE", "DIM X AS BYTE"});
    EXPECT_FALSE(p.State().Flag_Error) << p.Report();
    EXPECT_EQ(p.State().RamUsed, 61);
}

TEST(DeclareVariables, SixtyTwoBytesGiveTheBudgetMessage) {
    Pass p;
    p.Dim({"DIM T[60] AS BYTE", "DIM X, Y AS BYTE", "END"});
    EXPECT_EQ(p.Report(), ReportOf("Dimensionamento delle variabili (62-Byte)\r\n"
                                   "oltre la capacit\xE0 consentita di 61-Byte !\r\n"
                                   "(Byte riservati: 7)",
                                   "DIM X, Y AS BYTE"));
    EXPECT_EQ(p.State().NoFAT(), 3);  // the rows stay, for the tables view
}

TEST(DeclareVariables, BudgetMessageWithTheStandardExample) {
    Pass p;
    p.Dim({"DIM T[8] AS LONG", "DIM X AS BYTE"});
    EXPECT_EQ(p.Report(), ReportOf("Dimensionamento delle variabili (65-Byte)\r\n"
                                   "oltre la capacit\xE0 consentita di 61-Byte !\r\n"
                                   "(Byte riservati: 7)",
                                   "DIM X AS BYTE"));
}

TEST(DeclareVariables, HundredRowsFitAndTheNextIsReported) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 100; ++i) lines.push_back("DIM V" + std::to_string(i) + " AS BYTE");
    Pass p;
    p.Dim(lines);
    EXPECT_EQ(p.State().NoFAT(), 100);
    lines.push_back("DIM V101 AS BYTE");
    Pass q;
    q.Dim(lines);
    EXPECT_EQ(q.State().NoFAT(), 100);
    EXPECT_EQ(
        q.Report().rfind("<*> ERRORE : Programma troppo grande: superato il limite di 100", 0), 0u)
        << q.Report();
}

TEST(DeclareVariables, NothingAfterAnEarlierError) {
    Pass p;
    p.State().Flag_Error = true;
    p.Dim({"DIM X AS BYTE"});
    EXPECT_EQ(p.State().NoFAT(), 0);
    EXPECT_EQ(p.Lines()[0], "DIM X AS BYTE");
}

// The reserved list checked against the assembler: every name the pass
// accepts assembles as an equate and an operand; every assembler word it
// refuses does not.
TEST(DeclareVariables, ReservedNamesAgreeWithGpasm) {
    const std::vector<std::string> refused = {"B",     "BZ",       "SKPC",     "MOVF",  "NOP",
                                              "TRIS",  "EQU",      "CONSTANT", "TITLE", "LOW",
                                              "UPPER", "__BADRAM", "__16F84",  "ENDW",  "DT"};
    const std::vector<std::string> accepted = {"X",     "CONTA",  "A",    "BRA",    "MOVLB",
                                               "ELIF",  "DEF",    "ZERO", "STATUS", "REG_STATUS",
                                               "BIT_0", "FLAG_Z", "_T1",  "__X"};
    auto assembles = [](const std::string& name) {
        std::string program = "        Include \"PIC16F84.DEF\"\r\n" + name + " EQU 0x0D\r\n";
        program += "        MOVF " + name + " , W\r\n        MOVWF " + name + "\r\n";
        program += "        BSF " + name + " , Bit_1\r\n        END\r\n";
        return tavolux::testing::Assemble(program).ok;
    };
    for (const std::string& name : refused) {
        Pass p;
        p.Dim({"DIM " + name + " AS BYTE"});
        EXPECT_TRUE(p.State().Flag_Error) << name;
        EXPECT_FALSE(assembles(name)) << name;
    }
    for (const std::string& name : accepted) {
        Pass p;
        p.Dim({"DIM " + name + " AS BYTE"});
        EXPECT_FALSE(p.State().Flag_Error) << name << ": " << p.Report();
        EXPECT_TRUE(assembles(name)) << name;
    }
}

}  // namespace
