#include "PokerEngine/PotLayers.h"

#include "PokerEngine/CheckedMath.h"

#include <algorithm>
#include <set>

namespace PokerEngine {

std::vector<Pot> potsFromCommitments(const std::vector<Seat>& seats) {
    const auto prior = [](const Seat& seat) { return seat.totalCommitted - seat.streetBet; };
    std::set<std::int64_t> levels;
    for (const auto& seat : seats) {
        if (seat.isInHand()) {
            levels.insert(prior(seat));
        }
    }
    std::vector<Pot> pots;
    std::int64_t previous = 0;
    for (const auto level : levels) {
        if (level <= previous) {
            continue;
        }
        Pot pot;
        for (const auto& seat : seats) {
            pot.amount =
                checkedAdd(pot.amount, std::max<std::int64_t>(std::min(prior(seat), level) - previous, 0));
            if (seat.isInHand() && prior(seat) >= level) {
                pot.eligible.insert(*seat.player);
            }
        }
        pots.push_back(std::move(pot));
        previous = level;
    }
    std::int64_t leftover = 0;
    for (const auto& seat : seats) {
        leftover = checkedAdd(leftover, std::max<std::int64_t>(prior(seat) - previous, 0));
    }
    if (leftover > 0) {
        if (pots.empty()) {
            Pot pot;
            for (const auto& seat : seats) {
                if (seat.isInHand()) {
                    pot.eligible.insert(*seat.player);
                }
            }
            pots.push_back(std::move(pot));
        }
        pots.back().amount = checkedAdd(pots.back().amount, leftover);
    }
    return pots;
}

} // namespace PokerEngine
