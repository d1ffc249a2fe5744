#pragma once

#include <QString>

// What a reader hears of a button's drawn title.
namespace SpokenTitle {

// The title without the arrows and chevrons drawn on it to point the way ("Rankings ›" is heard as
// "Rankings", "‹ Back" as "Back"): a reader would say them as marks or skip them unevenly. The blanks
// they stood between close up; a title without them comes back as it was.
QString of(const QString& drawn);

} // namespace SpokenTitle
