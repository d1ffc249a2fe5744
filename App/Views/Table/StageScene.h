#pragma once

#include "Table/Screen/StageLayout.h"

#include <QPointF>

#include <map>
#include <optional>
#include <vector>

// The stage's items kept alive between redraws, keyed by identity: a new identity arrives with its
// transition, a vanished one stays to leave with its own, and a kept one moves from where it was to
// where it now belongs. Time is the stage clock's, in seconds; nothing here paints or waits.
class StageScene {
  public:
    // Where one item is to be drawn at a moment.
    struct Pose {
        const StageItem* item = nullptr;
        QPointF center;
        double rotationDegrees = 0;
        double scale = 1;
        double opacity = 1;
        // The card's turn: 0 face up, 180 face down.
        double flipDegrees = 0;
        // A flight's chips are raised while they travel.
        bool lifted = false;
        // Downward offset of a knocking plate.
        double knock = 0;
        // The showdown light: the winner ring's opacity, and the dimming of a card that lost.
        double ring = 0;
        // A plate's ring and turn tag (0 hidden to 1 shown) and the opacity of its avatar and words.
        double plateRing = 0;
        double turnTag = 0;
        double content = 1;
        // An amount rolling from `rolledFrom`: its progress from 0 to 1 (1 when not rolling).
        std::int64_t rolledFrom = 0;
        double roll = 1;
        bool leaving = false;
        // Still changing: drawn from cached images mapped through its motion rather than afresh.
        bool moving = false;
    };

    // Takes the items of a redraw made at `now`. Reduce Motion turns off the flips and knocks. `resized`:
    // the stage took a new size, so kept items stand at once where it puts them rather than gliding there.
    void update(std::vector<StageItem> items, double now, const TableTheme& theme, bool resized = false);
    // Takes a stage's first items as they stand: a table opened on a hand under way shows it where it
    // is, every card at its place with its face as laid out and the showdown's light on, not dealt again.
    void settle(std::vector<StageItem> items, double now, const TableTheme& theme);
    // Every item back to front, as it is at `now` (which must not be before the last update).
    std::vector<Pose> poses(double now) const;
    // True while anything still moves or waits to move; the stage's clock can stop otherwise.
    bool isMoving(double now) const;
    // Forgets the items that have finished leaving.
    void prune(double now);
    std::size_t size() const { return live_.size(); }
    bool contains(const QString& id) const;

  private:
    struct Motion {
        AnimationCurve curve = AnimationCurve::linear(0);
        double startedAt = 0;
        double from = 0;
        double to = 0;
        double at(double now) const;
        bool done(double now) const { return curve.isFinished(now - startedAt); }
    };
    struct Live {
        StageItem item;
        int order = 0;
        double born = 0;
        std::optional<double> removedAt;
        // Place, scale and opacity changes, each from where it was.
        Motion x, y, scale, opacity;
        Motion flip;
        Motion ring;
        Motion dim;
        Motion plateRing, turnTag, content;
        Motion roll;
        std::int64_t rolledFrom = 0;
        double knockStarted = -1;
    };

    void arrive(StageItem item, double now, const TableTheme& theme);
    void change(Live& live, StageItem item, double now, const TableTheme& theme, bool resized);
    static void light(Live& live, StageItem::Light light, double now, const TableTheme& theme);
    Pose pose(const Live& live, double now) const;
    double endOf(const Live& live) const;

    std::map<QString, Live> live_;
    int nextOrder_ = 0;
};
