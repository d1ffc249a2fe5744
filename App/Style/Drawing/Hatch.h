#pragma once

#include <QPainterPath>
#include <QRectF>

// The diagonal stripes marking an unaffordable stretch, as one fillable path (the user clips it).
QPainterPath hatchPath(const QRectF& rect);
