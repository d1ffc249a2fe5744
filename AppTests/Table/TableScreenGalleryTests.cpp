// The table screen's storyboard: a seeded six-seat hand in virtual time, written at its key moments
// in every style, on both surfaces, light and dark, for a person to look at.
#include "TableScreenHarness.h"

#include "Game/BotSeating.h"
#include "Style/Drawing/AnimationClock.h"
#include "Support/TestPaths.h"
#include "Support/WidgetEvents.h"
#include "Table/Screen/StageLayout.h"
#include "Table/TablePresenter.h"
#include "Views/Support/LeavingPicture.h"
#include "Views/Table/StageView.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

struct Frame {
    QString moment;
    QPixmap picture;
};

using Story = std::vector<Frame> (*)(TableSurface, TableStyleID, bool);

// Draws the screen in a style and appearance.
void dress(TableScreenHarness& table, TableStyleID style, bool dark) {
    table.screen->setPreviewStyle(style);
    AppearanceFlags appearance;
    appearance.dark = dark;
    table.screen->setAppearance(appearance);
}

// Plays `story` on both surfaces in every style, light and dark, and writes its frames as
// <folder>/<surface>-<style>-<light|dark>-<prefix><moment>.png.
void writeStory(const QString& folder, const QString& prefix, Story story, std::size_t leastFrames) {
    QDir().mkpath(folder);
    for (const auto surface : allTableSurfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            for (const bool dark : {false, true}) {
                // The guide and the captions follow the desktop's appearance, as the table does.
                const WidgetEvents::DesktopAppearance desktop(dark);
                const auto frames = story(surface, style, dark);
                ASSERT_GE(frames.size(), leastFrames);
                for (const auto& frame : frames) {
                    const QString name =
                        QStringLiteral("%1/%2-%3-%4-%5%6.png")
                            .arg(folder, surface == TableSurface::popover ? "popover" : "window",
                                 QString::fromStdString(std::string(toString(style))),
                                 dark ? "dark" : "light", prefix, frame.moment);
                    ASSERT_TRUE(frame.picture.save(name)) << name.toStdString();
                }
            }
        }
    }
}

// Plays a six-seat Sit & Go and grabs the screen during and after the deal, each street, the
// showdown and the end of the table.
std::vector<Frame> storyboard(TableSurface surface, TableStyleID style, bool dark) {
    TableScreenHarness table(surface);
    auto& game = table.game;
    dress(table, style, dark);
    std::vector<Frame> frames;
    const auto grab = [&](const QString& moment, std::chrono::milliseconds settle = std::chrono::seconds(3)) {
        game.scheduler.advance(settle);
        frames.push_back(Frame{moment, table.picture()});
    };
    game.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 7), 7}));
    bool nextDealSeen = false;
    // The deal on its way, and still playing on once the first bot has acted (at 0.9 s).
    grab("0-deal-300ms", std::chrono::milliseconds(300));
    grab("0-deal-1000ms", std::chrono::milliseconds(700));
    grab("1-deal", std::chrono::milliseconds(2000));
    table.press(Qt::Key_P, QStringLiteral("p"));
    grab("2-paused");
    table.press(Qt::Key_P, QStringLiteral("p"));
    PokerEngine::Street street = PokerEngine::Street::preflop;
    for (int step = 0; step < 4000; ++step) {
        auto& controller = game.controller;
        if (controller.tableOver() && !controller.isShowingResult()) {
            break;
        }
        if (!nextDealSeen && controller.state()->handNumber() == 2) {
            // The first hand's cards leaving as the second is dealt.
            nextDealSeen = true;
            int shown = 0;
            for (const int ms : {50, 100, 200, 350}) {
                grab(QStringLiteral("7-next-deal-%1ms").arg(ms), std::chrono::milliseconds(ms - shown));
                shown = ms;
            }
        }
        const auto now = controller.state()->street();
        if (now != street) {
            street = now;
            if (now == PokerEngine::Street::handComplete && frames.size() < 8) {
                grab("6-showdown");
            } else if (controller.state()->handNumber() == 1 && now != PokerEngine::Street::handComplete) {
                grab(QStringLiteral("%1-%2")
                         .arg(int(now) + 1)
                         .arg(QString::fromStdString(std::string(toString(now)))));
            }
        }
        if (table.canAct()) {
            // The first hand is called down to show every street; then all in, to reach the end.
            const bool shove =
                controller.state()->handNumber() > 1 && controller.view()->legalActions->minRaiseTo;
            if (shove) {
                table.press(Qt::Key_4, QStringLiteral("4"));
                table.press(Qt::Key_Return, QStringLiteral("\r"));
            } else {
                table.press(Qt::Key_C, QStringLiteral("c"));
            }
        } else if (game.scheduler.nextDue()) {
            game.scheduler.advance(*game.scheduler.nextDue() - game.scheduler.now());
        } else if (controller.isShowingResult()) {
            table.press(Qt::Key_Return, QStringLiteral("\r"));
        } else {
            break;
        }
    }
    grab("9-over");
    // The last result has faded from the row, leaving it to the end's panel.
    // (The picture has no meta-object of its own, so it is told from the other widgets by its type.)
    for (const QWidget* child : table.screen->findChildren<QWidget*>())
        EXPECT_FALSE(dynamic_cast<const LeavingPicture*>(child) && child->isVisibleTo(table.screen.get()));
    return frames;
}

} // namespace

