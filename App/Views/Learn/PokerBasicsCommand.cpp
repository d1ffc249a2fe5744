#include "Views/Learn/PokerBasicsCommand.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Tells the commands when an action is published, shown, hidden or withdrawn.
class Publications : public QObject {
    Q_OBJECT
  signals:
    void changed();
};

Publications& publications() {
    static Publications notifier;
    return notifier;
}

} // namespace

PokerBasicsAction::PokerBasicsAction(QWidget* publisher, std::function<void()> open)
    : QObject(publisher)
    , open_(std::move(open)) {
    publisher->installEventFilter(this);
    emit publications().changed();
}

PokerBasicsAction::~PokerBasicsAction() {
    withdrawn_ = true;
    emit publications().changed();
}

void PokerBasicsAction::open() const {
    if (open_) {
        open_();
    }
}

QWidget* PokerBasicsAction::publisher() const {
    return qobject_cast<QWidget*>(parent());
}

bool PokerBasicsAction::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        emit publications().changed();
    }
    return QObject::eventFilter(watched, event);
}

PokerBasicsAction* PokerBasicsAction::focused() {
    QWidget* window = QApplication::activeWindow();
    if (!window) {
        return nullptr;
    }
    PokerBasicsAction* shown = nullptr;
    const QWidget* focus = QApplication::focusWidget();
    for (PokerBasicsAction* action : window->findChildren<PokerBasicsAction*>()) {
        if (action->withdrawn_) {
            continue;
        }
        QWidget* publisher = action->publisher();
        if (!publisher || !publisher->isVisible()) {
            continue;
        }
        if (focus && (publisher == focus || publisher->isAncestorOf(focus))) {
            return action;
        }
        if (!shown) {
            shown = action;
        }
    }
    return shown;
}

PokerBasicsCommand::PokerBasicsCommand(QObject* parent)
    : QAction(QStringLiteral("Poker Basics"), parent) {
    // One sequence: X11 reports Ctrl+Shift+/ as both Ctrl+Shift+/ and Ctrl+?, and an action that holds
    // two sequences matching one press takes it as ambiguous and does nothing.
    setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Question));
    connect(this, &QAction::triggered, this, [] {
        if (PokerBasicsAction* action = PokerBasicsAction::focused()) {
            action->open();
        }
    });
    // Queued: focus also moves while a screen is being destroyed, and an action withdrawn with its screen
    // must be gone by the time the command looks again.
    connect(qApp, &QApplication::focusChanged, this, &PokerBasicsCommand::refresh, Qt::QueuedConnection);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &PokerBasicsCommand::refresh,
            Qt::QueuedConnection);
    connect(&publications(), &Publications::changed, this, &PokerBasicsCommand::refresh,
            Qt::QueuedConnection);
    refresh();
}

void PokerBasicsCommand::refresh() {
    setEnabled(PokerBasicsAction::focused() != nullptr);
}

#include "PokerBasicsCommand.moc"
