#pragma once

#include <QString>

class QLineEdit;

// What a one-line field holds as the player left it: the text, where the caret stands and where any
// selection began, the caret standing at its other end. Put into another field, the next key does
// there what it would have done in the first.
struct TypedText {
    QString text;
    int cursor = 0;
    // The selection's fixed end; the caret's own place when nothing is selected.
    int anchor = 0;

    static TypedText of(const QLineEdit& field);
    void putInto(QLineEdit& field) const;

    bool operator==(const TypedText&) const = default;
};
