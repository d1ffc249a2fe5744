#include "System/ReaderChangeEvents.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
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

// A field's selection is told of only while the field holds the keys: a reader speaks a selection
// dropped wherever it is ("Text unselected"), of a field the player has left. Nor is it told of when
// typing over a selection replaces it: the change of text tells the reader that, and Orca, which may
// take the selection's event first, said "Text unselected" of the amount being typed.
bool keptFromReaders(QAccessibleEvent* event) {
    auto* field = event->type() == QAccessible::TextSelectionChanged ? qobject_cast<QWidget*>(event->object())
                                                                     : nullptr;
    if (!field)
        return false;
    if (!field->hasFocus())
        return true;
    const auto* change = static_cast<QAccessibleTextSelectionEvent*>(event);
    const QVariant before = field->property(typingProperty);
    const auto* line = qobject_cast<QLineEdit*>(field);
    return change->selectionStart() == change->selectionEnd() && before.isValid() && line &&
           line->text() != before.toString();
}

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

// Tells the reader the element at `path` is gone: it lets go of it at once, as it would of every element
// left when the game quits.
void tellGone(const QString& path) {
    QDBusConnection bus(busConnection);
    // At the very end the whole game goes anyway, and the reader lets all of it go together.
    if (!bus.isConnected() || QCoreApplication::closingDown())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/a11y/atspi/cache"),
                                                     QStringLiteral("org.a11y.atspi.Cache"),
                                                     QStringLiteral("RemoveAccessible"));
    QDBusArgument gone;
    gone.beginStructure();
    gone << bus.baseService() << QDBusObjectPath(path);
    gone.endStructure();
    signal << QVariant::fromValue(gone);
    bus.send(signal);
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
    QAccessible::installUpdateHandler(handle);
}

Typing::Typing(QLineEdit* field)
    : field_(field) {
    field_->setProperty(typingProperty, field->text());
}

Typing::~Typing() {
    if (field_)
        field_->setProperty(typingProperty, QVariant());
}

} // namespace ReaderChangeEvents
