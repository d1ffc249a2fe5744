// Evaluates every one of the 133,784,560 seven-card hands both ways the engine can: through the
// perfect hash and suit-count mask that evaluation uses, and through the open-addressing table and
// suit tallies that the evaluator's lookup describes. Prints how many hands fall in each category
// (poker's known counts) and exits with 1 at the first hand on which the two disagree.
//
//   evaluator_check          (build it in Release: it takes a few seconds there)

#include "PokerEngine/EvaluatorTables.h"
#include "PokerEngine/HandEvaluator.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace PokerEngine;

int main() {
    const EvaluatorTables& tables = EvaluatorTables::shared();
    const auto& deck = Card::all();
    std::array<std::int64_t, allHandCategories.size()> perCategory{};
    std::int64_t hands = 0;

    // Each level adds one card to the accumulator of the level before, as equity trials do.
    std::array<HandAccumulator, 8> levels;
    std::array<std::size_t, 7> index{};
    const auto descend = [&](const auto& self, std::size_t depth, std::size_t first) -> bool {
        if (depth == 7) {
            const HandAccumulator& hand = levels[7];
            const std::uint16_t evaluated = HandEvaluator::evaluate(hand).strength;
            const std::uint16_t described =
                tables.strength(hand.cardMask(), hand.rankKey(), hand.suitTally());
            if (evaluated != described) {
                std::printf("mismatch:");
                for (const std::size_t card : index) {
                    std::printf(" %s", deck[card].code().c_str());
                }
                std::printf(" evaluates to %u, the table says %u\n", evaluated, described);
                return false;
            }
            ++perCategory[rawValue(HandValue{evaluated}.category())];
            ++hands;
            return true;
        }
        for (std::size_t card = first; card + (7 - depth) <= deck.size(); ++card) {
            index[depth] = card;
            levels[depth + 1] = levels[depth].adding(deck[card]);
            if (!self(self, depth + 1, card + 1)) {
                return false;
            }
        }
        return true;
    };
    if (!descend(descend, 0, 0)) {
        return 1;
    }

    // How often each category turns up among all seven-card hands.
    constexpr std::array<std::int64_t, allHandCategories.size()> expected = {
        23'294'460, 58'627'800, 31'433'400, 6'461'620, 6'180'020, 4'047'644, 3'473'184, 224'848, 41'584,
    };
    bool countsMatch = true;
    for (const HandCategory category : allHandCategories) {
        const std::size_t raw = rawValue(category);
        std::printf("%-16s %10lld%s\n", std::string(name(category)).c_str(),
                    static_cast<long long>(perCategory[raw]),
                    perCategory[raw] == expected[raw] ? "" : "  (wrong)");
        countsMatch = countsMatch && perCategory[raw] == expected[raw];
    }
    std::printf("%lld hands, both lookups agree on every one\n", static_cast<long long>(hands));
    return countsMatch && hands == 133'784'560 ? 0 : 1;
}
