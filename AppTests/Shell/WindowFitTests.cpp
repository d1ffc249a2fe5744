// The table window's opening size on a screen: the default or the player's size, cut to what the
// panels leave, never below what its content needs.
#include "Views/WindowChrome.h"
#include "Views/WindowFit.h"

#include <gtest/gtest.h>

namespace {

const QSize defaultSize = WindowChrome::defaultSize.toSize();
const QSize minimumSize = WindowChrome::minimumSize.toSize();

TEST(WindowFit, TheDefaultSizeFitsALaptopScreenUnderItsPanel) {
    // 1366 x 768 with a 32-pixel panel: 750 of content plus a title bar would run off the bottom.
    const QRect room(0, 32, 1366, 768 - 32);
    const QRect frame = WindowFit::frame(defaultSize, minimumSize, room);
    EXPECT_EQ(frame.width(), 1100);
    EXPECT_EQ(frame.height(), 736 - 48);
    EXPECT_TRUE(room.contains(frame.marginsAdded(WindowFit::decorations)));
}

TEST(WindowFit, ALargeScreenTakesTheWantedSizeCentred) {
    const QRect room(0, 0, 2560, 1440 - 28);
    const QRect frame = WindowFit::frame(defaultSize, minimumSize, room);
    EXPECT_EQ(frame.size(), defaultSize);
    EXPECT_EQ(frame.marginsAdded(WindowFit::decorations).center(), room.center());
}

TEST(WindowFit, ThePlayersSizeIsCutToTheScreenItOpensOn) {
    const QSize chosen(1800, 1100);
    // Chosen on a big screen, it fits there as it was.
    EXPECT_EQ(WindowFit::size(chosen, minimumSize, {2560, 1440}), chosen);
    // Reopened on a smaller one, each side is cut on its own.
    EXPECT_EQ(WindowFit::size(chosen, minimumSize, {1920, 1080 - 30}), QSize(1800, 1080 - 30 - 48));
    EXPECT_EQ(WindowFit::size(chosen, minimumSize, {1440, 900}), QSize(1440 - 16, 900 - 48));
    // A size smaller than the screen stays as it is.
    EXPECT_EQ(WindowFit::size({950, 640}, minimumSize, {1366, 736}), QSize(950, 640));
}

TEST(WindowFit, NeverBelowTheMinimumEvenOnATinyScreen) {
    const QRect room(100, 50, 800, 600);
    const QRect frame = WindowFit::frame(defaultSize, minimumSize, room);
    EXPECT_EQ(frame.size(), minimumSize);
    // Too big to centre, it stands at the room's corner so its title bar stays on the screen.
    const QRect outer = frame.marginsAdded(WindowFit::decorations);
    EXPECT_EQ(outer.topLeft(), room.topLeft());
    // Only the side that does not fit keeps the minimum: a tall narrow screen still cuts the height.
    EXPECT_EQ(WindowFit::size(defaultSize, minimumSize, {800, 700}), QSize(900, 700 - 48));
}

TEST(WindowFit, ARoomOnASecondScreenPlacesTheWindowThere) {
    const QRect room(1920, 0, 1366, 736);
    const QRect frame = WindowFit::frame(defaultSize, minimumSize, room);
    EXPECT_TRUE(room.contains(frame.marginsAdded(WindowFit::decorations)));
}

} // namespace
