#pragma once

#include <QObject>

#include <functional>

// Installed once, right after the application is made, so that every key press a reader listens for
// reaches it before any shortcut of the game acts on it (see ReaderKeyRoute). It must be installed
// before the accessibility bridge starts asking the reader about keys: the application's filters run
// newest first, so the bridge then takes each press before this sees it, and this sees only what the
// reader declined. Without a reader nothing changes.
class ReaderFirstKeys : public QObject {
    Q_OBJECT

  public:
    // `readerListens` says whether a reader may be asked about keys now; by default, whether Qt's
    // accessibility is active.
    explicit ReaderFirstKeys(std::function<bool()> readerListens = {}, QObject* parent = nullptr);

    // The one instance of the running game, on the application.
    static void install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool()> readerListens_;
    bool retrying_ = false;
};
