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

std::optional<QPoint> askingPress(QPoint pointer, bool buttonHeld, std::optional<QPoint> lastPress) {
    if (lastPress) {
        return lastPress;
    }
    return buttonHeld ? std::optional(pointer) : std::nullopt;
}

QRect clickedIconFrame(std::optional<QPoint> press, QRect screen, QRect available) {
    if (!press || (available.contains(*press) && available != screen)) {
        return {};
    }
    return QRect(*press - QPoint(iconSide / 2, iconSide / 2), QSize(iconSide, iconSide));
}

namespace {

constexpr ScreenSide sides[] = {ScreenSide::top, ScreenSide::bottom, ScreenSide::left, ScreenSide::right};

bool runsAcross(ScreenSide side) {
    return side == ScreenSide::top || side == ScreenSide::bottom;
}

// Whether `band` reaches the trailing end of its side of `screen`, where a tray sits; a panel ending
// within an icon of it still holds the icon there.
bool reachesTheEnd(const PanelBand& band, QRect screen) {
    return runsAcross(band.side) ? band.band.right() + iconSide > screen.right()
                                 : band.band.bottom() + iconSide > screen.bottom();
}

// How far the work area keeps from each side of its screen.
struct SideInsets {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;

    int at(ScreenSide side) const {
        switch (side) {
        case ScreenSide::top:
            return top;
        case ScreenSide::bottom:
            return bottom;
        case ScreenSide::left:
            return left;
        case ScreenSide::right:
            return right;
        }
        return 0;
    }
};

// The side of the panel holding the tray, of those `inset`.
std::optional<ScreenSide> trayPanelSide(QRect screen, const SideInsets& inset,
                                        const std::vector<PanelBand>& bands, TrayHolder holder) {
    if (holder == TrayHolder::gnomeTopBar && inset.at(ScreenSide::top) > 0) {
        return ScreenSide::top;
    }
    const auto isDock = [&](ScreenSide side) {
        bool banded = false;
        for (const PanelBand& band : bands) {
            if (band.side == side) {
                banded = true;
                if (reachesTheEnd(band, screen)) {
                    return false;
                }
            }
        }
        return banded;
    };
    std::vector<ScreenSide> kept;
    for (const bool docksToo : {false, true}) {
        for (const ScreenSide side : sides) {
            if (inset.at(side) > 0 && (docksToo || !isDock(side))) {
                kept.push_back(side);
            }
        }
        if (!kept.empty()) {
            break;
        }
    }
    if (kept.empty()) {
        return std::nullopt;
    }
    if (std::any_of(kept.begin(), kept.end(), runsAcross)) {
        std::erase_if(kept, [](ScreenSide side) { return !runsAcross(side); });
    }
    // The first of the widest, in the order of `sides`.
    return *std::max_element(kept.begin(), kept.end(),
                             [&](ScreenSide a, ScreenSide b) { return inset.at(a) < inset.at(b); });
}

} // namespace

