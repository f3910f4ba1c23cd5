// The subroutine table, CALL arguments and SUB bodies on their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::SubRow;
using tavolux::TranslatorTestAccess;
using Lines = std::vector<std::string>;

class Subroutines : public ::testing::Test {
  protected:
    Subroutines() : access_(translator_) { access_.ResetRun(); }

    void Load(const Lines& lines) {
        auto& store = access_.State().ArrayInput;
        store.Clear();
        for (const auto& line : lines) EXPECT_TRUE(store.Append(line));
    }

    Lines Store() {
        Lines out;
        auto& store = access_.State().ArrayInput;
        for (int k = 1; k <= store.size(); ++k) out.push_back(store[k]);
        return out;
    }

    tavolux::Translator translator_;
    TranslatorTestAccess access_;
};

// The rows as "name|count|list".
Lines Rows(const std::vector<SubRow>& rows) {
    Lines out;
    for (const SubRow& row : rows) out.push_back(row.name + "|" + row.count + "|" + row.params);
    return out;
}

TEST_F(Subroutines, HeadersAndCallsAreRewrittenWithTheParameterCount) {
    Load({"CALL AREA(1,2)", "CALL M (X)", "CALL VOLUME( 10 , 20 )", "CALL TEST", "CALL VUOTA()",
          "CALL M(X,)", "SUB AREA(X,Y)", "SUB AREA(X,Y,Z)", "SUB M(A)", "SUB M(A,B)",
          "SUB VOLUME( ALTEZZA , LARGHEZZA )", "SUB TEST", "SUB VUOTA()"});
    access_.ResolveSubsAndCalls();
    ASSERT_FALSE(access_.State().Flag_Error) << access_.State().AsmText;
    EXPECT_EQ(Rows(access_.State().ArraySUB),
              (Lines{"AREA|2|X,Y", "AREA|3|X,Y,Z", "M|1|A", "M|2|A,B",
                     "VOLUME|2|ALTEZZA , LARGHEZZA", "TEST|0|", "VUOTA|0|"}));
    EXPECT_EQ(Store(), (Lines{"X = 1",
                              "Y = 2",
                              "CALL AREA2",
                              "A = X",
                              "CALL M1",
                              "ALTEZZA  = 10 ",
                              " LARGHEZZA =  20",
                              "CALL VOLUME2",
                              "CALL TEST",
                              "CALL VUOTA",
                              "A = X",
                              "B = ",
                              "CALL M2",
                              "SUB AREA2",
                              "SUB AREA3",
                              "SUB M1",
                              "SUB M2",
                              "SUB VOLUME2",
                              "SUB TEST",
                              "SUB VUOTA"}));
}

TEST_F(Subroutines, CallsStayAsTheyAreInAProgramWithoutSubs) {
    Load({"CALL M(X)", "CALL N"});
    access_.ResolveSubsAndCalls();
    EXPECT_FALSE(access_.State().Flag_Error);
    EXPECT_EQ(Store(), (Lines{"CALL M(X)", "CALL N"}));
}

TEST_F(Subroutines, UnclosedParenthesesAreReported) {
    struct Case {
        Lines lines;
        std::string report;
    };
    const Case cases[] = {
        {{"SUB M)(A"},
         "<*> ERRORE : Controllare la definizione della subroutine\r\n---istruzione---\r\nSUB "
         "M)(A"},
        {{"SUB M(A)", "CALL M)(X"},
         "<*> ERRORE : Livello di parentesi non corretto\r\n---istruzione---\r\nCALL M)(X"},
    };
    for (const Case& c : cases) {
        access_.ResetRun();
        Load(c.lines);
        access_.ResolveSubsAndCalls();
        EXPECT_EQ(access_.State().AsmText, c.report);
    }
}

TEST_F(Subroutines, NothingHappensAfterAnEarlierError) {
    Load({"SUB M(A)", "CALL M(1)"});
    access_.State().Flag_Error = true;
    access_.ResolveSubsAndCalls();
    EXPECT_EQ(Store(), (Lines{"SUB M(A)", "CALL M(1)"}));
    EXPECT_TRUE(access_.State().ArraySUB.empty());
}

TEST_F(Subroutines, BodyBecomesLabelAndReturnsAndRecordsEachCallOnce) {
    Load({"SUB M2", "A>        CALL N", "EXIT SUB", "A>        CALL N", "A>        CALL @@RD",
          "X = DIV10(Y)", "Z = DIV10R(0)", "W#VLTx = READ(3)", "X = GETDATA(2)", "WRITE 0, X",
          "Y = X + 1", "END SUB"});
    access_.TranslateSubBlock(1, 12);
    EXPECT_FALSE(access_.State().Flag_Error);
    EXPECT_EQ(Store(),
              (Lines{"A>M2:", "A>        CALL N", "A>        RETURN", "A>        CALL N",
                     "A>        CALL @@RD", "X = DIV10(Y)", "Z = DIV10R(0)", "W#VLTx = READ(3)",
                     "X = GETDATA(2)", "WRITE 0, X", "Y = X + 1", "A>        RETURN"}));
    // Statements that will call a library routine count like the calls
    // already written.
    EXPECT_EQ(access_.State().ArrayCALL,
              (Lines{"M2->N", "M2->@@RD", "M2->@@DV10", "M2->@@DV10C", "M2->@@GD", "M2->@@WRT"}));
}

TEST_F(Subroutines, ABodyWithoutCallsAddsNoPair) {
    Load({"SUB M", "X = 1", "END SUB"});
    access_.TranslateSubBlock(1, 3);
    EXPECT_TRUE(access_.State().ArrayCALL.empty());
    EXPECT_EQ(Store(), (Lines{"A>M:", "X = 1", "A>        RETURN"}));
}

TEST_F(Subroutines, TheHundredAndFirstPairIsReportedWithoutStatement) {
    Lines block{"SUB M"};
    for (int i = 1; i <= 101; ++i) block.push_back("A>        CALL S" + std::to_string(i));
    block.push_back("END SUB");
    Load(block);
    access_.State().CurrentStatement = "SUB M";
    access_.TranslateSubBlock(1, static_cast<int>(block.size()));
    EXPECT_EQ(access_.State().AsmText,
              "<*> ERRORE : Il programma contiene troppe chiamate a subroutine.\r\n");
    EXPECT_EQ(access_.State().NoCALL(), 100);
}

TEST(SubroutineProgram, CallingTheSameSubTwiceGivesOnePair) {
    tavolux::Translator t;
    const auto result = t.TranslateProgram(
        "DIM X AS BYTE\r\nCALL A1\r\nEND\r\nSUB A1\r\nCALL B1\r\nCALL B1\r\nX = READ(1)\r\n"
        "END SUB\r\nSUB B1\r\nEND SUB\r\n",
        "");
    ASSERT_FALSE(result.flagError) << result.asmText;
    EXPECT_EQ(t.State().ArrayCALL, (Lines{"A1->B1", "A1->@@RD"}));
    EXPECT_EQ(t.State().MaxCallDepth, 1);
}

}  // namespace
