#include "viewer_layout.h"

#include <algorithm>

#include "help_list.h"

namespace tavolux::help {

namespace {

// The design.
constexpr double kWindowWidth = 14265, kWindowHeight = 7440;
constexpr ViewerRect kLabel{600, 720, 3255, 735};
constexpr ViewerRect kList{600, 1680, 3135, 5160};
constexpr ViewerRect kText{3960, 600, 9495, 6255};
constexpr ViewerRect kPicture{6240, 1200, 5295, 5580};
constexpr double kFrameLeft = 240, kFrameTop = 240, kFrameRight = 13920, kFrameBottom = 7080;

constexpr std::string_view kCrLf = "\r\n";

void AddLinesShownWhole(std::string_view text, std::vector<std::string>& lines) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(kCrLf), text.size());
        const std::string_view line = text.substr(0, end);
        if (!IsParagraph(line)) lines.emplace_back(line);
        text.remove_prefix(std::min(end + kCrLf.size(), text.size()));
    }
}

}  // namespace

ViewerLayout ComputeViewerLayout(double listWidth, double textWidth, double roomWidth) {
    ViewerLayout layout;
    layout.label = kLabel;
    layout.list = kList;
    layout.list.width = std::max(kList.width, listWidth);
    const double listGrowth = layout.list.width - kList.width;

    layout.text = kText;
    layout.text.left += listGrowth;
    layout.textLinesWidth = std::max(kText.width, textWidth);
    layout.text.width = layout.textLinesWidth;
    const double wanted = kWindowWidth + listGrowth + layout.text.width - kText.width;
    if (wanted > roomWidth) {
        layout.text.width = std::max(kPicture.width, layout.text.width - (wanted - roomWidth));
    }
    const double growth = listGrowth + layout.text.width - kText.width;

    layout.picture = kPicture;
    layout.picture.left = std::max(layout.text.left, kPicture.left + growth);
    layout.frameLeft = kFrameLeft;
    layout.frameTop = kFrameTop;
    layout.frameRight = kFrameRight + growth;
    layout.frameBottom = kFrameBottom;
    layout.windowWidth = kWindowWidth + growth;
    layout.windowHeight = kWindowHeight;
    return layout;
}

bool IsParagraph(std::string_view line) {
    return CharacterCount(line) > kParagraphLength;
}

std::vector<std::string> LinesShownWhole(const HelpContext& context) {
    std::vector<std::string> lines;
    AddLinesShownWhole(HelpInstructions(), lines);
    for (std::string_view item : HelpListItems()) {
        AddLinesShownWhole(HelpPageText(item, context), lines);
    }
    return lines;
}

}  // namespace tavolux::help
