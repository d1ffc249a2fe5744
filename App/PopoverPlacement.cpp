#include "PopoverPlacement.h"

#include <algorithm>

namespace {

constexpr int gap = 4;

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
