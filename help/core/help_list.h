// The help viewer's list of entries, what choosing an entry runs, the text
// the viewer then shows, and the export of every entry into one text.
// Texts are UTF-8; the viewer's text ends its lines with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help_topics.h"

namespace tavolux::help {

// The 73 entries of the list, in their order. Blank entries (" ") separate
// the groups.
const std::vector<std::string_view>& HelpListItems();

// What the viewer shows when an entry has no topic: six empty lines and
// three points, the last one without a line end.
std::string_view HelpInstructions();

// One test of the dispatch: an entry that starts with `text` (or, for
// Match::Whole, is exactly `text`) runs `procedure`. Every test is tried, in
// order; a test that holds does not stop the later ones.
enum class Match { StartsWith, Whole };
struct DispatchRule {
    Match match;
    std::string_view text;
    std::string_view procedure;
};
const std::vector<DispatchRule>& DispatchRules();

// The one procedure of the dispatch that is no topic: it opens the WAIT
// calculator and writes nothing.
inline constexpr std::string_view kShowWaitCalculator = "ShowWaitCalculator";

struct HelpDispatch {
    bool showPicture = false;                  // the pin-out, over an empty text
    std::vector<std::string_view> procedures;  // in the order they run
};
// What choosing `item` runs.
HelpDispatch DispatchHelpItem(std::string_view item);

// The text shown once `item` is chosen: CR LF, then each line of its topics
// followed by CR LF; the instructions when no topic wrote a line; only CR LF
// under the pin-out.
std::string HelpPageText(std::string_view item, const HelpContext& context);

// Every non-blank entry in list order, each as its title line, the text it
// shows, a line end and two lines of one blank; CR LF throughout.
std::string BuildHelpExport(const HelpContext& context);

}  // namespace tavolux::help
