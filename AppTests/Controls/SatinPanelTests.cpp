#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/SoftShadow.h"
#include "Style/SatinPalette.h"

#include <QImage>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// The satin panel as a container: its children are clipped to the card's rounded rectangle, its
// shadow lies outside the card and its border is drawn over the children.

namespace {

const QColor childColour(200, 0, 0);
const QColor hostColour(255, 255, 255);

TableTheme satinTheme() {
    return TableTheme::drawnIn(TableStyleID::satin, TableSurface::popover, 2, {});
}

QWidget* opaque(QWidget* parent) {
    auto* child = new QWidget(parent);
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, childColour);
    child->setPalette(palette);
    return child;
}

// A window-like host with a known background, holding one panel of 200 × 120 with an opaque child
// that fills the panel through its layout.
struct Scene {
    QWidget host;
    SatinPanel* panel;
    QWidget* child;

    explicit Scene(bool selected = false, double radius = 14) {
        host.resize(240, 160);
        host.setAutoFillBackground(true);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, hostColour);
        host.setPalette(palette);
        panel = new SatinPanel(satinTheme(), selected, radius, &host);
        panel->setGeometry(10, 10, 200, 120);
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        child = opaque(panel);
        layout->addWidget(child);
        layout->activate();
    }
    // The card in the host's coordinates.
    QRect card() const { return panel->contentsRect().translated(panel->pos()); }
    QImage image() { return host.grab().toImage().convertToFormat(QImage::Format_ARGB32); }
};

// Red leaking in shows as red above green; shadow and background stay grey.
int redCast(QColor pixel) {
    return pixel.red() - pixel.green();
}

} // namespace

TEST(SatinPanelClip, ChildFillsTheCardButNotItsRoundedCorners) {
    Scene scene;
    ASSERT_EQ(scene.child->geometry(), scene.panel->contentsRect());
    const QImage image = scene.image();
    const QRect card = scene.card();
    EXPECT_EQ(QColor(image.pixel(card.center())), childColour);
    EXPECT_EQ(QColor(image.pixel(card.left() + 20, card.top() + 10)), childColour);
    // The outermost pixel of every corner lies outside a radius of 14: no red reaches it.
    for (QPoint corner : {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()})
        EXPECT_LT(redCast(image.pixel(corner)), 4) << corner.x() << "," << corner.y();
    // Along the corner's curve the edge is smoothed: some pixels are partly red.
    int partial = 0;
    for (int step = 0; step < 8; ++step) {
        const int cast = redCast(image.pixel(card.left() + step, card.top() + step));
        if (cast > 20 && cast < 180)
            ++partial;
    }
    EXPECT_GE(partial, 1);
}

TEST(SatinPanelClip, ContentBeyondTheCardIsClippedAndTheShadowStays) {
    Scene scene;
    // A child that covers the whole panel, shadow margins included.
    QWidget* wide = opaque(scene.panel);
    wide->setGeometry(scene.panel->rect());
    wide->raise();
    const QImage image = scene.image();
    const QRect card = scene.card();
    EXPECT_EQ(QColor(image.pixel(card.center())), childColour);
    // Below the card, in the shadow's margin: grey shadow, darker than the host, and no red.
    const QColor below = image.pixel(card.center().x(), card.bottom() + 3);
    EXPECT_LT(redCast(below), 4);
    EXPECT_LT(below.lightness(), hostColour.lightness());
    EXPECT_EQ(QColor(image.pixel(card.center().x(), scene.panel->geometry().top())).rgb(), hostColour.rgb());
    for (QPoint corner : {card.topLeft(), card.bottomRight()})
        EXPECT_LT(redCast(image.pixel(corner)), 4);
}

TEST(SatinPanelClip, BorderIsDrawnOverTheChildInsideTheEdge) {
    Scene plain;
    QImage image = plain.image();
    QRect card = plain.card();
    // The 1 px border covers the card's outermost row, over the child: darker than the child.
    const QColor edge = image.pixel(card.center().x(), card.top());
    EXPECT_NE(edge, childColour);
    EXPECT_LT(edge.red(), childColour.red());
    EXPECT_EQ(QColor(image.pixel(card.center().x(), card.top() + 1)), childColour);

    // Selected: the 2.5 px accent border reaches the second row too, and the panel's bounds still
    // hold it (nothing of it lies above the card).
    Scene selected(true, 12);
    image = selected.image();
    card = selected.card();
    const QColor accent = toQColor(SatinPalette::accent(false));
    EXPECT_EQ(QColor(image.pixel(card.center().x(), card.top() + 1)), accent);
    EXPECT_EQ(QColor(image.pixel(card.center().x(), card.top() + 3)), childColour);
    EXPECT_LT(redCast(image.pixel(card.center().x(), card.top() - 1)), 4);
}

TEST(SatinPanelClip, SelectingRepaintsTheBorderAndRepaintsReuseTheShadow) {
    Scene scene;
    const QRect card = scene.card();
    const QPoint secondRow(card.center().x(), card.top() + 1);
    EXPECT_EQ(QColor(scene.image().pixel(secondRow)), childColour);
    scene.panel->setSelected(true);
    EXPECT_EQ(QColor(scene.image().pixel(secondRow)), toQColor(SatinPalette::accent(false)));
    scene.panel->setSelected(false);
    scene.image();
    const std::size_t made = SoftShadow::imagesMade();
    for (int paint = 0; paint < 3; ++paint) {
        scene.panel->setSelected(paint % 2 == 0);
        scene.image();
    }
    EXPECT_EQ(SoftShadow::imagesMade(), made);
}
