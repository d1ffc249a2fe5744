#include "Style/Drawing/Adjustable.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* adjustableProperty = "chipwhistleAdjustable";

class AdjustableAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    AdjustableAccessible(QWidget* widget, Adjustable& adjustable)
        : QAccessibleWidget(widget, QAccessible::Slider)
        , adjustable_(adjustable) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A control whose parts take the keys (the stepper's buttons, which carry the count in their words)
    // is passed over on the way to them: a reader speaks a slider it enters as its bare number.
    QAccessible::Role role() const override {
        return parts().isEmpty() ? QAccessible::Slider : QAccessible::Client;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return adjustable_.accessibleValue();
        return QAccessibleWidget::text(kind);
    }
    // The parts inside (thumb, count) are read as the one element; only a part that takes the keys
    // itself (the stepper's buttons) is a child, so a reader can place it when it gets the focus.
    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> found = parts();
        return index >= 0 && index < found.size() ? QAccessible::queryAccessibleInterface(found[index])
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(parts().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (!widget()->isEnabled())
            return;
        if (name == increaseAction())
            adjustable_.increment();
        else if (name == decreaseAction())
            adjustable_.decrement();
    }

    QVariant currentValue() const override { return adjustable_.accessibleScale().current; }
    QVariant minimumValue() const override { return adjustable_.accessibleScale().minimum; }
    QVariant maximumValue() const override { return adjustable_.accessibleScale().maximum; }
    QVariant minimumStepSize() const override { return adjustable_.accessibleScale().step; }
    // A reader sets a number; the control moves there by its own steps, so its own clamps hold.
    void setCurrentValue(const QVariant& value) override {
        if (!widget()->isEnabled())
            return;
        const double wanted = value.toDouble();
        for (double now = adjustable_.accessibleScale().current; now != wanted;) {
            if (wanted > now)
                adjustable_.increment();
            else
                adjustable_.decrement();
            const double moved = adjustable_.accessibleScale().current;
            // At an end, or past the value asked for: stop where it is.
            if (moved == now || (moved > wanted) != (now > wanted))
                break;
            now = moved;
        }
    }

  private:
    QList<QWidget*> parts() const {
        QList<QWidget*> found;
        for (QWidget* part : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (part->focusPolicy() & Qt::TabFocus)
                found << part;
        return found;
    }

    Adjustable& adjustable_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(adjustableProperty).toBool())
        return nullptr;
    auto* adjustable = dynamic_cast<Adjustable*>(widget);
    return adjustable ? new AdjustableAccessible(widget, *adjustable) : nullptr;
}

} // namespace

void Adjustable::announce(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
    widget->setProperty(adjustableProperty, true);
}

void Adjustable::valueMoved(QWidget* widget) {
    auto* adjustable = dynamic_cast<Adjustable*>(widget);
    if (!adjustable)
        return;
    QAccessibleValueChangeEvent event(widget, adjustable->accessibleScale().current);
    QAccessible::updateAccessibility(&event);
}
