#include "Learn/ListKeys.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace ListKeys {

std::optional<int> target(std::optional<int> row, int count, int key) {
    if (count < 1) {
        return std::nullopt;
    }
    const bool up = key == Qt::Key_Up || key == Qt::Key_PageUp || key == Qt::Key_Home;
    const int from = row.value_or(up ? count : -1);
    int to = from;
    switch (key) {
    case Qt::Key_Up:
        to = from - 1;
        break;
    case Qt::Key_Down:
        to = from + 1;
        break;
    case Qt::Key_PageUp:
        to = from - pageRows;
        break;
    case Qt::Key_PageDown:
        to = from + pageRows;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    default:
        return std::nullopt;
    }
    return std::clamp(to, 0, count - 1);
}

} // namespace ListKeys
