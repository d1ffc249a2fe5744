// The table screen's storyboard: a seeded six-seat hand in virtual time, written at its key moments
// in every style, on both surfaces, light and dark, for a person to look at.
#include "TableScreenHarness.h"

#include "Game/BotSeating.h"
#include "Style/Drawing/AnimationClock.h"
#include "Views/Table/StageView.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

struct Frame {
    QString moment;
    QPixmap picture;
};

// Plays a six-seat Sit & Go and grabs the screen at the deal, each street, the
// showdown and the end of the table.
std::vector<Frame> storyboard(TableSurface surface, TableStyleID style, bool dark) {
    TableScreenHarness table(surface);
    auto& game = table.game;
    table.screen->setPreviewStyle(style);
    AppearanceFlags appearance;
    appearance.dark = dark;
    table.screen->setAppearance(appearance);
    // The stage's motion runs on the same virtual clock as the table.
    table.screen->stage().clock().setTimeSource(
        [&game] { return std::chrono::duration<double>(game.scheduler.now()).count(); });
    std::vector<Frame> frames;
    const auto grab = [&](const QString& moment) {
        game.scheduler.advance(std::chrono::seconds(3));
        frames.push_back(Frame{moment, table.screen->grab()});
    };
    game.controller.start(
        GameSetup::sitAndGo(SitAndGoSetup{BotSeating::opponents(5, TableDifficulty::easy, 7), 7}));
    grab("1-deal");
    PokerEngine::Street street = PokerEngine::Street::preflop;
    for (int step = 0; step < 4000; ++step) {
        auto& controller = game.controller;
        if (controller.tableOver() && !controller.isShowingResult()) {
            break;
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
        if (controller.isHeroTurn()) {
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
    return frames;
}

} // namespace

TEST(TableScreenGallery, Storyboards) {
    const QString folder = QStringLiteral(CHIPWHISTLE_TEST_OUTPUT_DIR "/gallery/table-screen");
    QDir().mkpath(folder);
    for (const auto surface : allTableSurfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            for (const bool dark : {false, true}) {
                const auto frames = storyboard(surface, style, dark);
                ASSERT_GE(frames.size(), 3u);
                for (const auto& frame : frames) {
                    const QString name =
                        QStringLiteral("%1/%2-%3-%4-%5.png")
                            .arg(folder, surface == TableSurface::popover ? "popover" : "window",
                                 QString::fromStdString(std::string(toString(style))),
                                 dark ? "dark" : "light", frame.moment);
                    ASSERT_TRUE(frame.picture.save(name)) << name.toStdString();
                }
            }
        }
    }
}
