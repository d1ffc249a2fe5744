#include "Views/Table/StageScene.h"

#include <algorithm>
#include <set>

using Kind = StageItem::Kind;

namespace {

constexpr double knockHalf = 0.07;
constexpr double gateFade = 0.04;
constexpr double flightFade = 0.18;

// Back to front, the stage's layers. A bot's face-down cards peek from behind its plate; once shown
// they lie over the plates, so no ring or tag ever hides a shown card.
int layer(const StageItem& item) {
    switch (item.kind) {
    case Kind::boardCard:
        return 3;
    case Kind::lastAction:
        return 4;
    case Kind::pot:
        return 5;
    case Kind::bet:
        return 6;
    case Kind::holeCard:
        return item.card ? 11 : 7;
    case Kind::heroCard:
        return 8;
    case Kind::handTag:
        return 9;
    case Kind::nameplate:
        return 10;
    case Kind::dealer:
        return 12;
    case Kind::flight:
        return 13;
    }
    return 0;
}

// Nothing before the start, exactly the target once finished (a zero-length change lands at once).
double progress(const AnimationCurve& curve, double elapsed) {
    if (elapsed < 0) {
        return 0;
    }
    return curve.isFinished(elapsed) ? 1 : curve.progress(elapsed);
}

double finishedAt(const StageTransition& transition, double start) {
    return start + transition.delay + transition.curve.duration();
}

} // namespace

double StageScene::Motion::at(double now) const {
    return from + (to - from) * progress(curve, now - startedAt);
}

bool StageScene::contains(const QString& id) const {
    return live_.contains(id);
}

void StageScene::update(std::vector<StageItem> items, double now, const TableTheme& theme, bool resized) {
    std::set<QString> present;
    for (const auto& item : items) {
        present.insert(item.id);
    }
    // What goes is marked first, so an arrival that takes turns knows what it waits for. An item taken
    // away before it has come (a card dealt to a seat that folds before it lands) comes all the same
    // and then leaves: the deal plays out.
    for (auto& [id, live] : live_) {
        if (!present.contains(id) && !live.removedAt) {
            live.removedAt = std::max(now, finishedAt(live.item.arrival, live.born));
        }
    }
    // Words replaced before they began to show are never shown: the next words need not wait for them.
    std::erase_if(live_, [&](const auto& entry) {
        const Live& live = entry.second;
        return live.item.takesTurns && !present.contains(entry.first) &&
               now < live.born + live.item.arrival.delay;
    });
    for (auto& item : items) {
        if (auto found = live_.find(item.id); found != live_.end()) {
            change(found->second, std::move(item), now, theme, resized);
        } else {
            arrive(std::move(item), now, theme);
        }
    }
}

void StageScene::settle(std::vector<StageItem> items, double now, const TableTheme& theme) {
    std::set<QString> settled;
    for (auto& item : items) {
        item.arrival = StageTransition{};
        item.startAngle = 0;
        item.flipDelay.reset();
        if (!live_.contains(item.id)) {
            settled.insert(item.id);
        }
    }
    update(std::move(items), now, theme);
    for (const QString& id : settled) {
        Live& live = live_.at(id);
        live.ring = Motion{AnimationCurve::linear(0), now, live.ring.to, live.ring.to};
        live.dim = Motion{AnimationCurve::linear(0), now, live.dim.to, live.dim.to};
    }
}

void StageScene::arrive(StageItem item, double now, const TableTheme& theme) {
    Live live;
    live.born = now;
    if (item.takesTurns) {
        for (const auto& [id, other] : live_) {
            if (other.item.kind == item.kind && other.removedAt) {
                live.born = std::max(live.born, finishedAt(other.item.removal, *other.removedAt));
            }
        }
    }
    live.order = nextOrder_++;
    const auto still = [](double value) { return Motion{AnimationCurve::linear(0), 0, value, value}; };
    live.x = still(item.center.x());
    live.y = still(item.center.y());
    live.scale = still(item.scale);
    live.opacity = still(item.opacity);
    live.flip = still(item.card ? item.startAngle : 0);
    if (item.card && item.startAngle > 0 && item.flipDelay) {
        live.flip = Motion{StageMotion::flip(theme), live.born + *item.flipDelay, item.startAngle, 0};
    }
    live.ring = still(0);
    live.dim = still(1);
    live.plateRing = still(item.plateRing);
    live.turnTag = still(item.turnTag);
    live.content = still(item.content);
    live.roll = still(1);
    live.item = std::move(item);
    light(live, live.item.light, now, theme);
    live_.emplace(live.item.id, std::move(live));
}

