#include "Views/Home/LobbyLayer.h"

#include <QGraphicsOpacityEffect>
#include <QPixmap>
#include <QWidget>

#include "Views/Support/LeavingPicture.h"

namespace {

void setOpacity(QWidget* widget, double opacity) {
    QGraphicsEffect* own = widget->graphicsEffect();
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(own);
    if (own && !effect)
        return;
    if (opacity >= 1) {
        // Settled: drawn directly again, without the offscreen pass an effect costs.
        if (effect)
            widget->setGraphicsEffect(nullptr);
        return;
    }
    if (!effect) {
        effect = new QGraphicsOpacityEffect(widget);
        widget->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
}

} // namespace

LobbyLayer::~LobbyLayer() {
    delete leaving_.data();
}

void LobbyLayer::enter(QWidget* widget, const Transition& motion, bool reduceMotion) {
    widget_ = widget;
    in_ = motion;
    reduceIn_ = reduceMotion;
}

void LobbyLayer::leave(QWidget* widget, const Transition& motion, bool reduceMotion) {
    delete leaving_.data();
    if (widget_ == widget)
        widget_ = nullptr;
    if (!widget || !widget->isVisible() || motion.curve.duration() <= 0)
        return;
    // The picture at rest: without the effect a layer still coming in would carry.
    setOpacity(widget, 1);
    const QRect now(widget->mapTo(host_, QPoint()), widget->size());
    leaving_ = new LeavingPicture(widget->grab(), host_);
    leavingPlace_ = lastPlace_.isValid() ? lastPlace_ : now;
    out_ = motion;
    reduceOut_ = reduceMotion;
    leaving_->setGeometry(now);
    leaving_->show();
    leaving_->raise();
}

void LobbyLayer::place(const QRect& place, int bottom, double now) {
    lastPlace_ = place;
    const double travel = bottom - place.top();
    if (widget_) {
        const HomeLook::LayerPlacement at = HomeLook::placement(entrance_, reduceIn_, in_.value(now), travel);
        widget_->setGeometry(place.translated(0, static_cast<int>(at.dy)));
        setOpacity(widget_, in_.isFinished(now) ? 1 : at.opacity);
    }
    if (leaving_) {
        if (out_.isFinished(now)) {
            delete leaving_.data();
            return;
        }
        const double leavingTravel = bottom - leavingPlace_.top();
        const HomeLook::LayerPlacement at =
            HomeLook::placement(entrance_, reduceOut_, 1 - out_.value(now), leavingTravel);
        leaving_->setGeometry(leavingPlace_.translated(0, static_cast<int>(at.dy)));
        leaving_->setOpacity(at.opacity);
    }
}

void LobbyLayer::raise() {
    if (widget_)
        widget_->raise();
    if (leaving_)
        leaving_->raise();
}

bool LobbyLayer::isMoving(double now) const {
    return (widget_ && !in_.isFinished(now)) || leaving_;
}
