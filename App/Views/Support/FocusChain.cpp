#include "Views/Support/FocusChain.h"

#include <QWidget>

#include <vector>

namespace FocusChain {

void placeAfter(QWidget* anchor, QWidget* block) {
    if (!anchor || !block) {
        return;
    }
    std::vector<QWidget*> stops;
    for (QWidget* widget = block->nextInFocusChain(); widget && widget != block;
         widget = widget->nextInFocusChain()) {
        // Widgets that Tab passes by today come along too: a list moves its one Tab stop between them.
        if (block->isAncestorOf(widget) && widget->focusPolicy() != Qt::NoFocus) {
            stops.push_back(widget);
        }
    }
    QWidget* previous = anchor;
    for (QWidget* stop : stops) {
        QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

} // namespace FocusChain
