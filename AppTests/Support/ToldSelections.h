#pragma once

#include "System/ReaderChangeEvents.h"

#include <QAccessible>
#include <QLineEdit>
#include <QObject>

#include <utility>
#include <vector>

// What a reader is told of a field's selection: each change the field makes, as Qt's bridge would get
// it, unless the game's own accessibility handler keeps it from readers. Offscreen, Qt makes no
// accessibility events at all, so each is made here as the field makes it, at the same moment.
class ToldSelections {
  public:
    // A selection from `start` to `end`; a dropped selection runs from -1 to -1.
    using Selection = std::pair<int, int>;

    explicit ToldSelections(QLineEdit* field) {
        QObject::connect(field, &QLineEdit::selectionChanged, &listener_, [this, field] {
            QAccessibleTextSelectionEvent change(field, field->selectionStart(), field->selectionEnd());
            if (!ReaderChangeEvents::keptFromReaders(&change))
                told_.emplace_back(change.selectionStart(), change.selectionEnd());
        });
    }

    // What a reader has been told, in order.
    const std::vector<Selection>& told() const { return told_; }

  private:
    QObject listener_;
    std::vector<Selection> told_;
};
