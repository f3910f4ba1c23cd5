// Help topics: timer and interrupts.
#include "help_topics.h"

namespace tavolux::help {

const std::vector<TopicText>& TimerTopics() {
    static const std::vector<TopicText> topics;
    return topics;
}

}  // namespace tavolux::help
