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
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && !hasSelectedText())
            selectAll();
    });
}
