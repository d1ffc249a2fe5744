// The crowded table on every surface a player meets, the smallest window included, in every style,
// light and dark: every seat betting tall stacks beside the blinds' tags, and a showdown where every bot
// shows. Written under gallery/table-layout for a person to look at.
#include "CrowdedTable.h"

#include "AppState.h"
#include "Game/BotSeating.h"
#include "Game/ControllerHarness.h"
#include "SurfaceCoordinator.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/TableScreen.h"
#include "Views/WindowRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The table screen's size in the window at the smallest size the window allows.
QSizeF smallestWindowScreen() {
    ControllerHarness harness;
    AppState appState{std::nullopt};
    SurfaceCoordinator surfaces{harness.controller};
    WindowRoot window(AppEnvironment{&appState, &harness.controller, &surfaces, nullptr, nullptr, nullptr});
    window.resize(window.minimumSize());
    harness.controller.start(GameSetup::quickHand(makeQuickHandSetup(TableDifficulty::easy, 3, 1)));
    window.show();
    QCoreApplication::processEvents();
    const auto* screen = window.findChild<TableScreen*>();
    const QSizeF size = screen ? QSizeF(screen->size()) : QSizeF();
    window.close();
    return size;
}

QImage paint(const StageView::Inputs& inputs) {
    StageView stage;
    double now = 0;
    stage.clock().setTimeSource([&now] { return now; });
    stage.resize(inputs.geometry.stage.toSize());
    stage.show(inputs);
    // Everything dealt, moved and turned up.
    now = 10;
    QImage image(inputs.geometry.stage.toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PageBackground::paint(painter, QRectF(QPointF(), inputs.geometry.stage), inputs.theme);
    stage.paintStage(painter);
    return image;
}

} // namespace

TEST(TableLayoutGallery, CrowdedTables) {
    const QString folder = QStringLiteral(CHIPWHISTLE_TEST_OUTPUT_DIR "/gallery/table-layout");
    QDir().mkpath(folder);
    const QSizeF smallest = smallestWindowScreen();
    ASSERT_FALSE(smallest.isEmpty());
    const std::vector<std::pair<QString, std::pair<TableSurface, QSizeF>>> surfaces{
        {QStringLiteral("popover"), {TableSurface::popover, {}}},
        {QStringLiteral("window-smallest"), {TableSurface::window, smallest}},
        {QStringLiteral("window"), {TableSurface::window, QSizeF(1100, 750)}}};
    for (const auto& [surfaceName, surface] : surfaces) {
        for (const auto style : {TableStyleID::satin, TableStyleID::paper, TableStyleID::pixel}) {
            const TableGeometry geometry = CrowdedTable::geometry(surface.first, style, surface.second);
            for (const bool dark : {false, true}) {
                for (const auto moment : {CrowdedTable::Moment::betting, CrowdedTable::Moment::showdown}) {
                    const QString name =
                        QStringLiteral("%1/%2-%3-%4-%5.png")
                            .arg(folder, surfaceName, QString::fromUtf8(toString(style)),
                                 dark ? "dark" : "light",
                                 moment == CrowdedTable::Moment::betting ? "bets" : "showdown");
                    EXPECT_TRUE(paint(CrowdedTable::inputs(moment, geometry, style, dark)).save(name))
                        << name.toStdString();
                }
            }
        }
    }
}
