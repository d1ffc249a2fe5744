#include "PokerEngine/PerfectRankHash.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace PokerEngine {

namespace {

struct PlacedStrength {
    std::size_t column;
    std::uint16_t strength;
};

// One bit per slot of a table of `slotCount` slots, set while the slot is free, so a row's keys
// try 64 displacements at once: the AND of their 64-slot windows has a bit set for each
// displacement that puts every key on a free slot. Past the end every slot counts as taken.
class FreeSlots {
  public:
    explicit FreeSlots(std::size_t slotCount)
        : words_(slotCount / 64, ~std::uint64_t{0}) {
        words_.push_back(0);
    }

    // Bit i is set when slot (start + i) is free; start is a slot of the table.
    std::uint64_t window(std::size_t start) const {
        const std::size_t word = start / 64;
        const std::size_t shift = start % 64;
        const std::uint64_t low = words_[word] >> shift;
        return shift == 0 ? low : low | (words_[word + 1] << (64 - shift));
    }

    void take(std::size_t slot) { words_[slot / 64] &= ~(std::uint64_t{1} << (slot % 64)); }

  private:
    std::vector<std::uint64_t> words_;
};

// Bit i set for every i that is a multiple of the displacement step.
constexpr std::uint64_t stepBits = [] {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 64; i += PerfectRankHash::displacementStep) {
        bits |= std::uint64_t{1} << i;
    }
    return bits;
}();

} // namespace

void PerfectRankHash::place(std::span<const RankKeyStrength> entries) {
    constexpr unsigned columnShift = 32 - hashBits;
    constexpr std::uint32_t columnMask = (std::uint32_t{1} << columnBits) - 1;

    // The keys grouped by row: rowStart[r] ... rowStart[r + 1] are row r's.
    std::vector<std::size_t> rowStart(rowCount + 1, 0);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            ++rowStart[(wordOfKey(entry.key) >> (32 - rowBits)) + 1];
        }
    }
    std::size_t longestRow = 0;
    for (std::size_t row = 0; row < rowCount; ++row) {
        longestRow = std::max(longestRow, rowStart[row + 1]);
        rowStart[row + 1] += rowStart[row];
    }
    std::vector<PlacedStrength> keys(rowStart[rowCount]);
    std::vector<std::size_t> cursor(rowStart.begin(), rowStart.end() - 1);
    for (const RankKeyStrength& entry : entries) {
        if (entry.key != 0) {
            const std::uint32_t word = wordOfKey(entry.key);
            keys[cursor[word >> (32 - rowBits)]++] = {(word >> columnShift) & columnMask, entry.strength};
        }
    }

    // The longest rows first, while the table is still empty enough to take them whole; among
    // equals, in row order, so every build gives the same table. Each row takes the smallest
    // displacement that fits, so the rows pack from the start of the table.
    std::vector<std::vector<std::size_t>> rowsByLength(longestRow + 1);
    for (std::size_t row = 0; row < rowCount; ++row) {
        rowsByLength[rowStart[row + 1] - rowStart[row]].push_back(row);
    }
    static_assert(slotCount % 64 == 0 && 64 % displacementStep == 0);
    FreeSlots free(slotCount);
    for (std::size_t length = longestRow; length > 0; --length) {
        for (const std::size_t row : rowsByLength[length]) {
            const auto first = keys.begin() + static_cast<std::ptrdiff_t>(rowStart[row]);
            const auto last = first + static_cast<std::ptrdiff_t>(length);
            std::size_t displacement = slotCount;
            for (std::size_t base = 0; base < slotCount; base += 64) {
                std::uint64_t fits = stepBits;
                for (auto key = first; key != last && fits != 0; ++key) {
                    fits &= key->column + base < slotCount ? free.window(key->column + base) : 0;
                }
                if (fits != 0) {
                    displacement = base + static_cast<std::size_t>(std::countr_zero(fits));
                    break;
                }
            }
            CW_PRECONDITION(displacement < slotCount);
            displacements_[row] = static_cast<std::uint16_t>(displacement / displacementStep);
            for (auto key = first; key != last; ++key) {
                std::uint16_t& slot = strengths_[key->column + displacement];
                // Two keys of one row in one column would be two multisets with one sum.
                CW_PRECONDITION(slot == 0);
                slot = key->strength;
                free.take(key->column + displacement);
            }
        }
    }
}

} // namespace PokerEngine
