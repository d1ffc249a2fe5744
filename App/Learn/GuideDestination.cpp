#include "Learn/GuideDestination.h"

#include "Learn/GuideContent.h"

#include "PokerEngine/EnumText.h"

#include <algorithm>
#include <functional>

namespace {
constexpr PokerEngine::EnumNames<GuideTab, 4> tabNames{"GuideTab",
                                                       {"basics", "rankings", "starters", "glossary"}};
} // namespace

std::string_view toString(GuideTab tab) {
    return tabNames.toString(tab);
}

std::optional<GuideTab> guideTabFromString(std::string_view text) {
    return tabNames.fromString(text);
}

GuideDestination GuideDestination::standing(GuideTab tab, int page) {
    switch (tab) {
    case GuideTab::basics:
        break;
    case GuideTab::rankings:
        return rankings();
    case GuideTab::starters:
        return starters();
    case GuideTab::glossary:
        return glossary();
    }
    return basics(page);
}

GuideOpening GuideOpening::of(const GuideDestination& destination) {
    if (const auto* basics = std::get_if<GuideDestination::Basics>(&destination.where)) {
        return {GuideTab::basics, std::clamp(basics->page, 0, basicsPageCount - 1), std::nullopt};
    }
    if (const auto* glossary = std::get_if<GuideDestination::Glossary>(&destination.where)) {
        return {GuideTab::glossary, 0, glossary->term};
    }
    if (std::holds_alternative<GuideDestination::Rankings>(destination.where)) {
        return {GuideTab::rankings, 0, std::nullopt};
    }
    return {GuideTab::starters, 0, std::nullopt};
}

std::size_t std::hash<GuideDestination>::operator()(const GuideDestination& destination) const noexcept {
    std::size_t payload = 0;
    if (const auto* basics = std::get_if<GuideDestination::Basics>(&destination.where)) {
        payload = std::hash<int>{}(basics->page);
    } else if (const auto* glossary = std::get_if<GuideDestination::Glossary>(&destination.where)) {
        payload = glossary->term ? static_cast<std::size_t>(*glossary->term) + 1 : 0;
    }
    return destination.where.index() * 1000003u ^ payload;
}
