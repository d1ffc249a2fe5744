#include "System/ChangedAsOne.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>

namespace ChangedAsOne {

namespace {

// On a whole while it changes as one.
constexpr const char* changingProperty = "chipwhistleChangingAsOne";
// On a part whose change was kept from the reader: whether the reader holds it showing, or enabled.
constexpr const char* heardShowingProperty = "chipwhistleHeardShowing";
constexpr const char* heardEnabledProperty = "chipwhistleHeardEnabled";

// On a parent while a child of it is made, and on each child it had before.
constexpr const char* makingProperty = "chipwhistleMaking";
constexpr const char* madeBeforeProperty = "chipwhistleMadeBefore";

// What a part's events are kept for: a whole above it changing as one, or being made.
enum class Whole { none, changing, made };

Whole wholeAbove(const QWidget* part) {
    for (const QWidget* above = part; !above->isWindow() && above->parentWidget();
         above = above->parentWidget()) {
        const QWidget* parent = above->parentWidget();
        if (parent->property(changingProperty).toBool())
            return Whole::changing;
        if (parent->property(makingProperty).toBool())
            return above != part && !above->property(madeBeforeProperty).toBool() ? Whole::made : Whole::none;
    }
    return Whole::none;
}

// What of a part `event` tells, as the property that keeps it; none for anything else.
const char* keptBy(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
        return heardShowingProperty;
    case QAccessible::StateChanged:
        return static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().disabled
                   ? heardEnabledProperty
                   : nullptr;
    default:
        return nullptr;
    }
}

// Tells the reader of `part` as it now stands where that differs from what it holds.
void tellWhereChanged(QWidget* part, const Tell& tell) {
    const QVariant showing = part->property(heardShowingProperty);
    part->setProperty(heardShowingProperty, QVariant());
    if (showing.isValid() && showing.toBool() != part->isVisible()) {
        QAccessibleEvent told(part, part->isVisible() ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        tell(&told);
    }
    const QVariant enabled = part->property(heardEnabledProperty);
    part->setProperty(heardEnabledProperty, QVariant());
    // A part told shown is read afresh, its state with it.
    const bool toldShown = showing.isValid() && !showing.toBool() && part->isVisible();
    if (!toldShown && enabled.isValid() && enabled.toBool() != part->isEnabled()) {
        QAccessible::State disabled;
        disabled.disabled = true;
        QAccessibleStateChangeEvent told(part, disabled);
        tell(&told);
    }
}

} // namespace

void change(QWidget* whole, const std::function<void()>& change, const Tell& tell) {
    whole->setProperty(changingProperty, true);
    change();
    whole->setProperty(changingProperty, QVariant());
    // Out of view or of input, the parts are nothing a reader meets: they keep what it holds until the
    // whole is back.
    if (!whole->isVisible() || !whole->isEnabled())
        return;
    const Tell told = tell ? tell : Tell(QAccessible::updateAccessibility);
    for (QWidget* part : whole->findChildren<QWidget*>()) {
        if (!part->isWindow())
            tellWhereChanged(part, told);
    }
}

void made(QWidget* parent, const std::function<void()>& make) {
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setProperty(madeBeforeProperty, true);
    parent->setProperty(makingProperty, true);
    make();
    parent->setProperty(makingProperty, QVariant());
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setProperty(madeBeforeProperty, QVariant());
}

bool keeps(QAccessibleEvent* event) {
    auto* part = qobject_cast<QWidget*>(event->object());
    if (!part)
        return false;
    const Whole whole = wholeAbove(part);
    if (whole == Whole::made)
        return event->type() != QAccessible::Focus;
    const char* kept = keptBy(event);
    if (!kept)
        return false;
    if (whole == Whole::none) {
        // Told: the reader holds the part as it now is.
        if (part->property(kept).isValid())
            part->setProperty(kept, QVariant());
        return false;
    }
    // Each event turns the part over: the reader holds the other side, unless it was kept before, in
    // which case the part is back to what the reader holds.
    const bool now =
        kept == heardShowingProperty ? event->type() == QAccessible::ObjectShow : part->isEnabled();
    const QVariant held = part->property(kept);
    if (!held.isValid())
        part->setProperty(kept, !now);
    else if (held.toBool() == now)
        part->setProperty(kept, QVariant());
    return true;
}

} // namespace ChangedAsOne
