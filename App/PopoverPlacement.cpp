#include "PopoverPlacement.h"

#include "PokerEngine/Precondition.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int gap = 4;
// The size a tray draws an icon at on a panel of the usual height.
constexpr int iconSide = 24;

int clampInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

QRect popoverFrame(QRect iconFrame, QPoint cursor, QRect available, QSize size) {
    const QRect anchor = iconFrame.isEmpty() ? QRect(cursor, QSize(1, 1)) : iconFrame;
    int x = anchor.left() + (anchor.width() - size.width()) / 2;
    int y = anchor.bottom() + 1 + gap;
    // Opening below would run off the screen: the tray is at the bottom, so open above it.
    if (y + size.height() > available.bottom() + 1 && anchor.top() - gap - size.height() >= available.top()) {
        y = anchor.top() - gap - size.height();
    }
    x = clampInto(x, size.width(), available.left(), available.right() + 1);
    y = clampInto(y, size.height(), available.top(), available.bottom() + 1);
    return QRect(QPoint(x, y), size);
}

QRect clickedIconFrame(QPoint pointer, QRect screen, QRect available) {
    if (available.contains(pointer) && available != screen) {
        return {};
    }
    return QRect(pointer - QPoint(iconSide / 2, iconSide / 2), QSize(iconSide, iconSide));
}

QRect panelEndFrame(QRect screen, QRect available) {
    const int top = available.top() - screen.top();
    const int bottom = screen.bottom() - available.bottom();
    const int left = available.left() - screen.left();
    const int right = screen.right() - available.right();
    const int widest = std::max({top, bottom, left, right});
    if (widest <= 0) {
        return {};
    }
    const QSize icon(iconSide, iconSide);
    // The middle of the panel's thickness, at its trailing end.
    if (widest == top || widest == bottom) {
        const int middle = widest == top ? screen.top() + top / 2 : available.bottom() + 1 + bottom / 2;
        return QRect(QPoint(screen.right() + 1 - iconSide, middle - iconSide / 2), icon);
    }
    const int middle = widest == left ? screen.left() + left / 2 : available.right() + 1 + right / 2;
    return QRect(QPoint(middle - iconSide / 2, screen.bottom() + 1 - iconSide), icon);
}

std::optional<PanelStrut> panelStrut(const std::vector<std::uint32_t>& values, QSize desktop) {
    const auto value = [&](std::size_t i) { return int(std::min<std::uint32_t>(values[i], 1 << 20)); };
    if (values.size() == 4) {
        const int wide = desktop.width() - 1;
        const int high = desktop.height() - 1;
        return PanelStrut{value(0), value(1), value(2), value(3), 0, high, 0, high, 0, wide, 0, wide};
    }
    if (values.size() == 12) {
        return PanelStrut{value(0), value(1), value(2), value(3), value(4),  value(5),
                          value(6), value(7), value(8), value(9), value(10), value(11)};
    }
    return std::nullopt;
}

namespace {

// How far panels reach into a screen from each of its sides.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The screen less what the struts keep on it, all in the desktop's pixels.
QRect lessTheStruts(QRect screen, const DesktopPanels& panels) {
    Insets insets;
    const int wide = panels.desktop.width();
    const int high = panels.desktop.height();
    for (const PanelStrut& strut : panels.struts) {
        const auto span = [](int start, int end) { return end - start + 1; };
        if (const QRect band =
                screen & QRect(0, strut.leftStartY, strut.left, span(strut.leftStartY, strut.leftEndY));
            !band.isEmpty() && band.width() < screen.width()) {
            insets.left = std::max(insets.left, band.right() + 1 - screen.left());
        }
        if (const QRect band = screen & QRect(wide - strut.right, strut.rightStartY, strut.right,
                                              span(strut.rightStartY, strut.rightEndY));
            !band.isEmpty() && band.width() < screen.width()) {
            insets.right = std::max(insets.right, screen.right() + 1 - band.left());
        }
        if (const QRect band =
                screen & QRect(strut.topStartX, 0, span(strut.topStartX, strut.topEndX), strut.top);
            !band.isEmpty() && band.height() < screen.height()) {
            insets.top = std::max(insets.top, band.bottom() + 1 - screen.top());
        }
        if (const QRect band = screen & QRect(strut.bottomStartX, high - strut.bottom,
                                              span(strut.bottomStartX, strut.bottomEndX), strut.bottom);
            !band.isEmpty() && band.height() < screen.height()) {
            insets.bottom = std::max(insets.bottom, screen.bottom() + 1 - band.top());
        }
    }
    return screen.adjusted(insets.left, insets.top, -insets.right, -insets.bottom);
}

int scaled(int length, double scale) {
    return int(std::lround(length * scale));
}

// The toolkit keeps a screen's corner where the desktop has it and scales the rest from there.
QRect scaledFromCorner(QRect area, QPoint corner, double scale) {
    const QPoint offset = area.topLeft() - corner;
    return QRect(corner + QPoint(scaled(offset.x(), scale), scaled(offset.y(), scale)),
                 QSize(scaled(area.width(), scale), scaled(area.height(), scale)));
}

} // namespace

std::vector<QRect> workAreas(const std::vector<ReportedScreen>& screens, const DesktopPanels& panels) {
    std::vector<QRect> areas;
    for (const ReportedScreen& screen : screens) {
        if (screens.size() == 1) {
            areas.push_back(screen.available);
            continue;
        }
        const double scale = screen.scale > 0 ? screen.scale : 1;
        const QPoint corner = screen.geometry.topLeft();
        const QRect native = scaledFromCorner(screen.geometry, corner, scale);
        QRect area = native;
        if (!panels.struts.empty()) {
            area = lessTheStruts(native, panels);
        } else if (panels.workArea && native.intersects(*panels.workArea)) {
            area = native & *panels.workArea;
        }
        areas.push_back(scaledFromCorner(area, corner, 1 / scale));
    }
    return areas;
}

TrayAnchor trayAnchor(const std::vector<QRect>& screens, const std::vector<QRect>& workAreas,
                      std::size_t primary) {
    CW_PRECONDITION(primary < screens.size() && workAreas.size() == screens.size());
    std::vector<std::size_t> order{primary};
    for (std::size_t i = 0; i < screens.size(); ++i) {
        if (i != primary) {
            order.push_back(i);
        }
    }
    for (const std::size_t i : order) {
        if (const QRect end = panelEndFrame(screens[i], workAreas[i]); !end.isEmpty()) {
            return {end, workAreas[i]};
        }
    }
    return {{}, workAreas[primary]};
}
