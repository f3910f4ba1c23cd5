#include "basic_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace tavolux::text;

TEST(BasicText, MidAndInStrCountFromOneAndNeverThrow) {
    EXPECT_EQ(Mid("ABCDE", 2, 3), "BCD");
    EXPECT_EQ(Mid("ABCDE", 4), "DE");
    EXPECT_EQ(Mid("ABCDE", 0, 2), "AB");
    EXPECT_EQ(Mid("ABCDE", 9), "");
    EXPECT_EQ(Mid("ABCDE", 5, 10), "E");
    EXPECT_EQ(Left("ABC", 5), "ABC");
    EXPECT_EQ(Right("ABC", 2), "BC");
    EXPECT_EQ(Right("ABC", -1), "");

    EXPECT_EQ(InStr("A = B = C", "="), 3);
    EXPECT_EQ(InStr("A = B = C", "=", 4), 7);
    EXPECT_EQ(InStr("ABC", "X"), 0);
    EXPECT_EQ(InStr("ABC", "C", 10), 0);
    EXPECT_EQ(InStr("ABC", "", 2), 2);
    EXPECT_EQ(InStrRev("C:\\A\\B.BAS", "\\"), 5);
}

TEST(BasicText, TrimRemovesBlanksOnly) {
    EXPECT_EQ(Trim("  X = 1  "), "X = 1");
    EXPECT_EQ(Trim("\tX\t"), "\tX\t");
    EXPECT_EQ(LTrim("  A "), "A ");
    EXPECT_EQ(RTrim("  A "), "  A");
    EXPECT_EQ(Trim("   "), "");
}

TEST(BasicText, UCaseTakesAccentedLettersAlong) {
    EXPECT_EQ(UCase("abc xyz 09"), "ABC XYZ 09");
    EXPECT_EQ(UCase("\xE8\xE0\xF7"), "\xC8\xC0\xF7");  // è à ÷
}

TEST(BasicText, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12", 12},  {" 1 2 ", 12},   {"-5", -5},   {"1.5", 1.5},  {"1,5", 1},
        {".5", 0.5}, {"-.25", -0.25}, {"5A", 5},    {"&H1F", 31},  {"&hff", 255},
        {"&H", 0},   {"&HZZ", 0},     {"&O17", 15}, {"1E3", 1000}, {"1E", 1},
        {"ABC", 0},  {"", 0},         {"+7", 7},    {"3-2", 3},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(BasicText, ValWholeTakesOneNumberAndNothingElse) {
    const std::pair<const char*, double> numbers[] = {
        {"12", 12},   {" 127 ", 127}, {"-5", -5},   {"+7", 7},     {"05", 5},
        {"2.5", 2.5}, {"1E3", 1000},  {"&H1F", 31}, {"&hff", 255}, {"&O17", 15},
    };
    for (const auto& [text, value] : numbers) {
        ASSERT_TRUE(ValWhole(text).has_value()) << text;
        EXPECT_DOUBLE_EQ(*ValWhole(text), value) << text;
    }
    for (const char* no : {"", "  ", "1 27", "127 MS", "127MS", "127O", "3, 4", "3,4", "1E", "&H",
                           "&HZZ", "&H3AG", "-&H1F", "X", "-", "5-"}) {
        EXPECT_FALSE(ValWhole(no).has_value()) << no;
    }
}

TEST(BasicText, RoundingIsHalfToEvenAndRangesAreCheckedFirst) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_FALSE(ToInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_FALSE(ToInt16(1e300).has_value());
    EXPECT_FALSE(ToInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_EQ(ToIntInRange(255, 0, 255), 255);
    EXPECT_FALSE(ToIntInRange(256, 0, 255).has_value());
    EXPECT_FALSE(ToIntInRange(std::numeric_limits<double>::infinity(), 0, 255).has_value());
}

TEST(BasicText, CanonicalNumbers) {
    EXPECT_EQ(CanonicalNumber(5), "5");
    EXPECT_EQ(CanonicalNumber(-5), "-5");
    EXPECT_EQ(CanonicalNumber(0.5), ".5");
    EXPECT_EQ(CanonicalNumber(-0.25), "-.25");
    EXPECT_EQ(CanonicalNumber(1.5), "1.5");
    EXPECT_EQ(CanonicalNumber(-0.0), "0");
    EXPECT_EQ(CanonicalNumber(0.1 + 0.2), ".3");  // 15 significant digits
}

TEST(BasicText, Cp1252RoundTrip) {
    EXPECT_EQ(Utf8ToCp1252("l'\xC3\xA8 \xE2\x82\xAC"), "l'\xE8 \x80");  // è and the euro sign
    EXPECT_EQ(Cp1252ToUtf8("Disponibilit\xE0"), "Disponibilit\xC3\xA0");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside Windows-1252
    EXPECT_EQ(Utf8ToCp1252("A\xC3"), "A?");            // cut short
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(100), "64");
    EXPECT_EQ(ReplaceFirst("&H1 &H2", "&H", "0x"), "0x1 &H2");
    EXPECT_EQ(ReplaceAll("A  B  C", "  ", " "), "A B C");
}

}  // namespace
