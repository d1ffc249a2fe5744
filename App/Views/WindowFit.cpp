#include "Views/WindowFit.h"

#include <algorithm>

namespace WindowFit {

QSize size(QSize wanted, QSize minimum, QSize room) {
    return wanted.boundedTo(room.shrunkBy(decorations)).expandedTo(minimum);
}

QRect frame(QSize wanted, QSize minimum, QRect room) {
    QRect outer(QPoint(), size(wanted, minimum, room.size()).grownBy(decorations));
    outer.moveCenter(room.center());
    outer.moveTopLeft({std::max(outer.left(), room.left()), std::max(outer.top(), room.top())});
    return outer.marginsRemoved(decorations);
}

} // namespace WindowFit
