#include "Style/Drawing/StyleAccessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace {

class StyledAccessible : public QAccessibleWidget {
  public:
    StyledAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    // Read each time: a view may change what it is (a preset button becomes one of a radio group).
    QAccessible::Role role() const override {
        return static_cast<QAccessible::Role>(widget()->property(StyleAccessibility::roleProperty).toInt());
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // A widget that hands its keys to another (a scroll area's viewport) says so through Qt as if it
        // held them too: only the one it hands them to is focused.
        if (widget()->focusProxy())
            state.focused = false;
        if (widget()->property(StyleAccessibility::hiddenProperty).toBool())
            state.invisible = true;
        if (widget()->property(StyleAccessibility::modalProperty).toBool())
            state.modal = true;
        // A window whose keys an open menu holds (the tray's, over the popover) is not the reader's active
        // one until the menu closes: Qt tells the reader of the window as its keys move to the menu, and a
        // window still called active then takes the reader off the menu.
        if (widget()->isWindow() && QApplication::activePopupWidget())
            state.active = false;
        if (widget()->property(StyleAccessibility::placeProperty).toBool()) {
            state.focusable = true;
            state.focused = true;
        }
        auto* button = qobject_cast<QAbstractButton*>(widget());
        const bool chosen = widget()->property(StyleAccessibility::selectedProperty).toBool() ||
                            (button && button->isCheckable() && button->isChecked());
        // One of a set is spoken checked or not checked, as a radio button is; elsewhere only the
        // chosen one says so.
        if (role() == QAccessible::RadioButton) {
            state.checkable = true;
            state.checked = chosen;
        } else if (chosen) {
            state.selectable = true;
            state.selected = true;
        }
        if (button)
            state.pressed = button->isDown();
        return state;
    }

    // Qt falls back on the tooltip for a description; a tooltip that only says the name again would be
    // spoken twice.
    QString text(QAccessible::Text kind) const override {
        // A button is named by its text unless it was given a name of its own, as Qt's buttons are; Qt
        // tells the reader when that text changes, so the name needs no second telling.
        const QVariant shown = widget()->property(StyleAccessibility::shownNameProperty);
        if (kind == QAccessible::Name && shown.isValid())
            return shown.toString();
        auto* button = qobject_cast<QAbstractButton*>(widget());
        if (kind == QAccessible::Name && button && widget()->accessibleName().isEmpty())
            return button->text();
        const QVariant asked = widget()->property(StyleAccessibility::askedDescriptionProperty);
        const QString said = kind == QAccessible::Description && asked.isValid()
                                 ? asked.toString()
                                 : QAccessibleWidget::text(kind);
        if (kind == QAccessible::Description &&
            said.trimmed().compare(text(QAccessible::Name).trimmed(), Qt::CaseInsensitive) == 0)
            return {};
        return said;
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

void setRead(QWidget* widget, QAccessible::Role role) {
    setRole(widget, role);
    widget->setProperty(hiddenProperty, false);
}

void setSelected(QWidget* widget, bool selected) {
    if (widget->property(selectedProperty).toBool() == selected)
        return;
    widget->setProperty(selectedProperty, selected);
    // Read as checked in a set of radio buttons, as selected elsewhere: the reader hears whichever it is.
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void setModalDialog(QWidget* widget) {
    setRole(widget, QAccessible::Dialog);
    widget->setProperty(modalProperty, true);
}

void setHidden(QWidget* widget) {
    setRole(widget, QAccessible::Graphic);
    widget->setProperty(hiddenProperty, true);
}

void movePlace(QWidget* previous, QWidget* widget) {
    if (previous)
        previous->setProperty(placeProperty, false);
    if (!widget)
        return;
    widget->setProperty(placeProperty, true);
    QAccessibleEvent event(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void setName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

void setAskedDescription(QWidget* widget, const QString& description) {
    // A plain property: Qt tells the reader nothing of it, and the reader asks for it afresh each time.
    widget->setProperty(askedDescriptionProperty, description);
}

void setShownName(QWidget* widget, const QString& name) {
    const QVariant before = widget->property(shownNameProperty);
    if (before.isValid() && before.toString() == name)
        return;
    widget->setProperty(shownNameProperty, name);
    if (widget->isVisible()) {
        QAccessibleEvent event(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace StyleAccessibility
