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
        if (block->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)) {
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
