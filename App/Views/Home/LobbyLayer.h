#pragma once

#include <functional>

#include <QPointer>
#include <QRect>

#include "Style/Drawing/AnimationClock.h"
#include "Views/Home/HomeScreenModel.h"
#include "Views/Support/CardOverlay.h"

#include <QWidget>

class LeavingPicture;

// Hides a layer's widget and deletes it once control is back in the event loop (the button whose
// click removed it may still be on the stack), clearing the pointer.
template <class Widget> void dropLayer(Widget*& widget) {
    if (!widget)
        return;
    widget->hide();
    widget->deleteLater();
    widget = nullptr;
}

// One layer of the lobby (the column, the shade, the notice, the sheet, the guide, a term's panel) on
// its way in or out with the lobby motion. Coming in, the layer's own widget is moved and faded;
// going out, the widget goes at once and a picture of it leaves in its place, so nothing of it takes
// a click or a key while it is still visible. A widget with a graphics effect of its own is moved but
// not faded: give it a plain container as its layer.
class LobbyLayer {
  public:
    // The pictures of leaving widgets are drawn on `host`, which outlives the layer.
    LobbyLayer(QWidget* host, HomeLook::LayerEntrance entrance)
        : host_(host)
        , entrance_(entrance) {}
    ~LobbyLayer();
    LobbyLayer(const LobbyLayer&) = delete;
    LobbyLayer& operator=(const LobbyLayer&) = delete;

    // `widget` comes in along `motion` (its value 0 away, 1 in place).
    void enter(QWidget* widget, const Transition& motion, bool reduceMotion);
    // `widget` is about to go (the caller hides or deletes it next); a picture of it leaves along `motion`.
    void leave(QWidget* widget, const Transition& motion, bool reduceMotion);
    // Lays the layer out at `place` (in the host's coordinates; empty when the layer has no widget), where
    // it rests, for the moment `now`; a rise starts at `bottom`.
    void place(const QRect& place, int bottom, double now);
    // Above its siblings: the widget coming in and the picture going out.
    void raise();
    bool isMoving(double now) const;

  private:
    QWidget* host_;
    HomeLook::LayerEntrance entrance_;
    QPointer<QWidget> widget_;
    Transition in_;
    bool reduceIn_ = false;
    QPointer<LeavingPicture> leaving_;
    Transition out_;
    bool reduceOut_ = false;
    QRect leavingPlace_;
    QRect lastPlace_;
};
