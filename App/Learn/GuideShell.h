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

// The padding on every edge of the guide.
double padding(bool sidebar);
// The narrowest the guide is ever shown: the window's sidebar at its minimum width. Every tab title
// must fit the picker at this width.
inline constexpr double narrowestWidth = 260;
// The tab picker's width in a guide `guideWidth` wide.
double pickerWidth(double guideWidth, bool sidebar);

} // namespace GuideShell
