#pragma once

#include "Learn/GuideDestination.h"

#include <QString>

// The Poker Basics guide's frame around its tabs: the picker's words and the measures of its two
// presentations, the panel that covers a screen and the table window's sidebar.
namespace GuideShell {

// "Basics", "Rankings", "Starters", "Glossary".
QString tabTitle(GuideTab tab);
// What a reader calls the tab picker.
QString pickerTitle();

// The words at the top of the Rankings tab, and the Starters tab's rule of thumb: its title and text.
QString rankingsIntro();
QString startersRuleTitle();
QString startersRule();
// What a reader hears when the picker brings up a tab, or asks where the guide stands: the words at its
// top, which the keys reach only after Tab; on the Glossary, where its search stands, `search` being what
// its field holds. The Basics page reads itself; the chart says what it has selected as the keys enter it.
QString tabReading(GuideTab tab, const QString& search);

// The padding on every edge of the guide.
double padding(bool sidebar);
// The narrowest the guide is ever shown: the window's sidebar at its minimum width. Every tab title
// must fit the picker at this width.
inline constexpr double narrowestWidth = 260;
// The tab picker's width in a guide `guideWidth` wide.
double pickerWidth(double guideWidth, bool sidebar);

// What has the keyboard focus inside the guide when Return is pressed: a button, a segment of a picker
// (a choice, which Return does not press), or anything else.
enum class FocusOn { button, choice, other };
// What Return does there.
enum class ReturnPress { focusedButton, basicsForward, nothing };
// A focused button takes Return, as it takes Space, wherever it is. Otherwise the panel, which covers
// its screen, turns the Basics page (its last page leads on to the rankings or the practice hand); the
// sidebar leaves Return to the table beside it, as it does on every other tab.
ReturnPress onReturn(bool sidebar, GuideTab tab, FocusOn focus);

} // namespace GuideShell
