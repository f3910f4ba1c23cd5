#include <gtest/gtest.h>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::Translator;

TEST(Symbols, FormatHexLiteral) {
    const std::pair<int, const char*> cases[] = {{0, "0"},      {1, "0x01"},     {10, "0x0A"},
                                                 {255, "0xFF"}, {-1, "0xFF"},    {-2, "0xFE"},
                                                 {256, "0x00"}, {-32768, "0x00"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(Translator::FormatHexLiteral(value), text);
}

TEST(Symbols, IsNumberWantsTheCanonicalWriting) {
    for (const char* yes :
         {"5", "-5", "0", "1.5", "1,5", ".5", "-.25", " 12 ", "&H1F", " &HFF ", "&H0", "255"}) {
        EXPECT_TRUE(Translator::IsNumber(yes)) << yes;
    }
    // A hexadecimal number too is its digits and nothing else.
    for (const char* no : {"05", "+5", "5.", "1.50", "0.5", "1E3", "5A", "-0", "1 2", "", "  ", "X",
                           "-", "&H", "&HZZ", "&H3AG", "&H3A 5", "&H4A+1", "-&H1F"}) {
        EXPECT_FALSE(Translator::IsNumber(no)) << no;
    }
}

TEST(Symbols, NumberValueReadsTheFirstCommaAsThePoint) {
    EXPECT_DOUBLE_EQ(Translator::NumberValue("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(Translator::NumberValue(" -.25 "), -0.25);
    EXPECT_DOUBLE_EQ(Translator::NumberValue("&H1F"), 31);
}

// A constant used as a byte is one an assignment stores: -256 to 255 after
// rounding half to even, a negative one written as its two's complement.
TEST(Symbols, NumberImmediateIsAByteOrNothing) {
    const std::pair<const char*, const char*> bytes[] = {
        {"0", "0"},        {"255", "0xFF"},   {"-1", "0xFF"},   {"-256", "0x00"},
        {"254,5", "0xFE"}, {"255.4", "0xFF"}, {"&HFF", "0xFF"}, {"-129", "0x7F"}};
    for (const auto& [number, immediate] : bytes) {
        EXPECT_EQ(Translator::NumberImmediate(number), immediate) << number;
    }
    for (const char* no : {"256", "255.5", "-257", "-256.6", "300", "&H100", "&HFFFF", "1000"}) {
        EXPECT_FALSE(Translator::NumberImmediate(no).has_value()) << no;
    }
}

TEST(Symbols, ReadDirectionTakesOneWord) {
    EXPECT_EQ(Translator::ReadDirection(" INPUT"), true);
    EXPECT_EQ(Translator::ReadDirection("OUTPUT "), false);
    for (const char* no : {"IMPUT", "INPUT 5", "INPUT, 4", "NOT INPUT", "OUTPUT X", "USCITA", ""}) {
        EXPECT_FALSE(Translator::ReadDirection(no).has_value()) << no;
    }
}

TEST(Symbols, PortsAndPins) {
    for (const char* yes : {"A0", "A4", "B0", "B7"}) EXPECT_TRUE(Translator::IsPinName(yes)) << yes;
    for (const char* no : {"A5", "B8", "A", "B10", "C0", "a0", ""}) {
        EXPECT_FALSE(Translator::IsPinName(no)) << no;
    }
    EXPECT_TRUE(Translator::IsPortName("A"));
    EXPECT_TRUE(Translator::IsPortName("B"));
    EXPECT_FALSE(Translator::IsPortName("a"));
    EXPECT_FALSE(Translator::IsPortName("AB"));
}

TEST(Symbols, FindCompareOperatorTriesTheOperatorsInOrder) {
    struct Case {
        const char* text;
        bool found;
        int code, position, length;
    };
    const Case cases[] = {
        {"X<=3", true, 2, 2, 2},   {"X=<3", true, 4, 2, 1},  {"A = B <> C", true, 1, 7, 2},
        {"X >= 1", true, 3, 3, 2}, {"X > 1", true, 6, 3, 1}, {"X < 1", true, 5, 3, 1},
        {"X", false, 0, 0, 0},     {"", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const tavolux::CompareOperator found = Translator::FindCompareOperator(c.text);
        EXPECT_EQ(found.op != tavolux::Comparison::kNone, c.found) << c.text;
        EXPECT_EQ(static_cast<int>(found.op), c.code) << c.text;
        EXPECT_EQ(found.position, c.position) << c.text;
        EXPECT_EQ(found.length, c.length) << c.text;
    }
}

TEST(Symbols, VariablesAndSubroutineLabels) {
    Translator t;
    tavolux::TranslatorTestAccess a(t);
    auto& s = a.State();
    s.FAT = {
        {"CONTA", "BYTE", "1"}, {"N", "INTEGER", "2"}, {"F", "FLOAT", "4"}, {"L", "LONG", "8"}};
    EXPECT_TRUE(t.IsVariable("CONTA"));
    EXPECT_TRUE(t.IsVariable("W#VLTx"));  // generated names count before they are declared
    EXPECT_FALSE(t.IsVariable("conta"));
    EXPECT_FALSE(t.IsVariable(""));
    EXPECT_EQ(t.GetVarSize("CONTA"), 1);
    EXPECT_EQ(t.GetVarSize("N"), 2);
    EXPECT_EQ(t.GetVarSize("F"), 4);
    EXPECT_EQ(t.GetVarSize("L"), 8);
    EXPECT_EQ(t.GetVarSize("W#VLTx"), 0);

    // A subroutine is called by its label: the bare name without parameters,
    // the name and the count with them.
    s.ArraySUB = {{"PAUSA", "0", ""}, {"M", "1", "A"}, {"AREA", "2", "X,Y"}};
    EXPECT_TRUE(t.IsSubName("PAUSA"));
    EXPECT_FALSE(t.IsSubName("PAUSA0"));
    EXPECT_TRUE(t.IsSubName("M1"));
    EXPECT_FALSE(t.IsSubName("M"));
    EXPECT_TRUE(t.IsSubName("AREA2"));
    EXPECT_FALSE(t.IsSubName("AREA"));
    EXPECT_FALSE(t.IsSubName(""));
}

}  // namespace
