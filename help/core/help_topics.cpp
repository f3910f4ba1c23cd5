#include "help_topics.h"

namespace tavolux::help {

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

namespace {

std::vector<std::string> Workspace(const HelpContext& context) {
    return {
        "",
        "Il programma ricerca la directory di lavoro:",
        "",
        "  Linux:   ~/.local/share/Tavolux, altrimenti la cartella home,",
        "           altrimenti la cartella corrente",
        "  Windows: C:\\Users\\<utente>\\AppData\\Roaming\\Tavolux, altrimenti la",
        "           cartella dell'utente, altrimenti la cartella corrente",
        "",
        "Il programma usa la prima di queste cartelle in cui si può scrivere,",
        "escluse quelle in cui può scrivere ogni utente (come /tmp su Linux).",
        "",
        "Quando non c'è un file corrente, la finestra dei file si apre nella prima",
        "cartella \"Tavolux Programmi\" che contiene dei file, cercandola prima nella",
        "cartella home e poi nella radice di ogni unità (su Linux \"/\" e i volumi montati,",
        "su Windows C:\\, D:\\, ...); altrimenti nella cartella corrente.",
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
