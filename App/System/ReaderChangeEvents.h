#pragma once

#include <QPointer>
#include <QString>
#include <QVersionNumber>

class QAccessibleEvent;
class QAccessibleInterface;
class QLineEdit;

// Qt's AT-SPI bridge before 6.8 (6.4 here) tells readers of a new name or description with the element
// itself where the new words belong. Orca takes that for words, cannot speak it and drops the change
// ("bad content sent to speak()"): a focused control's new name or explanation is never heard. Installed
// once at start, this sends those two changes with their words instead, and only when the words really
// changed; every other event goes its usual way. From 6.8 the bridge sends the words itself and tells
// readers of a table's new rows, so nothing is installed there.
//
// Nor does that bridge ever tell a reader that an element is gone: the reader keeps every element it
// was ever told of (each row of every hand, each announcement's window) for as long as the game runs,
// and lets them all go at once when it quits, tens of thousands after a long session. So each element
// the reader is told of is followed, and told gone when it goes; not as the game quits, when the reader
// lets all of it go at once.
//
// Those changes, what comes into view or leaves it and what stops or starts taking input go at a pace a
// reader keeps up with, merged while they wait (see PacedSignals): a table's controls built and shown
// together, or a screen that stops taking input under a panel, are a few hundred of them. An
// announcement goes at once.
//
// With any Qt, a text field's selection reaches readers only from the field that holds the keys, not
// when typing replaces it, and not when it is made as the field takes the keys.
namespace ReaderChangeEvents {

// Whether the bridge of the Qt the program runs with sends the words itself. A build against an older
// Qt may run with a newer one, which keeps its binary interface.
bool bridgeSendsWords(const QVersionNumber& running);

// Installed once at start: takes over the two changes where the running Qt's bridge needs it, and
// keeps selections from readers where they are not theirs.
void install();

// Whether `event` is kept from readers: one of a part of a whole changing or made as one (see
// ChangedAsOne), and a text field's selection changes: told only while the field holds the keys, since a
// reader speaks a selection dropped wherever it is ("Text unselected"), of a field the player has left; not
// when typing replaces the selection, as the change of text tells the reader that, and Orca, which may take
// the selection's event first, said "Text unselected" of the amount being typed; and not when it is made as
// the field takes the keys (see TakingTheKeys).
bool keptFromReaders(QAccessibleEvent* event);

// While one lives, `field` is being typed in: a selection it drops as its text changes goes with the
// text that replaces it, and readers hear of the text alone.
class Typing {
  public:
    explicit Typing(QLineEdit* field);
    ~Typing();
    Typing(const Typing&) = delete;
    Typing& operator=(const Typing&) = delete;

  private:
    QPointer<QLineEdit> field_;
};

// While one lives, `field` takes the keys with its text chosen at once, for the player to type over (R
// at the table): the reader reads the selection as it meets the field, and is not told of it apart.
// Told apart, the change can reach a reader still reading the field after a digit typed at once has
// replaced the selection; Orca, comparing the selection it read with the field as it is by then, says
// "Text unselected".
class TakingTheKeys {
  public:
    explicit TakingTheKeys(QLineEdit* field);
    ~TakingTheKeys();
    TakingTheKeys(const TakingTheKeys&) = delete;
    TakingTheKeys& operator=(const TakingTheKeys&) = delete;

  private:
    QPointer<QLineEdit> field_;
};

// The AT-SPI object path Qt's bridge gives `element`: where a change must come from for a reader to
// match it to the element it already knows.
QString objectPath(QAccessibleInterface* element);

} // namespace ReaderChangeEvents
