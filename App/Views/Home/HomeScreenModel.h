#pragma once

#include "Game/GameMode.h"
#include "Persistence/Profile.h"
#include "Persistence/SavedGame.h"
#include "Style/AnimationCurve.h"
#include "Style/PixelFont.h"
#include "Style/TableSurface.h"
#include "Style/TableTheme.h"

#include "BotKit/BotProfile.h"
#include "PokerEngine/Card.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class AppState;

// What the large card at the top of the lobby offers: the saved game, or a mode to deal.
struct HomeHero {
    // Absent for the saved game.
    std::optional<GameMode> mode;

    static HomeHero resume() { return {}; }
    static HomeHero of(GameMode mode) { return {mode}; }
    bool isResume() const { return !mode; }
    // The saved game when there is one, else the default table.
    static HomeHero choose(bool hasSavedGame, GameMode defaultTable);
    // Quick Hand, Sit & Go, Cash Table, without the hero's own mode; practice is never a row.
    static std::vector<GameMode> rows(const HomeHero& hero);

    bool operator==(const HomeHero&) const = default;
};

// The hero card as drawn: texts, the art band's height, and whether the options button shows.
struct HeroCardModel {
    QString title;
    QString detail;
    // The entry cost at the title's right; absent on the resume card.
    std::optional<QString> cost;
    // "Needs … chips" while the mode can't be paid for.
    std::optional<QString> needs;
    double artHeight = 108;
    QString primary;
    bool offersOptions = false;
    // "Quick Hand Options…": the options button's tooltip and spoken name.
    QString optionsHelp;
    // The resume art: the bots still seated and at most three board cards.
    std::vector<BotKit::BotProfile> seatedBots;
    std::vector<PokerEngine::Card> board;

    bool operator==(const HeroCardModel&) const = default;
};

// One mode row of the lobby.
struct ModeRowModel {
    GameMode mode = GameMode::quickHand;
    QString title;
    QString detail;
    // "from 400" for a cash table, the cost alone otherwise.
    QString costText;
    bool affordable = true;
    std::optional<QString> needs;
    QString accessibleName;
    QString accessibleValue;
    QString accessibleHint;

    bool operator==(const ModeRowModel&) const = default;
};

// The header's surface switch: the symbol, its pixel glyph and the help text, by surface.
struct SurfaceSwitch {
    QString systemImage;
    PixelGlyph pixelIcon;
    QString help;
};

// A control of the lobby's body known by what it does, not by its widget: the body is built anew on a
// changed choice or a light/dark switch, and the keys (and a sheet's way back) must find it again.
struct BodyControl {
    enum class Part { heroPrimary, heroOptions, row, practicePlay, practiceClose };
    Part part = Part::heroPrimary;
    // The row's mode; the same for every other part.
    GameMode mode = GameMode::quickHand;

    static BodyControl row(GameMode mode) { return {Part::row, mode}; }
    bool operator==(const BodyControl&) const = default;
};

// Everything the lobby's column shows, decided from the app state alone; the widgets paint it.
struct HomeScreenModel {
    QString bankroll;
    QString bankrollSpoken;
    std::optional<QString> status;
    HomeHero hero;
    HeroCardModel heroCard;
    QString sectionHeading;
    std::vector<ModeRowModel> rows;
    // The practice suggestion is a candidate (it still has to fit the column's height).
    bool offersPractice = false;

    static HomeScreenModel make(const Profile& profile, const std::optional<SavedGame>& saved,
                                std::int64_t spendable, std::int64_t lastRefillAmount);
    static HomeScreenModel make(const AppState& state);

    static HeroCardModel heroCardFor(const HomeHero& hero, const Profile& profile,
                                     const std::optional<SavedGame>& saved, std::int64_t spendable);
    static ModeRowModel rowFor(GameMode mode, const NewGameChoices& choices, std::int64_t spendable);

    // Where the keys go in this body for `control` of the body before: the same control while this
    // body has it, else the hero card's primary button (a row whose mode took the hero card, options
    // a resume card has none of, a suggestion gone), where Return deals.
    BodyControl keep(const BodyControl& control) const;

    bool operator==(const HomeScreenModel&) const = default;
};

namespace HomeLook {

// The lobby always draws its chrome in satin, with the appearance of the theme it was given; the
// pixel unit is 3 in the window and 2 in the popover.
TableTheme lobbyTheme(const TableTheme& art);
// The one curve of every sheet, notice and guide change: ease-out over 0.24 s.
AnimationCurve lobbyMotion();
SurfaceSwitch surfaceSwitch(TableSurface surface);

// How a layer of the lobby comes and goes: the column and the shade fade, the sheet and the guide rise
// from the bottom edge, the notice rises as it fades in. Under Reduce Motion every layer only fades.
enum class LayerEntrance { fade, rise, riseAndFade };

struct LayerPlacement {
    // Down from the layer's place, in points.
    double dy = 0;
    double opacity = 1;
    bool operator==(const LayerPlacement&) const = default;
};

// Where a layer is drawn when it is `shown` of the way in (0 away, 1 in place); `travel` is how far
// below its place a rise starts: from its top edge to the bottom edge it rises from.
LayerPlacement placement(LayerEntrance entrance, bool reduceMotion, double shown, double travel);

} // namespace HomeLook