TEST(TableScreenGallery, Storyboards) {
    writeStory(TestPaths::buildFolder() + QStringLiteral("/gallery/table-screen"), QString(), storyboard, 3);
}

namespace {

// The practice hand with its captions, the hand tag beside the player's cards, the guide over the
// popover's table and the showdown with the winning cards lit.
std::vector<Frame> practiceStory(TableSurface surface, TableStyleID style, bool dark) {
    TableScreenHarness table(surface);
    auto& game = table.game;
    dress(table, style, dark);
    std::vector<Frame> frames;
    const auto grab = [&](const QString& moment, std::chrono::milliseconds settle = std::chrono::seconds(3)) {
        game.scheduler.advance(settle);
        frames.push_back(Frame{moment, table.picture()});
    };
    game.controller.start(GameSetup::practice(PracticeSetup{}));
    int captions = 0;
    bool guideShown = false;
    for (int step = 0; step < 400; ++step) {
        auto& controller = game.controller;
        if (controller.tableOver() && !controller.isShowingResult()) {
            break;
        }
        game.scheduler.advance(std::chrono::seconds(2));
        if (table.screen->bottomRow() == BottomRow::practiceCaption) {
            ++captions;
            grab(QStringLiteral("caption-%1").arg(captions), std::chrono::milliseconds(0));
            if (!guideShown && controller.view()->board.size() == 3 && surface == TableSurface::popover) {
                // The guide rises over the table, half way and then all the way.
                guideShown = true;
                table.press(Qt::Key_Question, QStringLiteral("?"), Qt::ShiftModifier);
                grab(QStringLiteral("guide-rising"), std::chrono::milliseconds(80));
                grab(QStringLiteral("guide"), std::chrono::seconds(1));
                table.press(Qt::Key_Escape);
                game.scheduler.advance(std::chrono::seconds(1));
            }
            table.press(Qt::Key_Return, QStringLiteral("\r"));
        } else if (controller.isHeroTurn() && !TableScreenRules::isPaused(controller.pauseReasons())) {
            table.press(Qt::Key_C, QStringLiteral("c"));
        } else if (game.scheduler.nextDue()) {
            game.scheduler.advance(*game.scheduler.nextDue() - game.scheduler.now());
        }
    }
    return frames;
}

// A Quick Hand series in learning mode: the tag beside the player's cards on each street, and each
// result's banner coming in, then with the explanation and the winning cards lit. The player calls
// down, except that a bet after the flop is folded to, so a result explains a winner who never showed.
std::vector<Frame> learningStory(TableSurface surface, TableStyleID style, bool dark) {
    TableScreenHarness table(surface, true);
    auto& game = table.game;
    dress(table, style, dark);
    std::vector<Frame> frames;
    const auto grab = [&](const QString& moment, std::chrono::milliseconds settle) {
        game.scheduler.advance(settle);
        frames.push_back(Frame{moment, table.picture()});
    };
    game.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::hard, 17, 3)));
    PokerEngine::Street street = PokerEngine::Street::waitingToStart;
    bool dealtSeen = false;
    for (int step = 0; step < 4000; ++step) {
        auto& controller = game.controller;
        if (controller.tableOver() && !controller.isShowingResult()) {
            break;
        }
        const auto view = controller.view();
        const std::int64_t hand = view ? view->handNumber : 0;
        if (view && view->street != street) {
            street = view->street;
            if (hand == 1 && street != PokerEngine::Street::handComplete) {
                grab(QStringLiteral("hand1-%1").arg(QString::fromStdString(std::string(toString(street)))),
                     std::chrono::seconds(2));
            }
        }
        if (!dealtSeen && controller.isHeroTurn() && table.screen->presenter().cardsComing()) {
            // The player opens while their cards are still on the way: no prompt, no controls yet.
            dealtSeen = true;
            grab(QStringLiteral("hand%1-dealing-to-you").arg(hand), std::chrono::milliseconds(0));
        }
        if (table.canAct()) {
            const auto now = controller.view();
            const bool facingBet = !now->legalActions->canCheck;
            const bool fold = facingBet && now->street != PokerEngine::Street::preflop;
            table.press(fold ? Qt::Key_F : Qt::Key_C, fold ? QStringLiteral("f") : QStringLiteral("c"));
        } else if (controller.isShowingResult()) {
            controller.holdResult();
            const double landed = StageLayout::potLanded(table.screen->presenter().cues());
            grab(QStringLiteral("hand%1-banner-coming").arg(hand),
                 std::chrono::milliseconds(static_cast<int>(1000 * landed) + 80));
            grab(QStringLiteral("hand%1-banner").arg(hand), std::chrono::seconds(2));
            table.press(Qt::Key_Return, QStringLiteral("\r"));
        } else if (game.scheduler.nextDue()) {
            game.scheduler.advance(*game.scheduler.nextDue() - game.scheduler.now());
        } else {
            break;
        }
    }
    grab(QStringLiteral("over"), std::chrono::seconds(2));
    return frames;
}

} // namespace

TEST(TableScreenGallery, LearningModeTagsAndResults) {
    writeStory(TestPaths::buildFolder() + QStringLiteral("/gallery/table-screen/learning"),
               QStringLiteral("quick-"), learningStory, 4);
}

TEST(TableScreenGallery, PracticeHandWithItsAids) {
    writeStory(TestPaths::buildFolder() + QStringLiteral("/gallery/table-screen/learning"), QString(),
               practiceStory, 3);
}
