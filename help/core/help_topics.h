// The help topics as data: one entry per topic procedure of the help
// viewer, its lines in order (UTF-8, without line ends).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolux::help {

// The run-time values some topics show.
struct HelpContext {
    std::string VersionDate;
    std::string UpdateNote1, UpdateNote2, UpdateNote3, UpdateNote4, UpdateNote5;
    std::string ConfigFilePath;  // "" when there is no working folder
};

struct TopicText {
    std::string_view procedure;  // "ShowTopicAsc"
    std::vector<std::string_view> lines;
};

// The topics made of fixed lines, by group.
const std::vector<TopicText>& GeneralTopics();             // the chip, arithmetic, thanks, RC note
const std::vector<TopicText>& StatementTopicsAscToGoto();  // ASC ... GOTO
const std::vector<TopicText>& StatementTopicsIfToWrite();  // IF ... WRITE
const std::vector<TopicText>& TimerTopics();               // timer and interrupts

// Characters of a UTF-8 text (continuation bytes do not count).
size_t CharacterCount(std::string_view text);

// The lines the topic procedure appends, run-time values filled in; empty
// for a name that is no topic procedure.
std::vector<std::string> TopicLines(std::string_view procedure, const HelpContext& context);

}  // namespace tavolux::help
