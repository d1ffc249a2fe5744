#include "Views/Support/Announcer.h"

#include <QAccessible>
#include <QWidget>

#include "Style/Drawing/StyleAccessibility.h"

Announcer::Announcer(QObject* parent)
    : QObject(parent) {}

Announcer::~Announcer() = default;

QWidget* Announcer::notificationWindow() const {
    return notification_.get();
}

void Announcer::announce(const QString& text) {
    if (text.trimmed().isEmpty())
        return;
    spoken_.append(text);
    emit announced(text);
    if (!showsNotifications_)
        return;
    if (!notification_) {
        notification_ =
            std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint |
                                                   Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);
        StyleAccessibility::setRole(notification_.get(), QAccessible::Notification);
        notification_->setAttribute(Qt::WA_ShowWithoutActivating);
        notification_->setAttribute(Qt::WA_TransparentForMouseEvents);
        notification_->setWindowOpacity(0);
        notification_->resize(1, 1);
        notification_->move(-10, -10);
    }
    // Readers speak a notification when it appears, so it is hidden and shown again with the new words.
    notification_->hide();
    notification_->setAccessibleName(text);
    notification_->setWindowTitle(text);
    notification_->show();
}
