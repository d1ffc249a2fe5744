#include "Views/Learn/SidewaysScrollArea.h"

#include <QScrollBar>

SidewaysScrollArea::SidewaysScrollArea(QWidget* content, QWidget* parent)
    : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // The widget held takes the keys and brings what they reach into view; the area is no stop of its own.
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidget(content);
    setWidgetResizable(true);
    // What lies behind shows through, as it does round the widget held.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int SidewaysScrollArea::heightForWidth(int width) const {
    const int shown = std::max(width, widget()->minimumWidth());
    const int bar = shown > width ? horizontalScrollBar()->sizeHint().height() : 0;
    return widget()->heightForWidth(shown) + bar;
}

QSize SidewaysScrollArea::sizeHint() const {
    const int width = widget()->sizeHint().width();
    return {width, heightForWidth(width)};
}

QSize SidewaysScrollArea::minimumSizeHint() const {
    // As narrow as its bar's arrows; as tall as the widget at its narrowest.
    const int width = horizontalScrollBar()->minimumSizeHint().width();
    return {width, heightForWidth(width)};
}
