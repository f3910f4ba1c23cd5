// The IF block translator on its own: the lines it leaves for one block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::TranslatorTestAccess;
using Lines = std::vector<std::string>;

std::string I(const std::string& instruction) {
    return "A>        " + instruction;
}

class IfBlock : public ::testing::Test {
  protected:
    IfBlock() : access_(translator_) {
        access_.ResetRun();
        access_.State().FAT = {{"X", "BYTE", "1"}, {"Y", "BYTE", "1"}, {"N", "INTEGER", "2"}};
    }

    // Loads the block and translates it; the ELSE line, if any, is found by
    // its text.
    Lines Translate(const Lines& block) {
        auto& store = access_.State().ArrayInput;
        store.Clear();
        for (const auto& line : block) EXPECT_TRUE(store.Append(line));
        int elseLine = -1;
        for (int k = 1; k <= store.size(); ++k) {
            if (store[k] == "ELSE") elseLine = k;
        }
        access_.TranslateIfBlock(1, store.size(), elseLine);
        Lines out;
        for (int k = 1; k <= store.size(); ++k) out.push_back(store[k]);
        return out;
    }

    // The test lines of a lone "IF condition THEN" / "END IF" block, without
    // the final label line of F.
    Lines Test(const std::string& condition) {
        Lines out = Translate({"IF " + condition + " THEN", "END IF"});
        EXPECT_FALSE(access_.State().Flag_Error) << access_.State().AsmText;
        if (!out.empty()) out.pop_back();
        return out;
    }

    tavolux::Translator translator_;
    TranslatorTestAccess access_;
};

TEST_F(IfBlock, BlockWithoutElse) {
    EXPECT_EQ(Translate({"IF X = 5 THEN", "Y = 1", "END IF"}),
              (Lines{I("MOVF X , W"), I("SUBLW 0x05"), I("BTFSS Reg_Status , Flag_Z"), I("GOTO @1"),
                     "Y = 1", "A>@1:"}));
}

TEST_F(IfBlock, BlockWithElse) {
    EXPECT_EQ(Translate({"IF X <> 0 THEN", "A = 1", "ELSE", "A = 2", "END IF"}),
              (Lines{I("MOVF X , W"), I("BTFSC Reg_Status , Flag_Z"), I("GOTO @1"), "A = 1",
                     I("GOTO @2"), "A>@1:", "A = 2", "A>@2:"}));
}

TEST_F(IfBlock, MiddleLabelIsMadeAfterTheFrame) {
    EXPECT_EQ(Translate({"IF X <= 5 THEN", "A = 1", "ELSE", "A = 2", "END IF"}),
              (Lines{I("MOVLW 0x05"), I("SUBWF X , W"), I("BTFSC Reg_Status , Flag_Z"),
                     I("GOTO @3"), I("BTFSC Reg_Status , Flag_C"), I("GOTO @1"), "A>@3:", "A = 1",
                     I("GOTO @2"), "A>@1:", "A = 2", "A>@2:"}));
}

TEST_F(IfBlock, ElseOutsideTheBlockIsIgnored) {
    auto& store = access_.State().ArrayInput;
    for (const char* line : {"ELSE", "IF X = 0 THEN", "END IF"}) store.Append(line);
    access_.TranslateIfBlock(2, 3, 1);
    EXPECT_EQ(store[1], "ELSE");
    EXPECT_EQ(store[5], "A>@1:");
    EXPECT_EQ(access_.State().LabelCounter, 1);
}

