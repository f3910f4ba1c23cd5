#include "help_topics.h"

namespace tavolux::help {

std::vector<std::string> TopicLines(std::string_view procedure, const HelpContext& context) {
    (void)context;
    for (const auto* group : {&GeneralTopics(), &StatementTopicsAscToGoto(),
                              &StatementTopicsIfToWrite(), &TimerTopics()}) {
        for (const TopicText& topic : *group) {
            if (topic.procedure == procedure) return {topic.lines.begin(), topic.lines.end()};
        }
    }
    return {};
}

}  // namespace tavolux::help
