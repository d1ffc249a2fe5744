#include "Views/Home/HomeColumn.h"

#include <algorithm>

namespace HomeColumn {

QRect frame(const QRect& available, const std::optional<QSize>& column) {
    if (!column)
        return available;
    const QSize size(std::min(available.width(), column->width()),
                     std::min(available.height(), column->height()));
    QRect framed(QPoint(), size);
    framed.moveCenter(available.center());
    // moveCenter rounds towards the top-left on odd differences; keep the frame inside.
    framed.moveLeft(available.left() + (available.width() - size.width()) / 2);
    framed.moveTop(available.top() + (available.height() - size.height()) / 2);
    return framed;
}

} // namespace HomeColumn