QRect panelEndFrame(QRect screen, QRect available, const std::vector<PanelBand>& bands, TrayHolder holder) {
    const SideInsets inset{available.top() - screen.top(), screen.bottom() - available.bottom(),
                           available.left() - screen.left(), screen.right() - available.right()};
    const std::optional<ScreenSide> side = trayPanelSide(screen, inset, bands, holder);
    if (!side) {
        return {};
    }
    // Where the panel's thickness starts across its side.
    int edge = 0;
    switch (*side) {
    case ScreenSide::top:
        edge = screen.top();
        break;
    case ScreenSide::bottom:
        edge = available.bottom() + 1;
        break;
    case ScreenSide::left:
        edge = screen.left();
        break;
    case ScreenSide::right:
        edge = available.right() + 1;
        break;
    }
    // The middle of the panel's thickness, at its trailing end.
    const int middle = edge + inset.at(*side) / 2 - iconSide / 2;
    const QSize icon(iconSide, iconSide);
    return runsAcross(*side) ? QRect(QPoint(screen.right() + 1 - iconSide, middle), icon)
                             : QRect(QPoint(middle, screen.bottom() + 1 - iconSide), icon);
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

// The bands the struts keep on `screen`, all in the desktop's pixels; a band across the whole screen is
// another screen's panel, reaching over it to the desktop's edge.
std::vector<PanelBand> bandsOn(QRect screen, const DesktopPanels& panels) {
    std::vector<PanelBand> bands;
    const int wide = panels.desktop.width();
    const int high = panels.desktop.height();
    const auto keep = [&](ScreenSide side, QRect band) {
        band &= screen;
        const bool acrossTheScreen =
            runsAcross(side) ? band.height() >= screen.height() : band.width() >= screen.width();
        if (!band.isEmpty() && !acrossTheScreen) {
            bands.push_back({side, band});
        }
    };
    for (const PanelStrut& strut : panels.struts) {
        const auto span = [](int start, int end) { return end - start + 1; };
        keep(ScreenSide::left,
             QRect(0, strut.leftStartY, strut.left, span(strut.leftStartY, strut.leftEndY)));
        keep(ScreenSide::right, QRect(wide - strut.right, strut.rightStartY, strut.right,
                                      span(strut.rightStartY, strut.rightEndY)));
        keep(ScreenSide::top, QRect(strut.topStartX, 0, span(strut.topStartX, strut.topEndX), strut.top));
        keep(ScreenSide::bottom, QRect(strut.bottomStartX, high - strut.bottom,
                                       span(strut.bottomStartX, strut.bottomEndX), strut.bottom));
    }
    return bands;
}

// The screen less what the struts keep on it, all in the desktop's pixels.
QRect lessTheStruts(QRect screen, const DesktopPanels& panels) {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    for (const PanelBand& band : bandsOn(screen, panels)) {
        switch (band.side) {
        case ScreenSide::left:
            left = std::max(left, band.band.right() + 1 - screen.left());
            break;
        case ScreenSide::right:
            right = std::max(right, screen.right() + 1 - band.band.left());
            break;
        case ScreenSide::top:
            top = std::max(top, band.band.bottom() + 1 - screen.top());
            break;
        case ScreenSide::bottom:
            bottom = std::max(bottom, screen.bottom() + 1 - band.band.top());
            break;
        }
    }
    return screen.adjusted(left, top, -right, -bottom);
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

std::vector<std::vector<PanelBand>> panelBands(const std::vector<ReportedScreen>& screens,
                                               const DesktopPanels& panels) {
    std::vector<std::vector<PanelBand>> bands;
    for (const ReportedScreen& screen : screens) {
        const double scale = screen.scale > 0 ? screen.scale : 1;
        const QPoint corner = screen.geometry.topLeft();
        std::vector<PanelBand>& kept = bands.emplace_back();
        for (PanelBand band : bandsOn(scaledFromCorner(screen.geometry, corner, scale), panels)) {
            band.band = scaledFromCorner(band.band, corner, 1 / scale);
            kept.push_back(band);
        }
    }
    return bands;
}

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
                      std::size_t primary, const std::vector<std::vector<PanelBand>>& bands,
                      TrayHolder holder) {
    CW_PRECONDITION(primary < screens.size() && workAreas.size() == screens.size() &&
                    (bands.empty() || bands.size() == screens.size()));
    std::vector<std::size_t> order{primary};
    for (std::size_t i = 0; i < screens.size(); ++i) {
        if (i != primary) {
            order.push_back(i);
        }
    }
    const std::vector<PanelBand> noBands;
    for (const std::size_t i : order) {
        if (const QRect end =
                panelEndFrame(screens[i], workAreas[i], bands.empty() ? noBands : bands[i], holder);
            !end.isEmpty()) {
            return {end, workAreas[i]};
        }
    }
    return {{}, workAreas[primary]};
}
