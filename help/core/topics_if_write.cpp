// Help topics: IF to WRITE.
#include "help_topics.h"

namespace tavolux::help {

const std::vector<TopicText>& StatementTopicsIfToWrite() {
    static const std::vector<TopicText> topics;
    return topics;
}

}  // namespace tavolux::help
