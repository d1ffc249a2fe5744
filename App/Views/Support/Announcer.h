#pragma once

#include <memory>

#include <QObject>
#include <QStringList>

class QWidget;

// Screen-reader announcements. Qt 6.4 has no announcement event and its AT-SPI bridge drops alerts;
// what readers do speak is a small window whose accessible role is a notification, shown with the
// words as its name. The announcer re-shows one such window for every announcement and keeps a record
// of what it said lately (the screens' tests read it).
class Announcer : public QObject {
    Q_OBJECT
  public:
    explicit Announcer(QObject* parent = nullptr);
    ~Announcer() override;

    // How many of the latest announcements the record keeps at most.
    static constexpr qsizetype keptRecord = 512;

    // Says `text`; empty text says nothing.
    void announce(const QString& text);
    const QStringList& spoken() const { return spoken_; }
    // Tests that only read the record can leave the notification window unshown.
    void setShowsNotifications(bool shows) { showsNotifications_ = shows; }
    QWidget* notificationWindow() const;

  signals:
    void announced(const QString& text);

  private:
    QStringList spoken_;
    bool showsNotifications_ = true;
    std::unique_ptr<QWidget> notification_;
};
