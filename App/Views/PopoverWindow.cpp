#include "Views/PopoverWindow.h"

#include "Style/Drawing/StyleAccessibility.h"
#include "Views/PopoverRoot.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

Qt::WindowFlags flagsFor(PopoverStanding standing) {
    // GNOME Shell keeps a tool window out of its task switcher (as a utility window, skipping the task
    // bar); a plain one is listed there, as "Chipwhistle".
    return standing == PopoverStanding::underTheIcon
               ? Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
               : Qt::Window | Qt::FramelessWindowHint;
}

} // namespace

PopoverWindow::PopoverWindow(const AppEnvironment& environment)
    : QWidget(nullptr, flagsFor(PopoverStanding::underTheIcon))
    , root_(new PopoverRoot(environment, this)) {
    setWindowTitle(QStringLiteral("Chipwhistle"));
    // A frameless tool window is otherwise read as a nameless pane.
    StyleAccessibility::setRole(this, QAccessible::Window);
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(root_);
    setFixedSize(PopoverRoot::popoverSize);
}

void PopoverWindow::setStanding(PopoverStanding standing) {
    if (windowFlags() != flagsFor(standing)) {
        setWindowFlags(flagsFor(standing));
    }
}

void PopoverWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        emit shown();
    }
}

void PopoverWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        emit hidden();
    }
}

void PopoverWindow::closeEvent(QCloseEvent* event) {
    // A close the player asked of the desktop is theirs, as Escape is: the host closes the popover with
    // the reason, rather than the window going without a word.
    if (event->spontaneous()) {
        event->ignore();
        emit closeAsked();
        return;
    }
    QWidget::closeEvent(event);
}

void PopoverWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit dismissed();
        return;
    }
    QWidget::keyPressEvent(event);
}
