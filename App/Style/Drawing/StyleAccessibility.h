#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

// How our painted views present themselves to screen readers: their role, and the states Qt's own
// widgets cannot express (a selected preset, an ornament hidden from the reader).
namespace StyleAccessibility {

// Registers our accessibility factory once per process; every styled view calls it on construction.
void install();

// Views tell the factory what they are through these dynamic properties.
inline constexpr const char* roleProperty = "chipwhistleAccessibleRole";
inline constexpr const char* selectedProperty = "chipwhistleAccessibleSelected";
inline constexpr const char* hiddenProperty = "chipwhistleAccessibleHidden";
inline constexpr const char* modalProperty = "chipwhistleAccessibleModal";
inline constexpr const char* askedDescriptionProperty = "chipwhistleAccessibleAskedDescription";
inline constexpr const char* shownNameProperty = "chipwhistleAccessibleShownName";
inline constexpr const char* placeProperty = "chipwhistleAccessiblePlace";

void setRole(QWidget* widget, QAccessible::Role role);
// Read in `role` from now on, even where it was hidden before (an ornament the screen gives words).
void setRead(QWidget* widget, QAccessible::Role role);
// The chosen one of a set: a radio button's checked state, any other role's selected state.
void setSelected(QWidget* widget, bool selected);
// A card that holds the keys until it is answered, read as a modal dialog.
void setModalDialog(QWidget* widget);
// Ornaments (avatar discs, chip faces, the dealer disc) are left out: the surrounding row speaks for them.
void setHidden(QWidget* widget);
// The row of a list the reader's place is on while the list holds the keys (the list keeps the keys
// itself): read as the element focused, and the reader told so, as it is of a widget taking the keys.
// `widget` null moves the place off every row; `previous` is the row it was on, if any.
void movePlace(QWidget* previous, QWidget* widget);

// Qt tells the reader of a new name or description on every call, even when the words are the same; a
// view that refreshes its words on every frame or rebuild would flood the reader until it drops what
// matters. Every view sets its words through these, which tell the reader only of a real change.
void setName(QWidget* widget, const QString& name);
void setDescription(QWidget* widget, const QString& description);
// Words the reader reads when it comes to the view (the focus moves there, the player asks where they
// are) and is never told of as they change: words that change with every move of a game would be read
// out at each move while the view holds the keys.
void setAskedDescription(QWidget* widget, const QString& description);
// The name of a view built among many (a tab's paragraphs), told to the reader as it changes only while
// the view shows: Qt tells of every name set, even on a view not yet on screen, and a reader told of a
// tab's worth at once drops the announcements among them. The view must have a role set here.
void setShownName(QWidget* widget, const QString& name);

} // namespace StyleAccessibility
