// The examples window's text and its size.
#include <gtest/gtest.h>

#include "examples_text.h"

namespace tavolux::help {
namespace {

TEST(ExamplesText, HeaderProgramsThreeEmptyLinesBetweenAndOneAtTheEnd) {
    EXPECT_EQ(ExamplesText({"A\nB  \n", "C\r\n\r\nD\r\n", "E"}),
              "(Doppio click con il mouse per eseguire una stampa)\r\n\r\n"
              "A\r\nB  \r\n\r\n\r\n\r\n"
              "C\r\n\r\nD\r\n\r\n\r\n\r\n"
              "E\r\n\r\n");
    EXPECT_EQ(ExamplesText({}), std::string(kExamplesHeader) + "\r\n\r\n\r\n");
}

TEST(ExamplesText, WindowAndTextBoxOnTheScreen) {
    const ExamplesLayout r = FitExamplesToScreen(16000, 12000);
    EXPECT_DOUBLE_EQ(r.windowWidth, 14400);
    EXPECT_DOUBLE_EQ(r.windowHeight, 10800);
    EXPECT_DOUBLE_EQ(r.textWidth, 13680);
    EXPECT_DOUBLE_EQ(r.textHeight, 9720);
    EXPECT_DOUBLE_EQ(r.textLeft, 360);
    EXPECT_DOUBLE_EQ(r.textTop, 350);
}

}  // namespace
}  // namespace tavolux::help
