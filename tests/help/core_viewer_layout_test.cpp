// The help viewer's geometry: the design where the fonts fit it, the list
// and the text box widened where they do not; and which lines it keeps whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "help_list.h"
#include "viewer_layout.h"

namespace tavolux::help {
namespace {

void ExpectRect(const ViewerRect& r, double left, double top, double width, double height) {
    EXPECT_DOUBLE_EQ(r.left, left);
    EXPECT_DOUBLE_EQ(r.top, top);
    EXPECT_DOUBLE_EQ(r.width, width);
    EXPECT_DOUBLE_EQ(r.height, height);
}

TEST(HelpViewerLayout, TheDesignWhereTheFontsFitIt) {
    for (const auto& [list, text] : {std::pair{0.0, 0.0}, {3135.0, 9495.0}, {2000.0, 9000.0}}) {
        SCOPED_TRACE(testing::Message() << list << " " << text);
        const ViewerLayout l = ComputeViewerLayout(list, text);
        EXPECT_DOUBLE_EQ(l.windowWidth, 14265);
        EXPECT_DOUBLE_EQ(l.windowHeight, 7440);
        ExpectRect(l.label, 600, 720, 3255, 735);
        ExpectRect(l.list, 600, 1680, 3135, 5160);
        ExpectRect(l.text, 3960, 600, 9495, 6255);
        ExpectRect(l.picture, 6240, 1200, 5295, 5580);
        EXPECT_DOUBLE_EQ(l.frameLeft, 240);
        EXPECT_DOUBLE_EQ(l.frameTop, 240);
        EXPECT_DOUBLE_EQ(l.frameRight, 13920);
        EXPECT_DOUBLE_EQ(l.frameBottom, 7080);
    }
}

// A wider list pushes the text box to the right; a wider text box, and the
// window with it, grows to the right. The picture keeps its distance from
// the text box's right edge; the title, the heights and the frame's other
// edges stay.
TEST(HelpViewerLayout, WiderFontsWidenTheListAndTheTextBox) {
    struct Case {
        double list, text;
        double listGrowth, textGrowth;
    };
    const Case cases[] = {
        {3360, 0, 225, 0},
        {0, 12330, 0, 2835},
        {3360, 12330, 225, 2835},
        {3150, 9510, 15, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << " " << c.text);
        const ViewerLayout l = ComputeViewerLayout(c.list, c.text);
        const double growth = c.listGrowth + c.textGrowth;
        EXPECT_DOUBLE_EQ(l.windowWidth, 14265 + growth);
        EXPECT_DOUBLE_EQ(l.windowHeight, 7440);
        ExpectRect(l.label, 600, 720, 3255, 735);
        ExpectRect(l.list, 600, 1680, 3135 + c.listGrowth, 5160);
        ExpectRect(l.text, 3960 + c.listGrowth, 600, 9495 + c.textGrowth, 6255);
        ExpectRect(l.picture, 6240 + growth, 1200, 5295, 5580);
        EXPECT_DOUBLE_EQ(l.frameLeft, 240);
        EXPECT_DOUBLE_EQ(l.frameTop, 240);
        EXPECT_DOUBLE_EQ(l.frameRight, 13920 + growth);
        EXPECT_DOUBLE_EQ(l.frameBottom, 7080);
    }
}

// A screen without the room for the widened window holds it: the text box
// gives up what is missing and scrolls over its lines; the list, the
// heights and the design where it fits stay. The picture keeps its
// distance from the text box's right edge while the box holds it whole.
TEST(HelpViewerLayout, AWindowTooWideForTheScreenIsHeldToIt) {
    struct Case {
        double list, text, room;
        double window, textWidth, linesWidth, pictureLeft;
    };
    const Case cases[] = {
        // Liberation Mono at 96 dpi, 1024 pixels less a frame of 4.
        {3360, 12330, 15300, 15300, 10305, 12330, 7275},
        {3360, 12330, 17325, 17325, 12330, 12330, 9300},  // just room enough
        {3360, 12330, 30000, 17325, 12330, 12330, 9300},
        {0, 0, 15300, 14265, 9495, 9495, 6240},  // the design fits: it stays
        {0, 0, 14000, 14000, 9230, 9495, 5975},  // the design does not
        // 800 pixels: the picture stands at the box's left edge; the box is
        // never narrower than the picture.
        {3360, 12330, 11940, 11940, 6945, 12330, 4185},
        {3360, 12330, 6000, 10290, 5295, 12330, 4185},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << " " << c.text << " " << c.room);
        const ViewerLayout l = ComputeViewerLayout(c.list, c.text, c.room);
        EXPECT_DOUBLE_EQ(l.windowWidth, c.window);
        EXPECT_DOUBLE_EQ(l.windowHeight, 7440);
        ExpectRect(l.label, 600, 720, 3255, 735);
        ExpectRect(l.list, 600, 1680, std::max(3135.0, c.list), 5160);
        ExpectRect(l.text, 600 + std::max(3135.0, c.list) + 225, 600, c.textWidth, 6255);
        EXPECT_DOUBLE_EQ(l.textLinesWidth, c.linesWidth);
        ExpectRect(l.picture, c.pictureLeft, 1200, 5295, 5580);
        EXPECT_DOUBLE_EQ(l.frameRight, c.window - 345);
        EXPECT_DOUBLE_EQ(l.frameBottom, 7080);
    }
}

// Characters are counted, not bytes: "è" is one.
TEST(HelpViewerLayout, ALineLongerThanNinetyCharactersIsAParagraph) {
    struct Case {
        std::string line;
        bool paragraph;
    };
    const Case cases[] = {
        {"", false},
        {std::string(90, 'x'), false},
        {std::string(91, 'x'), true},
        {std::string(85, 'x') + "èèèèè", false},
        {std::string(86, 'x') + "èèèèè", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsParagraph(c.line), c.paragraph) << c.line;
}

// The lines to keep whole are the instructions' and the topics' lines, with
// no line end and no paragraph among them.
TEST(HelpViewerLayout, LinesShownWholeAreTheViewersLinesButParagraphs) {
    const std::vector<std::string> lines = LinesShownWhole(HelpContext{});
    const auto holds = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(holds("   c) Doppio click per ottenere un file-help testo."));
    const std::string call = HelpPageText("CALL", HelpContext{});
    int callLines = 0;
    for (std::size_t at = 0, end; (end = call.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        const std::string line = call.substr(at, end - at);
        if (!line.empty() && !IsParagraph(line)) {
            EXPECT_TRUE(holds(line)) << line;
            ++callLines;
        }
    }
    EXPECT_GT(callLines, 0);
    for (const std::string& line : lines) {
        EXPECT_FALSE(IsParagraph(line)) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace tavolux::help
