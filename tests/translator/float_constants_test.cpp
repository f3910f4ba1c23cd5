// The four bytes of a decimal constant in the translator's float layout:
// exponent + 127, then the sign and 23 mantissa digits, cut without rounding.
#include <gtest/gtest.h>

#include <string>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::TranslatorTestAccess;

struct FloatCase {
    float value;
    const char* hex;
};

class FloatConstants : public ::testing::Test {
  protected:
    FloatConstants() : access_(translator_) { access_.ResetRun(); }
    tavolux::Translator translator_;
    TranslatorTestAccess access_;
};

TEST_F(FloatConstants, LayoutOfValuesAboveAndBelowOne) {
    const FloatCase cases[] = {
        {2.75f, "80300000"},
        {-1.5f, "7FC00000"},
        {1.5f, "7F400000"},
        {3.14f, "8048F5C3"},
        {0.1f, "7B4CCCC0"},
        {255.99f, "867FFD71"},
        {1.0f, "7F000000"},
        {-0.5f, "7E800000"},
        {0.0f, "00000000"},
        {255.0f, "867F0000"},
        {-255.99f, "86FFFD71"},
        // The leading 1 as the 23rd fraction digit: nothing left for the mantissa.
        {1.1920929e-7f, "68000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(access_.ConvertFloatToHex(c.value), c.hex) << c.value;
    }
    EXPECT_FALSE(access_.State().Flag_Error);
}

TEST_F(FloatConstants, ValueBelowTheSmallestTheLayoutHoldsIsZero) {
    // Not 1.0 ("7F000000"), whatever the sign.
    for (float value : {1e-8f, -1e-8f, 5e-8f}) {
        EXPECT_EQ(access_.ConvertFloatToHex(value), "00000000") << value;
    }
    EXPECT_FALSE(access_.State().Flag_Error);
}

TEST_F(FloatConstants, IntegerPartAbove255IsRefused) {
    for (float value : {256.5f, -256.5f, 40000.5f}) {
        access_.ResetRun();
        EXPECT_EQ(access_.ConvertFloatToHex(value), "00000000") << value;
        EXPECT_TRUE(access_.State().Flag_Error);
    }
}

TEST(FloatBinToHex, PadsOnTheLeftAndCountsOnlyOnes) {
    EXPECT_EQ(TranslatorTestAccess::ConvertBinToHex("1"), "01");
    EXPECT_EQ(TranslatorTestAccess::ConvertBinToHex("10000000"), "80");
    EXPECT_EQ(TranslatorTestAccess::ConvertBinToHex(""), "00");
    EXPECT_EQ(TranslatorTestAccess::ConvertBinToHex("11111111"), "FF");
    EXPECT_EQ(TranslatorTestAccess::ConvertBinToHex("1x1"), "05");
}

}  // namespace