TEST_F(IfBlock, ComparisonTemplates) {
    struct Case {
        const char* condition;
        Lines lines;
    };
    // The constant 0 gives the signed tests; every other constant and a
    // second variable the unsigned ones (F is @1, M is @2).
    const Case cases[] = {
        {"X = 0", {"MOVF X , W", "BTFSS Reg_Status , Flag_Z", "GOTO @1"}},
        {"X <> 0", {"MOVF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1"}},
        {"X < 0",
         {"MOVF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1", "RLF X , W",
          "BTFSS Reg_Status , Flag_C", "GOTO @1"}},
        {"X > 0",
         {"MOVF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1", "RLF X , W",
          "BTFSC Reg_Status , Flag_C", "GOTO @1"}},
        {"X <= 0",
         {"MOVF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2", "RLF X , W",
          "BTFSS Reg_Status , Flag_C", "GOTO @1", "@2:"}},
        {"X >= 0",
         {"MOVF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2", "RLF X , W",
          "BTFSC Reg_Status , Flag_C", "GOTO @1", "@2:"}},
        {"X = 7", {"MOVF X , W", "SUBLW 0x07", "BTFSS Reg_Status , Flag_Z", "GOTO @1"}},
        {"X <> 7", {"MOVF X , W", "SUBLW 0x07", "BTFSC Reg_Status , Flag_Z", "GOTO @1"}},
        {"X < 7",
         {"MOVLW 0x07", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1",
          "BTFSC Reg_Status , Flag_C", "GOTO @1"}},
        {"X > 7",
         {"MOVLW 0x07", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1",
          "BTFSS Reg_Status , Flag_C", "GOTO @1"}},
        {"X <= 7",
         {"MOVLW 0x07", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2",
          "BTFSC Reg_Status , Flag_C", "GOTO @1", "@2:"}},
        {"X >= 7",
         {"MOVLW 0x07", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2",
          "BTFSS Reg_Status , Flag_C", "GOTO @1", "@2:"}},
        {"X = Y", {"MOVF X , W", "SUBWF Y , W", "BTFSS Reg_Status , Flag_Z", "GOTO @1"}},
        {"X <> Y", {"MOVF X , W", "SUBWF Y , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1"}},
        {"X < Y",
         {"MOVF Y , W", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1",
          "BTFSC Reg_Status , Flag_C", "GOTO @1"}},
        {"X > Y",
         {"MOVF Y , W", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @1",
          "BTFSS Reg_Status , Flag_C", "GOTO @1"}},
        {"X <= Y",
         {"MOVF Y , W", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2",
          "BTFSC Reg_Status , Flag_C", "GOTO @1", "@2:"}},
        {"X >= Y",
         {"MOVF Y , W", "SUBWF X , W", "BTFSC Reg_Status , Flag_Z", "GOTO @2",
          "BTFSS Reg_Status , Flag_C", "GOTO @1", "@2:"}},
    };
    for (const Case& c : cases) {
        access_.ResetRun();
        access_.State().FAT = {{"X", "BYTE", "1"}, {"Y", "BYTE", "1"}};
        Lines expected;
        for (const auto& line : c.lines)
            expected.push_back(line.back() == ':' ? "A>" + line : I(line));
        EXPECT_EQ(Test(c.condition), expected) << c.condition;
    }
}

TEST_F(IfBlock, OperandsAndConstants) {
    struct Case {
        const char* condition;
        const char* load;  // the first test line
    };
    // Constants are rounded half to even and written as a byte, a negative
    // one as its two's complement; a multi-byte variable is used by its
    // first byte, that is by its name.
    const Case cases[] = {
        {"X=5", "MOVF X , W"},          {"X = -5", "SUBLW 0xFB"},   {"X = 2.5", "SUBLW 0x02"},
        {"X = 1,5", "SUBLW 0x02"},      {"X = -256", "SUBLW 0x00"}, {"X = .4", "SUBLW 0"},
        {"X = &H1F", "SUBLW 0x1F"},     {"X = -1", "SUBLW 0xFF"},   {"N = 44", "SUBLW 0x2C"},
        {"W#D1 <> 0", "MOVF W#D1 , W"}, {"X = 255", "SUBLW 0xFF"},
    };
    for (const Case& c : cases) {
        access_.ResetRun();
        access_.State().FAT = {{"X", "BYTE", "1"}, {"N", "INTEGER", "2"}};
        const Lines lines = Test(c.condition);
        const std::string wanted = I(c.load);
        EXPECT_TRUE(lines.size() >= 2 && (lines[0] == wanted || lines[1] == wanted))
            << c.condition << ": " << (lines.empty() ? "" : lines[0] + " / " + lines[1]);
    }
    access_.ResetRun();
    access_.State().FAT = {{"X", "BYTE", "1"}};
    const Lines spaced = Test("X = 5");
    access_.ResetRun();
    access_.State().FAT = {{"X", "BYTE", "1"}};
    EXPECT_EQ(Test("X=5"), spaced);
}

