#pragma once

#include "Game/GameMode.h"
#include "Game/GameSetup.h"
#include "Learn/GuideDestination.h"
#include "Views/Home/HomeNotice.h"
#include "Views/Home/NewGameSheetModel.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class AppState;
class GameController;

// The lobby's state and every road out of it: which new-game sheet is open, which notice shows, and
// the one path by which a game starts (the cost check, the question before a saved game is given
// up, then the controller). Plain QObject over the app state and the controller, so each road is
// tested without a screen; the home view paints it and animates each change it is told to.
class HomeModel : public QObject {
    Q_OBJECT
  public:
    using SeedSource = std::function<std::uint64_t()>;

    // Any uniformly random 64-bit value from the system's source.
    static std::uint64_t systemSeed();

    // Both objects outlive the model (the menu-bar host owns them for the process).
    HomeModel(AppState& appState, GameController& controller, SeedSource seeds = systemSeed,
              QObject* parent = nullptr);

    AppState& appState() const { return appState_; }
    GameController& controller() const { return controller_; }

    // The open sheet, with the seed it was opened with.
    const std::optional<NewGameSheetModel>& sheet() const { return sheet_; }
    const std::optional<HomeNotice>& notice() const { return notice_; }
    // Where the Poker Basics guide is open over the lobby.
    const std::optional<GuideDestination>& guide() const { return guide_; }

    // The hero card's primary button: the notice, or the cash table's sheet, or a new game.
    void play(GameMode mode);
    // A mode row: the notice, or the mode's sheet.
    void choose(GameMode mode);
    // Closes any notice at once and opens a new sheet with a fresh seed.
    void openSheet(GameMode mode);
    void closeSheet();
    // Starts `setup` if the spendable chips pay for it, asking once before a saved game that would
    // lose chips is given up: the same setup handed in again while its question shows confirms it.
    // Takes its own copy: the setup may be the one the notice holds, which this clears.
    void begin(GameSetup setup);
    // The free practice hand, at once; a saved game is neither asked about nor touched.
    void startPractice();
    // The resume card: the saved table back on the controller.
    void resume();
    void dismissNotice();
    // The guide over whatever the lobby shows now (the header's button, the window's command, a term's
    // link); its Done closes it again.
    void openGuide(const GuideDestination& destination);
    void closeGuide();
    // The practice suggestion's close button: remembered in the profile for good.
    void dismissPracticeRow();
    // The lobby came on screen: the day's refill.
    void appeared();

  signals:
    // `animated` false: the change happens at once (a game is starting).
    void sheetChanged(bool animated);
    void noticeChanged(bool animated);
    void guideChanged(bool animated);

  private:
    void setSheet(std::optional<NewGameSheetModel> sheet, bool animated);
    void setNotice(std::optional<HomeNotice> notice, bool animated);
    void setGuide(std::optional<GuideDestination> guide, bool animated);
    GameSetup setupFor(GameMode mode, std::uint64_t seed) const;

    AppState& appState_;
    GameController& controller_;
    SeedSource seeds_;
    std::optional<NewGameSheetModel> sheet_;
    std::optional<HomeNotice> notice_;
    std::optional<GuideDestination> guide_;
};
