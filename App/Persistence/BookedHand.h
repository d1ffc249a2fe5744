#pragma once

#include <cstdint>
#include <string>

// The last finished hand the profile booked. `ending` is a digest of the finished hand's state: all an
// older version kept, and all it reads. `table` and `hand` name the hand at whatever street a save of
// it stands, so a save that its own booking left behind (its last write failed) is known for one.
struct BookedHand {
    std::string ending;
    // A digest of the table's setup and the player's identity at it; empty in an older profile.
    std::string table;
    std::int64_t hand = 0;
    // The booking closed the table as well.
    bool endedTable = false;

    // Whether a save of `hand` at `table` shows a hand booked already: this one or an earlier one.
    bool covers(const std::string& savedTable, std::int64_t savedHand) const {
        return !table.empty() && table == savedTable && savedHand <= hand;
    }
    // Whether booking `other` would book a hand booked already.
    bool includes(const BookedHand& other) const {
        return ending == other.ending || covers(other.table, other.hand);
    }

    bool operator==(const BookedHand&) const = default;
};