TEST_F(IfBlock, FlagTests) {
    struct Case {
        const char* condition;
        const char* test;
    };
    // Only the forms that plainly mean a clear or a set flag are taken.
    const Case cases[] = {
        {"FLAG_CARRY = 0", "BTFSC Reg_Status , Flag_C"},
        {"FLAG_CARRY <> 1", "BTFSC Reg_Status , Flag_C"},
        {"FLAG_CARRY < 1", "BTFSC Reg_Status , Flag_C"},
        {"FLAG_CARRY = 1", "BTFSS Reg_Status , Flag_C"},
        {"FLAG_CARRY <> 0", "BTFSS Reg_Status , Flag_C"},
        {"FLAG_CARRY", "BTFSS Reg_Status , Flag_C"},
        {"FLAG_CARRY=0", "BTFSC Reg_Status , Flag_C"},
        {"FLAG_ZERO = 0", "BTFSC Reg_Status , Flag_Z"},
        {"FLAG_ZERO <> 1", "BTFSC Reg_Status , Flag_Z"},
        {"FLAG_ZERO = 1", "BTFSS Reg_Status , Flag_Z"},
        {"FLAG_ZERO", "BTFSS Reg_Status , Flag_Z"},
    };
    for (const Case& c : cases) {
        access_.ResetRun();
        EXPECT_EQ(Test(c.condition), (Lines{I(c.test), I("GOTO @1")})) << c.condition;
    }
}

TEST_F(IfBlock, RefusedConditions) {
    struct Case {
        const char* statement;
        const char* message;
    };
    const Case cases[] = {
        {"IF 5 < X THEN", "Variabile non definita 5"},
        {"IF X THEN", "Controllare l'istruzione"},
        {"IF X > Q THEN", "Variabile non definita"},
        {"IF X = Y + 1 THEN", "Variabile non definita"},
        {"IF Q = 1 THEN", "Variabile non definita Q"},
        {"IF FLAG_CARRY = 2 THEN", "Controllare l'istruzione"},
        {"IF FLAG_CARRY > 0 THEN", "Controllare l'istruzione"},
        {"IF FLAG_ZERO >= 1 THEN", "Controllare l'istruzione"},
        {"IF FLAG_ZERO = X THEN", "Controllare l'istruzione"},
        {"IF X = FLAG_CARRY THEN", "Controllare l'istruzione"},
        // A constant no byte holds.
        {"IF X > 300 THEN", "Costante numerica non ammessa"},
        {"IF X = 256 THEN", "Costante numerica non ammessa"},
        {"IF X <> 255.5 THEN", "Costante numerica non ammessa"},
        {"IF X < -257 THEN", "Costante numerica non ammessa"},
        {"IF X >= &H1FF THEN", "Costante numerica non ammessa"},
        {"IF X = 70000 THEN", "Costante numerica non ammessa"},
    };
    for (const Case& c : cases) {
        access_.ResetRun();
        access_.State().FAT = {{"X", "BYTE", "1"}, {"Y", "BYTE", "1"}};
        // The frame is written; the IF line stays as it was.
        EXPECT_EQ(Translate({c.statement, "END IF"}), (Lines{c.statement, "A>@1:"})) << c.statement;
        EXPECT_TRUE(access_.State().Flag_Error);
        EXPECT_EQ(access_.State().AsmText, std::string("<*> ERRORE : ") + c.message +
                                               "\r\n---istruzione---\r\n" + c.statement);
    }
}

TEST_F(IfBlock, InputConditionsJumpToTheFalseLabelOfTheFrame) {
    for (const char* statement : {"IF INPUT(A0) = 1 THEN", "IF INPUT(A0) THEN"}) {
        access_.ResetRun();
        EXPECT_EQ(
            Translate({statement, "ELSE", "END IF"}),
            (Lines{I("BTFSS Reg_PortA , Bit_0"), I("GOTO @1"), I("GOTO @2"), "A>@1:", "A>@2:"}));
        EXPECT_FALSE(access_.State().Flag_Error);
    }
}

}  // namespace
