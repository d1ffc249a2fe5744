#include "PopoverPlacement.h"

#include <algorithm>

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
