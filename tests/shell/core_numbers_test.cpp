#include <gtest/gtest.h>

#include "numbers.h"

namespace tavolux::shell {
namespace {

TEST(ShellNumbers, ReadNumberIsLenient) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},         {"abc", 0},     {" 14.25", 14.25}, {"1 2 3", 123},
        {"-2.5x", -2.5}, {".5", 0.5},    {"&HFF", 255},     {"&hff", 255},
        {"12,5", 12},    {"1E3", 1000},  {"1e", 1},         {"+7", 7},
        {"-", 0},        {"  10  ", 10}, {"3.", 3},         {"&H", 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ReadNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

TEST(ShellNumbers, ReadHexNumberStopsAtTheFirstNonDigit) {
    EXPECT_EQ(ReadHexNumber("FF00"), 0xFF00u);
    EXPECT_EQ(ReadHexNumber("c00000 tail"), 0xC00000u);
    EXPECT_EQ(ReadHexNumber(""), 0u);
    EXPECT_EQ(ReadHexNumber(" FF"), 0u);
    EXPECT_EQ(ReadHexNumber("80G1"), 0x80u);
    EXPECT_EQ(ReadHexNumber("FFFFFFFFFFFF"), 0xFFFFFFFFu);
}

TEST(ShellNumbers, RoundingGoesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(0.6), 1);
}

TEST(ShellNumbers, SettingsNumberForms) {
    EXPECT_EQ(FormatSingle(14.25), " 14.25");
    EXPECT_EQ(FormatSingle(10), " 10");
    EXPECT_EQ(FormatSingle(-2.5), "-2.5");
    EXPECT_EQ(FormatSingle(0), " 0");
    EXPECT_EQ(FormatSingle(9.75), " 9.75");
    // Seven significant digits, as a single holds them: 9.1 is not 9.1000004.
    EXPECT_EQ(FormatSingle(9.1), " 9.1");
    EXPECT_EQ(FormatSingle(123.456), " 123.456");
    EXPECT_EQ(FormatSingle(199.99), " 199.99");
    EXPECT_EQ(FormatSingle(1.0 / 3), " 0.3333333");
    EXPECT_EQ(FormatInteger(0), " 0");
    EXPECT_EQ(FormatInteger(1), " 1");
    EXPECT_EQ(FormatInteger(-1), "-1");
    EXPECT_EQ(FormatHexColor(0xC00000), "C00000");
    EXPECT_EQ(FormatHexColor(0x80), "80");
    EXPECT_EQ(FormatHexColor(0), "0");
}

TEST(ShellNumbers, ColoursAreBlueGreenRed) {
    // &HFFFFC0: red C0, green FF, blue FF.
    QColor light = BgrToQColor(0xFFFFC0);
    EXPECT_EQ(light.red(), 0xC0);
    EXPECT_EQ(light.green(), 0xFF);
    EXPECT_EQ(light.blue(), 0xFF);
    EXPECT_EQ(QColorToBgr(QColor(0x80, 0, 0)), 0x80);
    EXPECT_EQ(Rgb(255, 70, 70), 0x4646FF);
    EXPECT_EQ(ColorToBgrHex(0x80), "000080");
    EXPECT_EQ(ColorToBgrHex(0xE0E0E0), "E0E0E0");
    EXPECT_EQ(BgrHexToColor("FF00"), 0xFF00);
    EXPECT_EQ(BgrHexToColor("c0ffff"), 0xC0FFFF);
    EXPECT_EQ(BgrHexToColor(""), -1);
    EXPECT_EQ(BgrHexToColor("1234567"), -1);
    EXPECT_EQ(BgrHexToColor("12G4"), -1);
}

}  // namespace
}  // namespace tavolux::shell
