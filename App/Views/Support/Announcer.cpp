#include "Views/Support/Announcer.h"

#include <QAccessible>
#include <QTimer>
#include <QWidget>

#include "Style/Drawing/StyleAccessibility.h"

Announcer::Announcer(QObject* parent)
    : QObject(parent) {}

Announcer::~Announcer() = default;

QWidget* Announcer::notificationWindow() const {
    return notifications_.empty() ? nullptr : notifications_.back().get();
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
    // Unmanaged (override-redirect): a window manager would otherwise list it in the task bar and the
    // window switcher; readers find it through the accessibility tree all the same.
    auto notification = std::make_unique<QWidget>(
        nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                     Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);
    StyleAccessibility::setRole(notification.get(), QAccessible::Notification);
    notification->setAttribute(Qt::WA_ShowWithoutActivating);
    notification->setAttribute(Qt::WA_TransparentForMouseEvents);
    notification->setWindowOpacity(0);
    notification->resize(1, 1);
    notification->move(-10, -10);
    notification->setAccessibleName(text);
    if (!notifications_.empty())
        notifications_.back()->hide();
    // Readers speak a notification when it appears.
    notification->show();
    // Read by now even by a reader far behind: closed, so the windows of a long session do not crowd
    // the reader's view of the game.
    QTimer::singleShot(lifetime_, this, [this, shown = notification.get()] {
        std::erase_if(notifications_, [shown](const auto& kept) { return kept.get() == shown; });
    });
    notifications_.push_back(std::move(notification));
    if (notifications_.size() > keptNotifications)
        notifications_.pop_front();
}
