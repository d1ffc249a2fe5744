#pragma once

// Where a key press goes while a screen reader may want it. A reader takes its own keys (Orca's Where
// Am I is keypad Enter, or Return with its modifier held) from the accessibility bridge, which asks it
// about each key press before passing the press on. Shortcuts, though, are matched before any press is
// delivered: one on such a key acted before the reader was asked, and a question to the reader became
// a move in the game. So, while a reader listens, a press from the keyboard goes on as a plain press,
// for the bridge to ask the reader; the shortcut it makes is tried only once the press comes back.
namespace ReaderKeyRoute {

enum class Route {
    // Nothing to do: the press, or the question, goes its usual way.
    asUsual,
    // The shortcuts' question: answered as if the focused control wanted the key, so the press goes on
    // to the reader first.
    holdForReader,
    // The press came through, the reader declined it or was never asked: the shortcut it makes acts now.
    tryShortcutNow,
};

struct Press {
    // The question put to the focused control before the shortcuts are tried, rather than the press.
    bool shortcutQuestion = false;
    // Carries the keyboard's own scan code: typed by a person, not made by a program or a test.
    bool fromKeyboard = false;
    bool readerListens = false;
    // This filter's own trying of the shortcuts, which goes the usual way.
    bool retrying = false;
};

Route route(const Press& press);

} // namespace ReaderKeyRoute
