#pragma once

#include "Game/ControllerHarness.h"

#include "AppState.h"
#include "Sound/SoundSink.h"
#include "Table/TablePresenter.h"
#include "Views/Support/Announcer.h"
#include "Views/Table/StageView.h"
#include "Views/Table/TableScreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QTest>

#include <memory>

// A table screen over a controller in virtual time, with silent sounds and a recording announcer.
struct TableScreenHarness {
    class SilentSounds final : public SoundSink {
      public:
        void play(SoundEvent, TableStyleID, double, std::function<bool()>) override {}
    };

    // `learningMode`: the profile's learning mode, for the hand tag and the showdown's explanation.
    explicit TableScreenHarness(TableSurface surface = TableSurface::popover, bool learningMode = false) {
        announcer.setShowsNotifications(false);
        Profile profile = appState.profile();
        profile.settings.learningMode = learningMode;
        appState.setProfile(profile);
        environment.appState = &appState;
        environment.controller = &game.controller;
        makeScreen(surface);
    }

    // A new screen over the same game, as a root makes one for a table already running.
    void makeScreen(TableSurface surface = TableSurface::popover) {
        screen.reset();
        TableScreen::Services services{&game.scheduler, &sounds, &announcer,
                                       [this] { return game.base + game.scheduler.now(); }};
        screen = std::make_unique<TableScreen>(environment, surface, std::function<void()>{}, services);
        screen->resize(surface == TableSurface::popover ? QSize(420, 560) : QSize(1100, 750));
        // Every movement on the screen runs on the table's virtual clock.
        const auto seconds = [this] { return std::chrono::duration<double>(game.scheduler.now()).count(); };
        screen->clock().setTimeSource(seconds);
        screen->stage().clock().setTimeSource(seconds);
    }

    // The screen as a player sees it at the virtual time. The rows under the table fade on the screen's
    // clock as it ticks at display rate, in real time: it ticks once first, so a row that has left by
    // now is not drawn at the opacity of the last tick.
    QPixmap picture() {
        emit screen->clock().ticked();
        return screen->grab();
    }

    // The player is to act and their turn is open: the table takes their keys.
    bool canAct() const { return game.controller.isHeroTurn() && screen->turnOpen(); }

    // The practice hand, at its first caption.
    void startPractice() {
        game.controller.start(GameSetup::practice(PracticeSetup{}));
        game.scheduler.advance(std::chrono::seconds(3));
    }

    // A key press as the window delivers it; true when the screen took it.
    bool press(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(screen.get(), &event);
        return event.isAccepted();
    }

    // Shows the screen as the active window, so keys go where a player's would: through the window's
    // shortcuts to whatever holds the keyboard.
    void activate() {
        screen->show();
        QWidget* window = screen->window();
        window->show();
        QApplication::setActiveWindow(window);
        window->activateWindow();
        QApplication::processEvents();
    }

    // Puts the screen in a window of its own, as the game's surfaces hold it: what happens to a window
    // (its activation among it) reaches the screen as it reaches a child.
    void hostInWindow() {
        host = std::make_unique<QWidget>();
        host->resize(screen->size());
        screen->setParent(host.get());
    }

    // A key typed by the player into the active window, wherever its focus is.
    void type(Qt::Key key) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : screen.get(), key);
    }

    // Plays on by keys alone: `heroKey` on the player's turn, Return on a showing result, otherwise
    // the clock moves on to the next thing due; `atFinalResult` once, as the game's last result shows.
    // Returns the keys pressed.
    int playByKeys(const std::function<void()>& heroKey, int limit = 20000,
                   const std::function<void()>& atFinalResult = {}) {
        int keys = 0;
        bool finalResultSeen = false;
        for (int step = 0; step < limit; ++step) {
            auto& controller = game.controller;
            if (controller.tableOver() && !controller.isShowingResult()) {
                break;
            }
            if (controller.tableOver() && !finalResultSeen) {
                finalResultSeen = true;
                if (atFinalResult) {
                    atFinalResult();
                }
            }
            if (controller.isHeroTurn() && controller.pauseReasons().empty()) {
                const auto before = controller.state();
                heroKey();
                ++keys;
                if (controller.state() == before) {
                    // The controls were not on screen long enough to be seen yet: look a moment.
                    game.scheduler.advance(std::chrono::milliseconds(100));
                }
            } else if (game.scheduler.nextDue()) {
                game.scheduler.advance(*game.scheduler.nextDue() - game.scheduler.now());
            } else if (controller.isShowingResult()) {
                if (screen->isActiveWindow()) {
                    type(Qt::Key_Return);
                } else {
                    press(Qt::Key_Return, QStringLiteral("\r"));
                }
                ++keys;
            } else {
                break;
            }
        }
        // Let the presenter catch up with the last view.
        game.scheduler.advance(std::chrono::seconds(5));
        return keys;
    }

    ControllerHarness game;
    // The profile the screen reads (nothing is written to disk).
    AppState appState{std::nullopt};
    SilentSounds sounds;
    Announcer announcer;
    AppEnvironment environment;
    // The window holding the screen, when it has one; it outlives the screen.
    std::unique_ptr<QWidget> host;
    std::unique_ptr<TableScreen> screen;
};
