#include "Style/ChipDrop.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this speed an impact does not bounce.
constexpr double restingSpeed = 150;
// The share of its impact speed a chip keeps when it bounces.
constexpr double restitution = 0.28;

} // namespace

const std::array<ChipDrop::Stack, 12>& ChipDrop::pile() {
    using D = ChipDenomination;
    static const std::array<Stack, 12> rows{{
        {-46, 236, D::d100, 5, 0},
        {0, 232, D::d25, 10, 0},
        {46, 236, D::d500, 6, 0},
        {-68, 254, D::d1000, 2, 0},
        {-23, 256, D::d100, 7, 0},
        {22, 256, D::d25, 6, 0},
        {67, 254, D::d1000, 2, 0},
        {-104, 272, D::d1000, 1, -10},
        {-40, 280, D::d100, 1, 6},
        {2, 276, D::d100, 1, -3},
        {48, 280, D::d100, 1, -5},
        {108, 270, D::d100, 1, 12},
    }};
    return rows;
}

double ChipDrop::jitter(std::uint64_t chip, std::uint64_t k) {
    std::uint64_t x = chip * 0x9e3779b1ULL + k * 40503ULL;
    x ^= x >> 13;
    x *= 0x5bd1e995ULL;
    x ^= x >> 15;
    return static_cast<double>(x % 10000) / 10000.0;
}

ChipDrop::ChipDrop(double radius)
    : radius_(radius) {
    const auto& rows = pile();
    int tallest = 0;
    for (const auto& row : rows)
        tallest = std::max(tallest, row.count);

    // Level by level across the stacks, so the pile grows evenly; loose single chips fall last.
    std::vector<std::pair<int, int>> order;
    for (int level = 0; level < tallest; ++level)
        for (int row = 0; row < static_cast<int>(rows.size()); ++row)
            if (rows[row].count > 1 && rows[row].count > level)
                order.emplace_back(row, level);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        if (rows[row].count == 1)
            order.emplace_back(row, 0);

    const double thick = thickness();
    chips_.reserve(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        const auto [row, level] = order[n];
        Chip chip;
        chip.stack = row;
        chip.level = level;
        chip.denomination = rows[row].denomination;
        chip.restY = rows[row].floor - thick * level;
        chip.startY = -40 - 70 * jitter(n, 1);
        chip.startSpeed = 120 + 80 * jitter(n, 2);
        chip.start = 0.15 + 0.045 * static_cast<double>(n);
        chip.drift = 22 * (2 * jitter(n, 3) - 1);
        chip.spin = 24 * (2 * jitter(n, 4) - 1);
        chip.tilt = rows[row].tilt;
        const double v0 = chip.startSpeed;
        chip.land =
            chip.start + (std::sqrt(v0 * v0 + 2 * gravity * (chip.restY - chip.startY)) - v0) / gravity;
        chips_.push_back(chip);
    }
}

double ChipDrop::thickness() const {
    return std::max(0.24 * radius_, 2.0);
}

double ChipDrop::y(const Chip& chip, double t) const {
    const double dt = t - chip.start;
    if (!(dt > 0))
        return chip.startY;
    const double fall = chip.land - chip.start;
    if (dt < fall)
        return chip.startY + chip.startSpeed * dt + 0.5 * gravity * dt * dt;

    double v = restitution * (chip.startSpeed + gravity * fall);
    if (v / restitution < restingSpeed)
        return chip.restY;
    double s = dt - fall;
    for (;;) {
        const double bounce = 2 * v / gravity;
        if (s < bounce)
            return chip.restY - (v * s - 0.5 * gravity * s * s);
        s -= bounce;
        if (v < restingSpeed)
            return chip.restY;
        v *= restitution;
    }
}

std::int64_t ChipDrop::count(double t) const {
    double sum = 0;
    std::int64_t total = 0;
    for (const auto& chip : chips_) {
        const auto value = ChipDenominations::value(chip.denomination);
        total += value;
        const double p = (t - chip.land) / countEase;
        if (!(p >= 0))
            continue;
        const double rest = 1 - std::min(p, 1.0);
        sum += static_cast<double>(value) * (1 - rest * rest * rest);
    }
    if (static_cast<double>(total) - 0.5 <= sum)
        return total;
    return static_cast<std::int64_t>(sum) / 5 * 5;
}

double ChipDrop::duration() const {
    double last = 0;
    for (const auto& chip : chips_)
        last = std::max(last, chip.land);
    return last + countEase;
}

int ChipDrop::landed(int stack, double t) const {
    return static_cast<int>(std::count_if(chips_.begin(), chips_.end(), [&](const Chip& chip) {
        return chip.stack == stack && chip.land <= t;
    }));
}
