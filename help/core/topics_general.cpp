// Help topics: general.
#include "help_topics.h"

namespace tavolux::help {

const std::vector<TopicText>& GeneralTopics() {
    static const std::vector<TopicText> topics;
    return topics;
}

}  // namespace tavolux::help
