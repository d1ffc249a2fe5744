#include "Style/Drawing/StyleAccessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

class StyledAccessible : public QAccessibleWidget {
  public:
    StyledAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->property(StyleAccessibility::hiddenProperty).toBool())
            state.invisible = true;
        if (widget()->property(StyleAccessibility::selectedProperty).toBool()) {
            state.selectable = true;
            state.selected = true;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget()))
            state.pressed = button->isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<QAbstractButton*>(widget()) && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (button && name == pressAction() && button->isEnabled()) {
            button->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(StyleAccessibility::roleProperty);
    if (!role.isValid())
        return nullptr;
    return new StyledAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

namespace StyleAccessibility {

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void setRole(QWidget* widget, QAccessible::Role role) {
    install();
    widget->setProperty(roleProperty, static_cast<int>(role));
}

void setSelected(QWidget* widget, bool selected) {
    widget->setProperty(selectedProperty, selected);
}

void setHidden(QWidget* widget) {
    setRole(widget, QAccessible::Graphic);
    widget->setProperty(hiddenProperty, true);
}

} // namespace StyleAccessibility
