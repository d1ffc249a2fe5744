#include "Views/Controls/TypedText.h"

#include <QLineEdit>

TypedText TypedText::of(const QLineEdit& field) {
    const int cursor = field.cursorPosition();
    int anchor = cursor;
    if (field.hasSelectedText())
        anchor = cursor == field.selectionStart() ? field.selectionEnd() : field.selectionStart();
    return {field.text(), cursor, anchor};
}

void TypedText::putInto(QLineEdit& field) const {
    field.setText(text);
    field.setSelection(anchor, cursor - anchor);
}
