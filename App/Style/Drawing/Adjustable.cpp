#include "Style/Drawing/Adjustable.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* adjustableProperty = "chipwhistleAdjustable";

class AdjustableAccessible : public QAccessibleWidget {
  public:
    AdjustableAccessible(QWidget* widget, Adjustable& adjustable)
        : QAccessibleWidget(widget, QAccessible::Slider)
        , adjustable_(adjustable) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return adjustable_.accessibleValue();
        return QAccessibleWidget::text(kind);
    }
    // The parts inside (buttons, thumb) are read as the one element.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }

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

  private:
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
