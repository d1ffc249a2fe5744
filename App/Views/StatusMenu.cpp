#include "Views/StatusMenu.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QKeySequence>
#include <QPointer>

namespace {

// Set on each item of the menu: the words it is read with.
constexpr const char* spokenNameProperty = "chipwhistleSpokenName";
// Set on each item but the separator: the command it runs.
constexpr const char* commandProperty = "chipwhistleCommand";

// An item of the menu as the reader meets it: Qt's own menu item, read with its shortcut.
class SpokenMenuItem final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    SpokenMenuItem(QMenu* menu, QAction* action)
        : menu_(menu)
        , action_(action) {}

    bool isValid() const override { return menu_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return menu_ ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        if (kind == QAccessible::Name)
            return StatusMenu::spokenName(action_);
        if (kind == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.disabled = !action_->isEnabled();
        state.focusable = true;
        state.focused = menu_->activeAction() == action_;
        return state;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect inMenu = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(inMenu.topLeft()), inMenu.size()};
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override {
        return {text(QAccessible::Accelerator)};
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || !isValid() || !action_->isEnabled())
            return;
        // As a click does: the menu closes, then the item's command runs.
        menu_->hide();
        action_->trigger();
    }

  private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};

QAccessibleInterface* spokenItems(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QLatin1String("QAction") || !action || !action->property(spokenNameProperty).isValid())
        return nullptr;
    return new SpokenMenuItem(qobject_cast<QMenu*>(action->parent()), action);
}

} // namespace

StatusMenu::StatusMenu(const std::vector<StatusMenuItem>& items,
                       std::function<void(StatusMenuCommand)> choose)
    : choose_(std::move(choose)) {
    // Qt asks the factories for a menu item's reader view before making its own.
    static const bool installed = [] {
        QAccessible::installFactory(spokenItems);
        return true;
    }();
    Q_UNUSED(installed);
    setAccessibleName(QStringLiteral("Chipwhistle"));
    setItems(items);
}

void StatusMenu::setItems(const std::vector<StatusMenuItem>& items) {
    if (actions().size() != qsizetype(items.size())) {
        for (QAction* action : actions()) {
            removeAction(action);
            delete action;
        }
        for (const StatusMenuItem& item : items) {
            if (item.command == StatusMenuCommand::separator) {
                addSeparator();
                continue;
            }
            // Named before it joins the menu: the menu asks for an item's reader view as it is added,
            // and Qt keeps the first view it gets.
            auto* action = new QAction(this);
            action->setProperty(spokenNameProperty, statusMenuItemSpokenName(item));
            addAction(action);
            connect(action, &QAction::triggered, this, [this, action] {
                choose_(StatusMenuCommand(action->property(commandProperty).toInt()));
            });
        }
    }
    const QList<QAction*> shown = actions();
    for (std::size_t index = 0; index < items.size(); ++index) {
        const StatusMenuItem& item = items[index];
        QAction* action = shown[qsizetype(index)];
        if (action->isSeparator()) {
            continue;
        }
        action->setProperty(spokenNameProperty, statusMenuItemSpokenName(item));
        action->setProperty(commandProperty, int(item.command));
        action->setText(item.title);
        action->setShortcut(QKeySequence(item.shortcut));
    }
}

void StatusMenu::open(QPoint at, bool holdFirstItem) {
    popup(at);
    // Held once shown: Qt tells the reader of the item the menu holds only while the menu shows.
    if (holdFirstItem) {
        setActiveAction(actions().value(0));
    }
}

QString StatusMenu::spokenName(const QAction* action) {
    return action ? action->property(spokenNameProperty).toString() : QString();
}
