#include "SaveMutator.h"

#include "PokerEngine/Card.h"
#include "PokerEngine/SeededRNG.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <vector>

using nlohmann::json;

namespace {

class Mutator {
  public:
    Mutator(json document, std::uint64_t seed)
        : document_(std::move(document))
        , rng_(seed) {}

    std::string mutated() {
        const int steps = 1 + static_cast<int>(rng_.next(3));
        for (int step = 0; step < steps; ++step) {
            mutateOnce();
        }
        return document_.dump();
    }

  private:
    std::size_t pick(std::size_t count) {
        return static_cast<std::size_t>(rng_.next(static_cast<std::int64_t>(count)));
    }

    std::vector<std::string> leaves() const {
        std::vector<std::string> paths;
        const json flat = document_.flatten();
        for (const auto& item : flat.items()) {
            paths.push_back(item.key());
        }
        return paths;
    }

    json boundaryValue() {
        static const std::vector<json> values{0,
                                              1,
                                              -1,
                                              2,
                                              5,
                                              52,
                                              53,
                                              std::numeric_limits<std::int32_t>::max(),
                                              std::int64_t{1} << 40,
                                              (std::int64_t{1} << 40) + 1,
                                              std::int64_t{1} << 61,
                                              std::int64_t{1} << 62,
                                              std::numeric_limits<std::int64_t>::max(),
                                              std::numeric_limits<std::int64_t>::min(),
                                              std::numeric_limits<std::uint64_t>::max(),
                                              0.5,
                                              -0.25,
                                              1e300,
                                              true,
                                              false,
                                              nullptr,
                                              "",
                                              "As",
                                              "1677-09-21T00:12:43Z",
                                              "2262-04-11T23:47:17Z",
                                              json::array(),
                                              json::object()};
        return values[pick(values.size())];
    }

    void mutateOnce() {
        const auto paths = leaves();
        if (paths.empty()) {
            document_ = boundaryValue();
            return;
        }
        const json::json_pointer target(paths[pick(paths.size())]);
        // A file that is one bare value, or an empty list or object, has no container to take from.
        if (target.empty()) {
            document_ = boundaryValue();
            return;
        }
        switch (rng_.next(7)) {
        case 0:
        case 1:
            document_[target] = boundaryValue();
            break;
        case 2:
            // A nearby number: one more, one less, or the value of another leaf of the file.
            if (document_[target].is_number_integer() && !document_[target].is_number_unsigned()) {
                const auto value = document_[target].get<std::int64_t>();
                if (value > std::numeric_limits<std::int64_t>::min() &&
                    value < std::numeric_limits<std::int64_t>::max()) {
                    document_[target] = value + (rng_.next(2) == 0 ? 1 : -1);
                    break;
                }
            }
            [[fallthrough]];
        case 3:
            document_[target] = document_[json::json_pointer(paths[pick(paths.size())])];
            break;
        case 4:
            // Trade two cards, or a card for any card of the deck.
            if (document_[target].is_string() && document_[target].get<std::string>().size() == 2) {
                const auto& all = PokerEngine::Card::all();
                document_[target] = all[pick(all.size())].code();
                break;
            }
            [[fallthrough]];
        case 5:
            removeOrRepeat(target.parent_pointer(), target.back(), true);
            break;
        default:
            removeOrRepeat(target.parent_pointer(), target.back(), false);
            break;
        }
    }

    void removeOrRepeat(const json::json_pointer& container, const std::string& key, bool remove) {
        if (!document_.contains(container)) {
            return;
        }
        json& parent = document_[container];
        if (parent.is_object() && parent.contains(key)) {
            if (remove) {
                parent.erase(key);
            }
            return;
        }
        if (!parent.is_array() || parent.empty()) {
            return;
        }
        const std::size_t index = std::min(pick(parent.size()), parent.size() - 1);
        if (remove) {
            parent.erase(index);
        } else {
            parent.push_back(parent[index]);
        }
    }

    json document_;
    PokerEngine::SeededRNG rng_;
};

std::string flipBytes(std::string text, std::uint64_t seed) {
    PokerEngine::SeededRNG rng(seed);
    if (text.empty()) {
        return "{}";
    }
    for (int flips = 1 + static_cast<int>(rng.next(4)); flips > 0; --flips) {
        text[static_cast<std::size_t>(rng.next(static_cast<std::int64_t>(text.size())))] =
            static_cast<char>(rng.next(256));
    }
    return text;
}

} // namespace

std::string mutateSave(const std::string& text, std::uint64_t seed) {
    json document;
    try {
        document = json::parse(text);
    } catch (const json::exception&) {
        return flipBytes(text, seed);
    }
    return Mutator(std::move(document), seed).mutated();
}
