#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// What a screen reader would stumble on in a window, read through the same accessibility interfaces
// it reads: each problem as one line naming the element and what is wrong with it.
namespace AccessibleTree {

inline QString roleName(QAccessible::Role role) {
    return QString::number(static_cast<int>(role), 16);
}

inline QString describe(QAccessibleInterface* element) {
    QString text =
        QStringLiteral("role 0x%1 \"%2\"").arg(roleName(element->role()), element->text(QAccessible::Name));
    if (QObject* object = element->object())
        text += QStringLiteral(" (%1)").arg(QString::fromLatin1(object->metaObject()->className()));
    return text;
}

// Roles that say nothing a reader can act on: a frame, a blank, a layout filler.
inline bool speaksNothing(QAccessible::Role role) {
    switch (role) {
    case QAccessible::NoRole:
    case QAccessible::Client:
    case QAccessible::Border:
    case QAccessible::Whitespace:
    case QAccessible::Grip:
    case QAccessible::Caret:
    case QAccessible::Cursor:
    case QAccessible::Sound:
        return true;
    default:
        return false;
    }
}

inline bool sameWords(const QString& first, const QString& second) {
    return first.trimmed().compare(second.trimmed(), Qt::CaseInsensitive) == 0;
}

// What a reader reads in one breath: a text and the texts inside it, or a tile read as one.
inline bool readWhole(QAccessible::Role role) {
    return role == QAccessible::StaticText || role == QAccessible::Heading;
}

// A reader speaks a line run of text attributes by run: a run that ends where it starts leaves what
// follows it unsaid, and Orca said "po" for a field holding "pot". The problem with the runs of a text,
// if any.
inline QString attributeRunsProblem(QAccessibleTextInterface* text) {
    const int count = text->characterCount();
    for (int offset = 0; offset < count;) {
        int start = -1;
        int end = -1;
        text->attributes(offset, &start, &end);
        if (start > offset || end <= offset)
            return QStringLiteral("its text \"%1\" has a run of attributes from %2 to %3 at %4")
                .arg(text->text(0, count))
                .arg(start)
                .arg(end)
                .arg(offset);
        offset = end;
    }
    return {};
}

// `reached` gathers every element walked; `whole` is the nearest enclosing element read in one
// breath, whose words its parts must not say again.
inline void walk(QAccessibleInterface* element, QStringList& problems, QList<QObject*>& reached,
                 const QString& whole = {}) {
    if (!element || !element->isValid())
        return;
    const QAccessible::State state = element->state();
    if (state.invisible)
        return;
    reached << element->object();
    const QString name = element->text(QAccessible::Name);
    if (!whole.isEmpty() && !name.trimmed().isEmpty() && whole.contains(name.trimmed(), Qt::CaseInsensitive))
        problems << describe(element) + QStringLiteral(": read twice, inside \"%1\" too").arg(whole);
    const QString description = element->text(QAccessible::Description);
    const QAccessible::Role role = element->role();
    if (state.focusable) {
        if (name.trimmed().isEmpty())
            problems << describe(element) + QStringLiteral(": takes the focus but has no name");
        if (speaksNothing(role) || role == QAccessible::Separator || role == QAccessible::Graphic)
            problems << describe(element) +
                            QStringLiteral(": takes the focus in a role a reader does not speak");
    }
    if (!description.isEmpty() && sameWords(name, description))
        problems << describe(element) + QStringLiteral(": its description repeats its name");
    if (speaksNothing(role) && name.trimmed().isEmpty() && element->childCount() == 0)
        problems << describe(element) + QStringLiteral(": an unnamed frame with nothing in it");
    // Qt on Linux names a drop-down by its value and leaves what it sets to the label it is related to.
    if (qobject_cast<QComboBox*>(element->object()) && element->relations(QAccessible::Label).isEmpty())
        problems << describe(element) + QStringLiteral(": no label says what it sets");
    if (QAccessibleTextInterface* text = element->textInterface())
        if (const QString problem = attributeRunsProblem(text); !problem.isEmpty())
            problems << describe(element) + QStringLiteral(": ") + problem;
    const QString inside = whole.isEmpty() && readWhole(element->role()) ? name : whole;
    for (int index = 0; index < element->childCount(); ++index)
        walk(element->child(index), problems, reached, inside);
}

// Every control the keys reach must be in the tree where a reader looks for it: a reader ignores the
// focus of an element its parent does not list.
inline void checkReachable(QWidget* root, const QList<QObject*>& reached, QStringList& problems) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(root) && widget->isEnabled() &&
            !reached.contains(widget) && !widget->isWindow())
            problems << describe(QAccessible::queryAccessibleInterface(widget)) +
                            QStringLiteral(": takes the focus where no reader finds it");
    }
}

// Every visible label that names a control must be found from the control as its label.
inline void checkLabels(QWidget* root, QStringList& problems) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (!control || !label->isVisibleTo(root) || !control->isVisibleTo(root))
            continue;
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(control);
        QAccessibleInterface* title = QAccessible::queryAccessibleInterface(label);
        bool related = false;
        for (const auto& [other, relation] : element->relations(QAccessible::Label))
            related = related || other->object() == label;
        if (!related)
            problems << describe(element) +
                            QStringLiteral(": not labelled by \"%1\"").arg(title->text(QAccessible::Name));
    }
}

// The problems of the window `root` heads, empty when a reader finds nothing wrong.
inline QStringList problems(QWidget* root) {
    QStringList found;
    QList<QObject*> reached;
    walk(QAccessible::queryAccessibleInterface(root), found, reached);
    checkLabels(root, found);
    checkReachable(root, reached, found);
    return found;
}

} // namespace AccessibleTree
