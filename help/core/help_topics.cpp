#include "help_topics.h"

namespace tavolux::help {

namespace {

// Characters of a UTF-8 text (continuation bytes do not count).
size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::vector<std::string> Workspace(const HelpContext& context) {
    return {
        "",
        "Il programma ricerca la directory di lavoro:",
        "",
        "            \\Tavolux Programmi",
        "",
        "in tutte le unità di archiviazione di massa rilevate sul computer.",
        "",
        "I parametri di sessione sono salvati nel file:",
        "    " + context.ConfigFilePath,
    };
}

std::vector<std::string> ReleaseDates(const HelpContext& context) {
    return {"Prima Versione Aprile 2010", "Ultimo aggiornamento " + context.VersionDate};
}

// The version in a frame exactly as wide as its line, then the update note.
std::vector<std::string> Version(const HelpContext& context) {
    const std::string line = "| Versione programma: " + context.VersionDate + "|";
    const std::string border = "+" + std::string(CharacterCount(line) - 2, '-') + "+";
    return {" ",
            " ",
            " ",
            border,
            line,
            border,
            " ",
            context.UpdateNote1,
            context.UpdateNote2,
            context.UpdateNote3,
            context.UpdateNote4,
            context.UpdateNote5};
}

}  // namespace

std::vector<std::string> TopicLines(std::string_view procedure, const HelpContext& context) {
    if (procedure == "ShowTopicWorkspace") return Workspace(context);
    if (procedure == "ShowTopicReleaseDates") return ReleaseDates(context);
    if (procedure == "ShowTopicVersion") return Version(context);
    for (const auto* group : {&GeneralTopics(), &StatementTopicsAscToGoto(),
                              &StatementTopicsIfToWrite(), &TimerTopics()}) {
        for (const TopicText& topic : *group) {
            if (topic.procedure == procedure) return {topic.lines.begin(), topic.lines.end()};
        }
    }
    return {};
}

}  // namespace tavolux::help
