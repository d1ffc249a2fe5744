#include "System/ReaderFirstKeys.h"

#include "System/ReaderKeyRoute.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

ReaderFirstKeys::ReaderFirstKeys(std::function<bool()> readerListens, QObject* parent)
    : QObject(parent)
    , readerListens_(std::move(readerListens)) {
    if (!readerListens_) {
        readerListens_ = [] { return QAccessible::isActive(); };
    }
}

void ReaderFirstKeys::install() {
    qApp->installEventFilter(new ReaderFirstKeys({}, qApp));
}

bool ReaderFirstKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A press is delivered to its window first, then handed to the focused widget and its parents, and
    // the application's filters see it at each: it is looked at once, at the window.
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWindowType()) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const ReaderKeyRoute::Press press{type == QEvent::ShortcutOverride, key->nativeScanCode() != 0,
                                      readerListens_(), retrying_};
    switch (ReaderKeyRoute::route(press)) {
    case ReaderKeyRoute::Route::asUsual:
        return false;
    case ReaderKeyRoute::Route::holdForReader:
        key->accept();
        return true;
    case ReaderKeyRoute::Route::tryShortcutNow:
        break;
    }
    // Tried with everything the keyboard said of the press, as the platform tries it: Ctrl+Shift+/ is
    // Ctrl+? only by the keyboard's map.
    retrying_ = true;
    const bool taken = QWindowSystemInterface::handleShortcutEvent(
        static_cast<QWindow*>(watched), key->timestamp(), key->key(), key->modifiers(), key->nativeScanCode(),
        key->nativeVirtualKey(), key->nativeModifiers(), key->text(), key->isAutoRepeat(),
        static_cast<ushort>(key->count()));
    retrying_ = false;
    if (taken) {
        key->accept();
    }
    return taken;
}
