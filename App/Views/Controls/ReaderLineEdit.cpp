#include "Views/Controls/ReaderLineEdit.h"

#include <QFocusEvent>
#include <QTimer>

#include "Style/Drawing/EntryAccessibility.h"
#include "System/ReaderChangeEvents.h"

ReaderLineEdit::ReaderLineEdit(QWidget* parent)
    : QLineEdit(parent) {
    EntryAccessibility::readWhole(this);
}

void ReaderLineEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool selects =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (!selects) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent quiet(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&quiet);
    QTimer::singleShot(0, this, [this, found = text()] {
        if (hasFocus() && !hasSelectedText() && text() == found)
            selectAll();
    });
}

void ReaderLineEdit::keyPressEvent(QKeyEvent* event) {
    const ReaderChangeEvents::Typing typing(this);
    QLineEdit::keyPressEvent(event);
}

void ReaderLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    const ReaderChangeEvents::Typing typing(this);
    QLineEdit::inputMethodEvent(event);
}
