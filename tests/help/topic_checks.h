// Checks for the help topics held as data: the quoted texts of a topic in
// their order, its heading, lines whose blanks count, well-formed lines, and
// example lines that must translate.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "help_topics.h"
#include "translator.h"

namespace tavolux::help::topic_checks {

// A quoted text is a whole line of the topic, or stands within a line.
enum class Match { Line, Within };
inline constexpr Match kWithin = Match::Within;

struct Quote {
    std::string_view text;
    Match match = Match::Line;
};

// The quotes of one topic in their order; the first is the heading, which
// follows an empty line when leadingEmptyLine is set.
struct QuotedTopic {
    std::string_view procedure;
    bool leadingEmptyLine;
    std::vector<Quote> quotes;
};

// A line whose outer blanks count, with the number of them at each end.
struct BlankedLine {
    std::string_view procedure;
    std::string_view line;
    size_t leading;
    size_t trailing;
};

// A BASIC program built around a topic's example lines: a line written
// "> text" must begin some line of the topic (the rest of which may be a
// note in parentheses), a line written "~ text" must stand within one (an
// example inside a sentence). The program, with those lines as written here,
// must translate without a report; with refusedWith it must be refused with
// a report holding that text, and the topic must name it on a line; with
// refused alone, a topic that names no report, it must be refused.
struct ExampleProgram {
    std::string_view procedure;
    std::vector<std::string_view> program;
    std::string_view refusedWith = {};
    bool refused = false;
};

// Each quote after the one before it: a whole-line quote on a later line,
// a quote within a line further on in the same line or on a later one.
inline ::testing::AssertionResult HoldsQuotesInOrder(const std::vector<std::string>& lines,
                                                     const std::vector<Quote>& quotes) {
    size_t line = 0;    // where the search goes on
    size_t column = 0;  // within lines[line]; 0 while that line is untouched
    for (const Quote& quote : quotes) {
        bool found = false;
        if (quote.match == Match::Line) {
            for (size_t i = column == 0 ? line : line + 1; i < lines.size() && !found; ++i) {
                if (lines[i] == quote.text) {
                    line = i + 1;
                    column = 0;
                    found = true;
                }
            }
        } else {
            for (size_t i = line; i < lines.size() && !found; ++i) {
                const size_t at = lines[i].find(quote.text, i == line ? column : 0);
                if (at != std::string::npos) {
                    line = i;
                    column = at + quote.text.size();
                    found = true;
                }
            }
        }
        if (!found) {
            return ::testing::AssertionFailure()
                   << "\"" << quote.text << "\" is missing or out of order (searched "
                   << "from line " << line + 1 << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult StartsWithHeading(const std::vector<std::string>& lines,
                                                    const QuotedTopic& topic) {
    const size_t heading = topic.leadingEmptyLine ? 1 : 0;
    if (lines.size() <= heading) return ::testing::AssertionFailure() << "too few lines";
    if (topic.leadingEmptyLine && !lines[0].empty()) {
        return ::testing::AssertionFailure() << "the first line is not empty: " << lines[0];
    }
    if (lines[heading] != topic.quotes.front().text) {
        return ::testing::AssertionFailure() << "the heading is \"" << lines[heading] << "\"";
    }
    return ::testing::AssertionSuccess();
}

// The group holds exactly the table's procedures, in its order, and each
// topic its heading and its quotes.
inline void ExpectQuotedTopics(const std::vector<TopicText>& group,
                               const std::vector<QuotedTopic>& table) {
    std::vector<std::string_view> names, expected;
    for (const TopicText& topic : group) names.push_back(topic.procedure);
    for (const QuotedTopic& topic : table) expected.push_back(topic.procedure);
    EXPECT_EQ(names, expected);
    for (const QuotedTopic& topic : table) {
        SCOPED_TRACE(std::string(topic.procedure));
        const std::vector<std::string> lines = TopicLines(topic.procedure, {});
        EXPECT_TRUE(StartsWithHeading(lines, topic));
        EXPECT_TRUE(HoldsQuotesInOrder(lines, topic.quotes));
    }
}

inline void ExpectBlanks(const std::vector<BlankedLine>& table) {
    for (const BlankedLine& row : table) {
        SCOPED_TRACE(std::string(row.procedure) + ": \"" + std::string(row.line) + "\"");
        const std::vector<std::string> lines = TopicLines(row.procedure, {});
        EXPECT_NE(std::find(lines.begin(), lines.end(), row.line), lines.end());
        EXPECT_EQ(row.line.find_first_not_of(' '), row.leading);
        EXPECT_EQ(row.line.size() - 1 - row.line.find_last_not_of(' '), row.trailing);
    }
}

inline bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x06 ? 2
                              : (lead >> 4) == 0x0E ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        }
        i += length;
    }
    return true;
}

// Lines are UTF-8 and hold no line end and no tab.
inline void ExpectWellFormedLines(const std::vector<TopicText>& group) {
    for (const TopicText& topic : group) {
        for (std::string_view line : topic.lines) {
            SCOPED_TRACE(std::string(topic.procedure) + ": \"" + std::string(line) + "\"");
            EXPECT_EQ(line.find_first_of("\r\n\t"), std::string_view::npos);
            EXPECT_TRUE(IsUtf8(line));
        }
    }
}

inline void ExpectExamplesTranslate(const std::vector<ExampleProgram>& table) {
    for (const ExampleProgram& example : table) {
        SCOPED_TRACE(std::string(example.procedure));
        const std::vector<std::string> lines = TopicLines(example.procedure, {});
        const auto shown = [&](std::string_view text, bool atStart) {
            return std::any_of(lines.begin(), lines.end(), [&](const std::string& shownLine) {
                const size_t at = shownLine.find(text);
                return at != std::string::npos && (at == 0 || !atStart);
            });
        };
        std::string basic;
        for (std::string_view line : example.program) {
            const std::string_view mark = line.substr(0, 2);
            if (mark == "> " || mark == "~ ") {
                line.remove_prefix(2);
                EXPECT_TRUE(shown(line, mark == "> "))
                    << "no line of the topic " << (mark == "> " ? "begins with" : "holds") << " \""
                    << line << "\"";
            }
            basic.append(line).append("\r\n");
        }
        Translator translator;
        const TranslationResult result = translator.TranslateProgram(basic, "");
        if (example.refusedWith.empty() && !example.refused) {
            EXPECT_FALSE(result.flagError) << basic << "----\n" << result.asmText;
        } else if (example.refusedWith.empty()) {
            EXPECT_TRUE(result.flagError) << basic << "----\n" << result.asmText;
        } else {
            EXPECT_TRUE(result.flagError) << basic << "----\n" << result.asmText;
            EXPECT_NE(result.asmText.find(example.refusedWith), std::string::npos)
                << basic << "----\n"
                << result.asmText;
            EXPECT_NE(std::find(lines.begin(), lines.end(), example.refusedWith), lines.end())
                << "the topic does not name the report \"" << example.refusedWith << "\"";
        }
    }
}

}  // namespace tavolux::help::topic_checks
