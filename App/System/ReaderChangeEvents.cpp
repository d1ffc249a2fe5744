#include "System/ReaderChangeEvents.h"

#include "System/PacedSignals.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QObject>
#include <QVariant>

namespace ReaderChangeEvents {

namespace {

// The first Qt whose bridge sends a new name's words and a table's new rows itself.
const QVersionNumber wordsSentFrom(6, 8);
const QString objectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// The connection Qt's bridge opens to the accessibility bus, under this name: a change must come
// from the same sender as the element for a reader to place it.
const QString busConnection = QStringLiteral("a11y");
// The words last sent for each element, so a repeat (Qt tells of every call, changed or not) is not
// spoken again.
constexpr const char* sentNameProperty = "chipwhistleReaderName";
constexpr const char* sentDescriptionProperty = "chipwhistleReaderDescription";
// The paths the reader was told of an object by (Qt can give an object a second element once it is
// built), each followed until the object goes.
constexpr const char* followedProperty = "chipwhistleReaderFollowed";

// Set once the program is ending: the reader lets go of all of it together as it goes.
bool quitting = false;

void handle(QAccessibleEvent* event);

// An element as AT-SPI names one: the connection it lives on and its path.
QDBusArgument reference(const QDBusConnection& bus, const QString& path) {
    QDBusArgument element;
    element.beginStructure();
    element << bus.baseService() << QDBusObjectPath(path);
    element.endStructure();
    return element;
}

// Tells the reader an element came into or went out of view, as Qt's bridge would, but at the pace
// of every other change of ours: a table's controls shown at once are a hundred of these.
bool sendShowing(QAccessibleEvent* event) {
    QDBusConnection bus(busConnection);
    QAccessibleInterface* element = event->accessibleInterface();
    if (!bus.isConnected() || !element || !element->isValid())
        return false;
    const QString path = objectPath(element);
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("StateChanged"));
    signal << QStringLiteral("showing") << (event->type() == QAccessible::ObjectShow ? 1 : 0) << 0
           << QVariant::fromValue(QDBusVariant(QVariant::fromValue(reference(bus, path))))
           << QVariant::fromValue(reference(bus, objectPrefix + QStringLiteral("root")));
    PacedSignals::send(busConnection, signal);
    return true;
}

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

bool sendWords(QAccessibleEvent* event) {
    QDBusConnection bus(busConnection);
    QAccessibleInterface* element = event->accessibleInterface();
    if (!bus.isConnected() || !element || !element->isValid() || !element->object())
        return false;
    const bool name = event->type() == QAccessible::NameChanged;
    const QString words = element->text(name ? QAccessible::Name : QAccessible::Description);
    QObject* object = element->object();
    const char* sent = name ? sentNameProperty : sentDescriptionProperty;
    const QVariant before = object->property(sent);
    if (before.isValid() && before.toString() == words)
        return true;
    object->setProperty(sent, words);
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath(element), QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << (name ? QStringLiteral("accessible-name") : QStringLiteral("accessible-description")) << 0 << 0
           << QVariant::fromValue(QDBusVariant(words))
           << QVariant::fromValue(reference(bus, objectPrefix + QStringLiteral("root")));
    PacedSignals::send(busConnection, signal);
    return true;
}

// Tells the reader the element at `path` is gone: it lets go of it at once, as it would of every element
// left when the game quits.
void tellGone(const QString& path) {
    QDBusConnection bus(busConnection);
    // At the end the whole game goes anyway, and the reader lets all of it go together: told of each
    // window's hundreds of elements, it was flooded in the last moment.
    if (!bus.isConnected() || quitting || QCoreApplication::closingDown())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/a11y/atspi/cache"),
                                                     QStringLiteral("org.a11y.atspi.Cache"),
                                                     QStringLiteral("RemoveAccessible"));
    signal << QVariant::fromValue(reference(bus, path));
    PacedSignals::send(busConnection, signal);
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
    // Qt has already applied the change to the table's children before any handler runs, and the 6.4
    // bridge sends nothing for it: passed on, the change would be applied twice.
    case QAccessible::TableModelChanged:
        return;
    default:
        passOn(event);
    }
}

#endif

} // namespace

bool bridgeSendsWords(const QVersionNumber& running) {
    return running >= wordsSentFrom;
}

QString objectPath(QAccessibleInterface* element) {
    if (element->role() == QAccessible::Application)
        return objectPrefix + QStringLiteral("root");
    return objectPrefix + QString::number(QAccessible::uniqueId(element));
}

void install() {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (bridgeSendsWords(QLibraryInfo::version()))
        return;
    QAccessible::installUpdateHandler(handle);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
        quitting = true;
        PacedSignals::dropWaiting();
    });
#endif
}

} // namespace ReaderChangeEvents
