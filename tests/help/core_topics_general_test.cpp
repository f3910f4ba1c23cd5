// The general help topics: the examples of "Aritmetica di base" translate.
#include <gtest/gtest.h>

#include <vector>

#include "help_topics.h"
#include "topic_checks.h"

namespace tavolux::help {
namespace {

using namespace topic_checks;

TEST(TopicsGeneral, ExampleLinesTranslate) {
    ExpectExamplesTranslate({
        {"ShowTopicArithmetic",
         {"Dim X, Y, Z, K as Byte", "~ X = Y AND Z", "~ X = Y OR Z", "~ X = NOT(Y)",
          "~ X = Y XOR Z", "> X = NOT( ( Y AND Z ) OR ( Z AND K ) )", "~ X = 28", "~ X = B'011101'",
          "~ X = 0x4A", "~ X = 200", "END"}},
    });
}

}  // namespace
}  // namespace tavolux::help