void StageScene::light(Live& live, StageItem::Light light, double now, const TableTheme& theme) {
    const double ring = light == StageItem::Light::lit ? 1 : 0;
    const double dim = light == StageItem::Light::dimmed ? 0.5 : 1;
    if (ring == live.ring.to && dim == live.dim.to) {
        return;
    }
    // The light comes on a moment after the showdown and goes off at once.
    AnimationCurve curve = AnimationCurve::easeInOut(0.3);
    double delay = light == StageItem::Light::none ? 0 : 0.6;
    if (theme.reduceMotion) {
        curve = MotionStyle::reducedFade();
        delay = 0;
    }
    live.ring = Motion{curve, now + delay, live.ring.at(now), ring};
    live.dim = Motion{curve, now + delay, live.dim.at(now), dim};
}

void StageScene::change(Live& live, StageItem item, double now, const TableTheme& theme, bool resized) {
    const StageItem& old = live.item;
    // An item comes as it was planned when it appeared: a later redraw, whose timeline no longer holds
    // the cue it waited for, neither hurries nor holds it back.
    item.arrival = old.arrival;
    const StageTransition moving =
        item.change.value_or(StageTransition{AnimationCurve::linear(0), 0, {}, false, false});
    const auto retarget = [&](Motion& motion, double to) {
        if (motion.to != to) {
            motion = Motion{moving.curve, now + moving.delay, motion.at(now), to};
        }
    };
    const auto place = [&](Motion& motion, double to) {
        if (resized) {
            motion = Motion{AnimationCurve::linear(0), now, to, to};
        } else {
            retarget(motion, to);
        }
    };
    place(live.x, item.center.x());
    place(live.y, item.center.y());
    retarget(live.scale, item.scale);
    retarget(live.opacity, item.opacity);
    retarget(live.content, item.content);
    const auto fade = [&](Motion& motion, double to, const AnimationCurve& curve) {
        if (motion.to != to) {
            motion = Motion{curve, now, motion.at(now), to};
        }
    };
    fade(live.plateRing, item.plateRing, StageMotion::plateRing(theme));
    fade(live.turnTag, item.turnTag, StageMotion::turnTag(theme));
    if (item.rolls && item.amount != old.amount) {
        // Counting on from the figure shown now: a roll under way is cut short.
        live.rolledFrom = old.amount;
        live.roll = Motion{MotionStyle::numberRoll(), now, 0, 1};
    }
    if (!old.card && item.card) {
        // A card that arrives face down turns up after its reveal delay; under Reduce Motion the face
        // simply replaces the back.
        live.flip = theme.reduceMotion ? Motion{AnimationCurve::linear(0), now, 0, 0}
                                       : Motion{StageMotion::flip(theme), now + item.revealDelay, 180, 0};
    }
    if (item.knocks > old.knocks && !theme.reduceMotion) {
        live.knockStarted = now;
    }
    light(live, item.light, now, theme);
    live.removedAt.reset();
    live.item = std::move(item);
}

