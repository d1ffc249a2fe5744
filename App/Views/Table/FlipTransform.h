#pragma once

#include <QPointF>
#include <QSizeF>
#include <QTransform>

// A card turned about its vertical centre line and seen in perspective: the edge that swings towards
// the viewer grows, the far edge shrinks. Built by hand, since Qt's own rotation about the y axis
// looks from a fixed distance; here the eye stands `1 / perspective` card heights away.
QTransform flipTransform(QPointF center, QSizeF size, double degrees, double perspective = 0.4);
