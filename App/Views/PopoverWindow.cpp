#include "Views/PopoverWindow.h"

#include "Style/Drawing/StyleAccessibility.h"
#include "Views/PopoverRoot.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

PopoverWindow::PopoverWindow(const AppEnvironment& environment)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
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

void PopoverWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit dismissed();
        return;
    }
    QWidget::keyPressEvent(event);
}
