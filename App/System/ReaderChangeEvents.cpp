#include "System/ReaderChangeEvents.h"

#include "System/ChangedAsOne.h"
#include "System/PacedSignals.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QObject>
#include <QVariant>
#include <QWidget>

namespace ReaderChangeEvents {

namespace {

// The first Qt whose bridge sends a new name's words and a table's new rows itself.
const QVersionNumber wordsSentFrom(6, 8);
const QString objectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

// Set on a field while a key or an input method edits it: the text it held before.
constexpr const char* typingProperty = "chipwhistleTypedOver";
// Set on a field while it takes the keys with its text chosen.
constexpr const char* takingProperty = "chipwhistleTakingTheKeys";

using PacedSignals::busConnection;
using ReaderChangeQueue::Change;

// The words last told for each element, so a repeat (Qt tells of every call, changed or not) is not
// spoken again.
constexpr const char* sentNameProperty = "chipwhistleReaderName";
constexpr const char* sentDescriptionProperty = "chipwhistleReaderDescription";
// The paths the reader was told of an object by (Qt can give an object a second element once it is
// built), each followed until the object goes.
constexpr const char* followedProperty = "chipwhistleReaderFollowed";

// Set once the program is ending: the reader lets go of all of it together as it goes.
bool quitting = false;

void handle(QAccessibleEvent* event);

// Whether Qt's bridge sends a reader anything for an event of `type`.
bool bridgeSends(QAccessible::Event type) {
    switch (type) {
    case QAccessible::ObjectCreated:
    case QAccessible::ObjectDestroyed:
    case QAccessible::ObjectReorder:
    case QAccessible::LocationChanged:
    case QAccessible::ParentChanged:
        return false;
    default:
        return true;
    }
}

// Hands `event` to Qt's bridge, as if no handler were installed.
void passOn(QAccessibleEvent* event) {
    if (bridgeSends(event->type()))
        PacedSignals::noteSentByTheBridge();
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handle);
}

// The element an event tells of, while the reader can be told of it.
QAccessibleInterface* toldOf(QAccessibleEvent* event) {
    QAccessibleInterface* element = event->accessibleInterface();
    if (!QDBusConnection(busConnection).isConnected() || !element || !element->isValid())
        return nullptr;
    return element;
}

// Whether a reader can have met `element`: it finds a program's elements through its windows, and a
// window never shown is none yet. What changes in one being built is read as it first shows.
bool reachable(QAccessibleInterface* element) {
    auto* widget = qobject_cast<QWidget*>(element->object());
    return !widget || widget->window()->windowHandle();
}

// Tells `change` of `element`: an announcement at once, words first, as a reader speaks it when it
// comes; anything else at the pace of the rest, once a reader can have met the element.
void tell(QAccessibleInterface* element, const Change& change, const QString& known) {
    if (element->role() == QAccessible::Notification)
        PacedSignals::tellNow(change);
    else if (reachable(element))
        PacedSignals::tell(change, known);
}

bool sendWords(QAccessibleEvent* event) {
    QAccessibleInterface* element = toldOf(event);
    if (!element || !element->object())
        return false;
    const bool name = event->type() == QAccessible::NameChanged;
    const QString words = element->text(name ? QAccessible::Name : QAccessible::Description);
    QObject* object = element->object();
    const char* sent = name ? sentNameProperty : sentDescriptionProperty;
    const QVariant before = object->property(sent);
    if (before.isValid() && before.toString() == words)
        return true;
    object->setProperty(sent, words);
    // What a reader held before is unknown until something was told: any words differ from it.
    const QString known = before.isValid() ? before.toString() : QString(QChar(0));
    tell(element,
         {objectPath(element),
          name ? QStringLiteral("accessible-name") : QStringLiteral("accessible-description"), words},
         known);
    return true;
}

// What comes into view or leaves it, as Qt's bridge tells it, but at the pace of every other change of
// ours: a table's controls shown at once are a hundred of these.
bool sendShowing(QAccessibleEvent* event) {
    QAccessibleInterface* element = toldOf(event);
    if (!element)
        return false;
    const bool shown = event->type() == QAccessible::ObjectShow;
    tell(element,
         {objectPath(element), QStringLiteral("showing"), shown ? QStringLiteral("1") : QStringLiteral("0")},
         shown ? QStringLiteral("0") : QStringLiteral("1"));
    return true;
}

// A control that stops or starts taking input: a whole screen does so as a panel opens over it. Told at
// the pace of the rest; any other state the event carries goes to the bridge.
bool sendEnabled(QAccessibleEvent* event) {
    auto* change = static_cast<QAccessibleStateChangeEvent*>(event);
    QAccessibleInterface* element = toldOf(event);
    if (!element || !change->changedStates().disabled)
        return false;
    const bool enabled = !element->state().disabled;
    tell(
        element,
        {objectPath(element), QStringLiteral("enabled"), enabled ? QStringLiteral("1") : QStringLiteral("0")},
        enabled ? QStringLiteral("0") : QStringLiteral("1"));
    QAccessible::State others = change->changedStates();
    others.disabled = false;
    if (!(others == QAccessible::State())) {
        QAccessibleStateChangeEvent rest(element, others);
        passOn(&rest);
    }
    return true;
}

// Tells the reader the element at `path` is gone: it lets go of it at once, as it would of every element
// left when the game quits.
void tellGone(const QString& path) {
    // At the end the whole game goes anyway, and the reader lets all of it go together: told of each
    // window's hundreds of elements, it was flooded in the last moment.
    if (!QDBusConnection(busConnection).isConnected() || quitting || QCoreApplication::closingDown())
        return;
    PacedSignals::tell({path, ReaderChangeQueue::gone, {}}, {});
}

// Whatever an event tells the reader of, the reader keeps until it is told the element is gone.
void followUntilGone(QAccessibleEvent* event) {
    if (!QDBusConnection(busConnection).isConnected())
        return;
    QAccessibleInterface* element = event->accessibleInterface();
    QObject* object = element && element->isValid() ? element->object() : nullptr;
    if (!object || element->role() == QAccessible::Application)
        return;
    const QString path = objectPath(element);
    QStringList followed = object->property(followedProperty).toStringList();
    if (followed.contains(path))
        return;
    followed << path;
    object->setProperty(followedProperty, followed);
    QObject::connect(object, &QObject::destroyed, [path] { tellGone(path); });
}

void handle(QAccessibleEvent* event) {
    if (keptFromReaders(event))
        return;
    static const bool wordsSent = bridgeSendsWords(QLibraryInfo::version());
    if (wordsSent) {
        passOn(event);
        return;
    }
    followUntilGone(event);
    switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
        if (!quitting && !sendWords(event))
            passOn(event);
        return;
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
        if (!quitting && !sendShowing(event))
            passOn(event);
        return;
    case QAccessible::StateChanged:
        if (!sendEnabled(event))
            passOn(event);
        return;
    // Qt has already applied the change to the table's children before any handler runs, and the 6.4
    // bridge sends nothing for it: passed on, the change would be applied twice.
    case QAccessible::TableModelChanged:
        return;
    default:
        passOn(event);
    }
}

} // namespace

