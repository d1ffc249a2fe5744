#pragma once

#include <chrono>
#include <deque>
#include <memory>

#include <QObject>
#include <QStringList>

class QWidget;

// Screen-reader announcements. Qt 6.4 has no announcement event and its AT-SPI bridge drops alerts;
// what readers do speak is a small window whose accessible role is a notification, shown with the
// words as its name. A reader handles events in turn and reads the name only when it reaches the
// event, often a second later: one window renamed for each announcement would by then say the
// latest words twice and lose the ones before. So every announcement gets a window of its own, kept
// (hidden once the next one shows) until the reader has surely read it, and then closed: each one
// stays in the reader's tree of the game while it lives. The announcer also keeps a record of what it
// said lately (the screens' tests read it).
class Announcer : public QObject {
    Q_OBJECT
  public:
    explicit Announcer(QObject* parent = nullptr);
    ~Announcer() override;

    // How many of the latest announcements the record keeps at most.
    static constexpr qsizetype keptRecord = 512;
    // How many notification windows stay alive for a reader that lags behind, and for how long.
    static constexpr std::size_t keptNotifications = 16;
    static constexpr std::chrono::milliseconds notificationLifetime{30000};

    // Says `text`; empty text says nothing.
    void announce(const QString& text);
    const QStringList& spoken() const { return spoken_; }
    // Tests that only read the record can leave the notification window unshown.
    void setShowsNotifications(bool shows) { showsNotifications_ = shows; }
    // The window of the latest announcement; none before the first or once it is closed.
    QWidget* notificationWindow() const;
    // Tests close the windows sooner.
    void setNotificationLifetime(std::chrono::milliseconds lifetime) { lifetime_ = lifetime; }

  signals:
    void announced(const QString& text);

  private:
    QStringList spoken_;
    bool showsNotifications_ = true;
    std::chrono::milliseconds lifetime_ = notificationLifetime;
    std::deque<std::unique_ptr<QWidget>> notifications_;
};
