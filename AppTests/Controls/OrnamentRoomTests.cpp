#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/TagView.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

// Chips, discs and tags draw their edges and shadows outside their frames. As widgets they keep the
// room for it, so nothing they draw is cut off at the widget's edge.

namespace {

struct Case {
    std::string name;
    std::function<std::unique_ptr<FramedOrnament>()> make;
    // The same art painted freely, with its frame's top-left at the given point.
    std::function<void(QPainter&, QPointF)> paint;
    // Whether the art casts a shadow or shows an edge below its frame.
    bool reachesBelow;
};

TableTheme themeIn(TableStyleID style, bool dark = false) {
    return TableTheme::drawnIn(style, TableSurface::window, 3, AppearanceFlags{dark, false, false});
}

const AvatarModel finn{"F", CharacterBackdrop::color("finn"), false, "finn"};

std::vector<Case> cases() {
    std::vector<Case> all;
    all.push_back({"chip", [] { return std::make_unique<ChipFace>(ChipDenomination::d500, 28); },
                   [](QPainter& p, QPointF at) { ChipFace::paint(p, at, ChipDenomination::d500, 28); },
                   true});
    for (auto style : allTableStyleIDs)
        for (bool dark : {false, true}) {
            const TableTheme theme = themeIn(style, dark);
            const std::string name = std::string(toString(style)) + (dark ? " dark" : " light");
            const bool shaded = style != TableStyleID::pixel;
            all.push_back(
                {name + " avatar",
                 [theme] { return std::make_unique<AvatarDisc>(theme, finn, 44, false, true); },
                 [theme](QPainter& p, QPointF at) { AvatarDisc::paint(p, at, theme, finn, 44, false, true); },
                 shaded});
            all.push_back({name + " dealer", [theme] { return std::make_unique<DealerButtonView>(theme); },
                           [theme](QPainter& p, QPointF at) { DealerButtonView::paint(p, at, theme); },
                           shaded});
            all.push_back(
                {name + " tag",
                 [theme] { return std::make_unique<TagView>(theme, "All-in", TagView::Kind::allIn); },
                 [theme](QPainter& p, QPointF at) {
                     TagView::paint(p, at, theme, "All-in", TagView::Kind::allIn);
                 },
                 style == TableStyleID::paper});
        }
    return all;
}

QImage transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// What the widget itself shows, without a window background behind it.
QImage shownBy(QWidget& widget) {
    QImage image = transparent(widget.size());
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST(OrnamentRoom, EverythingTheArtDrawsLiesInsideItsWidget) {
    for (const Case& art : cases()) {
        const auto widget = art.make();
        widget->resize(widget->sizeHint());
        const QRectF frame = widget->frameRect();
        // Painted freely on a large canvas, with the widget's rectangle placed at (100, 100).
        QImage free = transparent(widget->size() + QSize(200, 200));
        {
            QPainter painter(&free);
            art.paint(painter, frame.topLeft() + QPointF(100, 100));
        }
        const QRect inside(QPoint(100, 100), widget->size());
        int outside = 0;
        for (int y = 0; y < free.height(); ++y)
            for (int x = 0; x < free.width(); ++x)
                if (!inside.contains(x, y) && qAlpha(free.pixel(x, y)) > 0)
                    ++outside;
        EXPECT_EQ(outside, 0) << art.name << ": pixels drawn beyond the widget";
        // The widget shows all of it: as much ink as the free painting (a shadow placed between pixels
        // may round to a neighbouring column, so the pixels themselves may shift).
        const auto ink = [](const QImage& image) {
            qint64 total = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    total += qAlpha(image.pixel(x, y));
            return total;
        };
        const qint64 drawn = ink(free);
        EXPECT_NEAR(static_cast<double>(ink(shownBy(*widget))), static_cast<double>(drawn), drawn * 0.005)
            << art.name;
    }
}

TEST(OrnamentRoom, EdgesAndShadowsShowBelowAndBesideTheFrame) {
    for (const Case& art : cases()) {
        if (!art.reachesBelow)
            continue;
        const auto widget = art.make();
        widget->resize(widget->sizeHint());
        const QImage shown = shownBy(*widget);
        const QRect frame = widget->frameRect().toAlignedRect();
        // One pixel under the frame's bottom edge, in the middle, something is drawn: the chip's edge,
        // a card stock's side or a shadow.
        EXPECT_GT(qAlpha(shown.pixel(frame.center().x(), frame.bottom() + 2)), 0) << art.name;
        // Where the shadow also spreads sideways, it shows just past the frame's right edge.
        if (widget->room().right() >= 2) {
            int beside = 0;
            for (int y = frame.center().y(); y <= frame.bottom(); ++y)
                beside = std::max(beside, qAlpha(shown.pixel(frame.right() + 1, y)));
            EXPECT_GT(beside, 0) << art.name;
        }
    }
}

TEST(OrnamentRoom, TheFrameIsCentredAndPlacedByItsCorner) {
    QWidget parent;
    auto* chip = new ChipFace(ChipDenomination::d25, 28, &parent);
    chip->moveFrameTo(QPoint(40, 30));
    EXPECT_EQ(chip->size(), chip->sizeHint());
    EXPECT_EQ(chip->geometry().topLeft() + chip->frameRect().topLeft().toPoint(), QPoint(40, 30));
    const QMargins room = chip->room();
    EXPECT_EQ(room.left(), room.right());
    EXPECT_EQ(room.top(), room.bottom());
    // The chip's edge and shadow reach furthest below: 0.05 d of edge, then the shadow.
    EXPECT_GE(room.bottom(), static_cast<int>(std::ceil(ChipFace::overhang(28).bottom())));
    EXPECT_GT(ChipFace::overhang(28).bottom(), ChipFace::overhang(28).top());
    // Pixel art casts no shadow and keeps no room.
    EXPECT_EQ(DealerButtonView(themeIn(TableStyleID::pixel)).room(), QMargins());
}
