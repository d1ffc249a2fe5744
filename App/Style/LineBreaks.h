#pragma once

#include <QString>

// Where the game's short texts may not break: a number range stays whole with the unit after it, so a
// narrow card shows "10–15 min." on one line and never "10–" over "15 min.".
namespace LineBreaks {
// The text as drawn: word joiners round a range's dash and a no-break space before its unit. A reader
// is given the text as written, without them.
QString keepRangesWhole(const QString& text);
} // namespace LineBreaks
