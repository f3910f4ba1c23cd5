// Help topics: ASC to GOTO.
#include "help_topics.h"

namespace tavolux::help {

const std::vector<TopicText>& StatementTopicsAscToGoto() {
    static const std::vector<TopicText> topics;
    return topics;
}

}  // namespace tavolux::help
