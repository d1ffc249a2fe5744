#include "Table/LogDiff.h"

#include <algorithm>

namespace LogDiff {

using PokerEngine::HandEvent;

std::vector<HandEvent> newEvents(const std::optional<PokerEngine::PlayerView>& from,
                                 const PokerEngine::PlayerView& to) {
    if (!from) {
        const bool freshTable =
            to.handNumber == 1 && std::none_of(to.log.begin(), to.log.end(), [](const auto& event) {
                return event.template is<HandEvent::Acted>();
            });
        return freshTable ? to.log : std::vector<HandEvent>{};
    }
    if (from->handNumber != to.handNumber) {
        return to.log;
    }
    if (from->log.size() >= to.log.size()) {
        return {};
    }
    return std::vector<HandEvent>(to.log.begin() + static_cast<std::ptrdiff_t>(from->log.size()),
                                  to.log.end());
}

} // namespace LogDiff
