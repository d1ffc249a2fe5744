#include "System/ReaderChangeEvents.h"

#include <QAccessible>
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

void handle(QAccessibleEvent* event);

// Hands `event` to Qt's bridge, as if no handler were installed.
void passOn(QAccessibleEvent* event) {
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
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(objectPrefix + QStringLiteral("root"));
    application.endStructure();
    signal << (name ? QStringLiteral("accessible-name") : QStringLiteral("accessible-description")) << 0 << 0
           << QVariant::fromValue(QDBusVariant(words)) << QVariant::fromValue(application);
    return bus.send(signal);
}

void handle(QAccessibleEvent* event) {
    switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
        if (!sendWords(event))
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
    if (!bridgeSendsWords(QLibraryInfo::version()))
        QAccessible::installUpdateHandler(handle);
#endif
}

} // namespace ReaderChangeEvents