bool bridgeSendsWords(const QVersionNumber& running) {
    return running >= wordsSentFrom;
}

QString objectPath(QAccessibleInterface* element) {
    if (element->role() == QAccessible::Application)
        return objectPrefix + QStringLiteral("root");
    return objectPrefix + QString::number(QAccessible::uniqueId(element));
}

bool keptFromReaders(QAccessibleEvent* event) {
    if (ChangedAsOne::keeps(event))
        return true;
    auto* field = event->type() == QAccessible::TextSelectionChanged ? qobject_cast<QWidget*>(event->object())
                                                                     : nullptr;
    if (!field)
        return false;
    if (!field->hasFocus() || field->property(takingProperty).isValid())
        return true;
    const auto* change = static_cast<QAccessibleTextSelectionEvent*>(event);
    const QVariant before = field->property(typingProperty);
    const auto* line = qobject_cast<QLineEdit*>(field);
    return change->selectionStart() == change->selectionEnd() && before.isValid() && line &&
           line->text() != before.toString();
}

void install() {
    QAccessible::installUpdateHandler(handle);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
        quitting = true;
        PacedSignals::dropWaiting();
    });
}

Typing::Typing(QLineEdit* field)
    : field_(field) {
    field_->setProperty(typingProperty, field->text());
}

Typing::~Typing() {
    if (field_)
        field_->setProperty(typingProperty, QVariant());
}

TakingTheKeys::TakingTheKeys(QLineEdit* field)
    : field_(field) {
    field_->setProperty(takingProperty, true);
}

TakingTheKeys::~TakingTheKeys() {
    if (field_)
        field_->setProperty(takingProperty, QVariant());
}

} // namespace ReaderChangeEvents
