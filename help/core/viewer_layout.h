// The help viewer's geometry, in twips, and the lines it shows whole.
// The design places every control; where the fonts need more room than the
// design gives them (those of a Linux desktop are wider than the faces the
// window was drawn with), the list and the text box grow to the right, and
// what stands at their right moves with them. Where the screen has not the
// room for that, the window is held to the screen: the text box is
// narrower than its lines and scrolls sideways.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "help_topics.h"

namespace tavolux::help {

struct ViewerRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct ViewerLayout {
    double windowWidth = 0, windowHeight = 0;  // inside the border
    ViewerRect label, list, text, picture;
    // The width the text box's lines are laid out for: the box's own, or
    // more when the box is held narrower, which then scrolls sideways.
    double textLinesWidth = 0;
    // The rectangle of the four lines around the other controls.
    double frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
};

// `listWidth` and `textWidth`: the least widths the list and the text box
// need to show their entries and lines whole. A width within the design's
// leaves that control as designed. The gap between the list and the text
// box, the picture's distance from the text box's right edge and the margins
// at the window's right stay as designed; every height stays as designed.
// `roomWidth`: the widest the window may be on its screen. A window that
// would be wider takes that width from its text box, down to the width of
// the picture, which then stands at the box's left edge if need be.
ViewerLayout ComputeViewerLayout(double listWidth, double textWidth,
                                 double roomWidth = std::numeric_limits<double>::infinity());

// A topic line longer than this many characters is a paragraph, which the
// text box wraps at its width; the topics break every shorter line
// themselves, and the text box is made wide enough to hold each such line.
inline constexpr std::size_t kParagraphLength = 90;
bool IsParagraph(std::string_view line);

// The lines the text box is to show whole: those of the instructions and of
// every entry's text that are no paragraph, without their line ends.
std::vector<std::string> LinesShownWhole(const HelpContext& context);

}  // namespace tavolux::help
