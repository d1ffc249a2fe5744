#pragma once

#include "Learn/Term.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

// The guide's four tabs, in the order its picker shows them.
enum class GuideTab { basics, rankings, starters, glossary };

inline constexpr std::array<GuideTab, 4> allGuideTabs{GuideTab::basics, GuideTab::rankings,
                                                      GuideTab::starters, GuideTab::glossary};
std::string_view toString(GuideTab tab);
std::optional<GuideTab> guideTabFromString(std::string_view text);

// Where a screen asks the Poker Basics guide to open.
struct GuideDestination {
    // A Basics page, 0-based.
    struct Basics {
        int page = 0;
        bool operator==(const Basics&) const = default;
    };
    // The glossary, on a term or (absent) on the plain list.
    struct Glossary {
        std::optional<Term> term;
        bool operator==(const Glossary&) const = default;
    };
    struct Rankings {
        bool operator==(const Rankings&) const = default;
    };
    struct Starters {
        bool operator==(const Starters&) const = default;
    };

    std::variant<Basics, Glossary, Rankings, Starters> where;

    static GuideDestination basics(int page) { return {Basics{page}}; }
    static GuideDestination glossary(std::optional<Term> term = std::nullopt) { return {Glossary{term}}; }
    static GuideDestination rankings() { return {Rankings{}}; }
    static GuideDestination starters() { return {Starters{}}; }
    // Where a guide showing `tab` (and Basics page `page`) stands, so a guide built anew opens there; the
    // glossary opens on its plain list.
    static GuideDestination standing(GuideTab tab, int page);

    bool operator==(const GuideDestination&) const = default;
};

// The guide's navigation state as a destination opens it: the tab, the Basics page (clamped to the six
// pages) and the glossary term to focus.
struct GuideOpening {
    GuideTab tab = GuideTab::basics;
    int page = 0;
    std::optional<Term> focusedTerm;
    bool operator==(const GuideOpening&) const = default;

    static GuideOpening of(const GuideDestination& destination);
};

template <> struct std::hash<GuideDestination> {
    std::size_t operator()(const GuideDestination& destination) const noexcept;
};
