#include "Views/Support/DialogKeys.h"

#include <QAbstractButton>
#include <QShortcut>

namespace DialogKeys {

namespace {
QShortcut* bind(QWidget* scope, QKeySequence key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, scope, std::move(action));
    return shortcut;
}
} // namespace

void bindDefault(QWidget* scope, QAbstractButton* button) {
    bindDefault(scope, [button] {
        if (button->isVisible() && button->isEnabled()) {
            button->click();
        }
    });
}

void bindDefault(QWidget* scope, std::function<void()> press) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        bind(scope, QKeySequence(key), press);
    }
}

QShortcut* bindCancel(QWidget* scope, std::function<void()> action) {
    return bind(scope, QKeySequence(Qt::Key_Escape), std::move(action));
}

} // namespace DialogKeys
