#pragma once

#include <QSizeF>
#include <QTransform>

#include "Style/MotionStyle.h"

// The painter transform of a sliding view of `size`: displaced, turned and scaled about its centre;
// the identity once the slide has arrived.
QTransform slideTransform(const SlideEffect::Placement& placement, QSizeF size);
