#include "Views/Table/FocusFrame.h"

#include "Style/Drawing/FocusRingPainter.h"

#include <QPainter>

FocusFrame::FocusFrame(const TableTheme& theme, QWidget* parent)
    : QWidget(parent)
    , theme_(theme) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusFrame::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void FocusFrame::ring(const QRect& area) {
    setGeometry(area);
    raise();
    show();
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FocusRingPainter::paintInside(painter, rect(), theme_, FocusRingPainter::Outline::rounded, 6);
}
