#include "Views/Controls/ReaderLineEdit.h"

#include <QFocusEvent>
#include <QTimer>

#include "Style/Drawing/EntryAccessibility.h"

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

void ReaderLineEdit::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    // Qt keeps the selection of a field whose window only lost the keys; this one keeps it whenever the
    // keys leave. A reader hears of a selection dropped whatever holds the keys by then.
    QFocusEvent keeping(event->type(), Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&keeping);
}