StageScene::Pose StageScene::pose(const Live& live, double now) const {
    const StageItem& item = live.item;
    Pose pose;
    pose.item = &item;
    pose.center = QPointF(live.x.at(now), live.y.at(now));
    pose.rotationDegrees = item.rotationDegrees;
    pose.scale = live.scale.at(now);
    pose.opacity = live.opacity.at(now) * live.dim.at(now);
    pose.ring = live.ring.at(now);
    pose.flipDegrees = live.flip.at(now);
    pose.plateRing = live.plateRing.at(now);
    pose.turnTag = live.turnTag.at(now);
    pose.content = live.content.at(now);
    pose.rolledFrom = live.rolledFrom;
    pose.roll = live.roll.at(now);

    if (item.kind == Kind::flight) {
        const double travelled = progress(item.change->curve, now - live.born - item.flightDelay);
        pose.center = item.from + (item.center - item.from) * travelled;
        pose.lifted = now < live.born + item.flightDelay + item.change->curve.duration();
        const double fadeStart = live.born + item.flightDelay + item.flightDuration;
        pose.opacity *= 1 - progress(AnimationCurve::easeOut(flightFade), now - fadeStart);
    }
    if (live.knockStarted >= 0) {
        const double k = now - live.knockStarted;
        pose.knock =
            k < knockHalf ? k / knockHalf : (k < 2 * knockHalf ? (2 * knockHalf - k) / knockHalf : 0);
    }

    const auto apply = [&](const StageTransition& transition, double share) {
        if (transition.fadeOnly) {
            pose.opacity *= share;
            return;
        }
        SlideEffect slide = transition.slide;
        slide.progress = share;
        const auto placement = slide.placement();
        pose.center += QPointF(placement.dx, placement.dy);
        pose.rotationDegrees += placement.rotationDegrees;
        pose.scale *= placement.scale;
        pose.opacity *= placement.opacity;
    };
    const double sinceArrival = now - live.born - item.arrival.delay;
    apply(item.arrival, progress(item.arrival.curve, sinceArrival));
    if (item.arrival.gated) {
        pose.opacity *= std::clamp(sinceArrival / gateFade, 0.0, 1.0);
    }
    if (live.removedAt) {
        pose.leaving = now >= *live.removedAt;
        apply(item.removal, 1 - progress(item.removal.curve, now - *live.removedAt - item.removal.delay));
    }
    return pose;
}

std::vector<StageScene::Pose> StageScene::poses(double now) const {
    std::vector<const Live*> order;
    order.reserve(live_.size());
    for (const auto& [id, live] : live_) {
        // Gone, even when no tick has pruned it yet.
        if (!live.removedAt || now < finishedAt(live.item.removal, *live.removedAt)) {
            order.push_back(&live);
        }
    }
    std::sort(order.begin(), order.end(), [](const Live* a, const Live* b) {
        const int la = layer(a->item);
        const int lb = layer(b->item);
        return la != lb ? la < lb : a->order < b->order;
    });
    std::vector<Pose> poses;
    poses.reserve(order.size());
    for (const Live* live : order) {
        poses.push_back(pose(*live, now));
        poses.back().moving = now < endOf(*live);
    }
    return poses;
}

double StageScene::endOf(const Live& live) const {
    const StageItem& item = live.item;
    double end = finishedAt(item.arrival, live.born);
    for (const Motion* motion : {&live.x, &live.y, &live.scale, &live.opacity, &live.flip, &live.ring,
                                 &live.dim, &live.plateRing, &live.turnTag, &live.content, &live.roll}) {
        end = std::max(end, motion->startedAt + motion->curve.duration());
    }
    if (live.knockStarted >= 0) {
        end = std::max(end, live.knockStarted + 2 * knockHalf);
    }
    if (item.kind == Kind::flight) {
        end = std::max(end, live.born + std::max(item.flightDelay + item.change->curve.duration(),
                                                 item.flightDelay + item.flightDuration + flightFade));
    }
    if (live.removedAt) {
        end = std::max(end, finishedAt(item.removal, *live.removedAt));
    }
    return end;
}

bool StageScene::isMoving(double now) const {
    return std::any_of(live_.begin(), live_.end(),
                       [&](const auto& entry) { return now < endOf(entry.second); });
}

void StageScene::prune(double now) {
    std::erase_if(live_, [&](const auto& entry) {
        const Live& live = entry.second;
        return live.removedAt && now >= finishedAt(live.item.removal, *live.removedAt);
    });
}
