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
    // A long session says tens of thousands of lines; only the latest are worth keeping.
    if (spoken_.size() > keptRecord) {
        spoken_.remove(0, spoken_.size() - keptRecord / 2);
    }
    emit announced(text);
    if (!showsNotifications_)
        return;
    if (!notification_) {
        // Unmanaged (override-redirect): a window manager would otherwise list it in the task bar and
        // the window switcher; readers find it through the accessibility tree all the same.
        notification_ = std::make_unique<QWidget>(
            nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
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
    notification_->show();
}
