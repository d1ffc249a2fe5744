#pragma once

#include "Learn/GuideContent.h"
#include "Style/AnimationCurve.h"

#include <QString>

#include <optional>

// The Basics tab's page row: which page a number shows, what the count, dots and buttons say, and what
// a page change announces.
namespace BasicsPaging {

// The page a number shows: the first page when it is outside 0...5.
BasicsPage pageInUse(int page);
// "1 OF 6".
QString pageCount(int page);
// The dots as a reader hears them: "Page 1 of 6".
QString dotsLabel(int page);
// The page as a reader hears it: "Page 3 of 6. Blinds and the button. The button (D) marks the dealer.
// …", its text without the bold markers; none for a number that is not a page.
std::optional<QString> reading(int page);
// What a move from page `from` to page `to` says: the new page's reading and, when the forward button
// the player has just pressed is now another, what it has become ("Next is now Play a Practice Hand.");
// none for a number that is not a page.
std::optional<QString> announcement(int from, int to, bool canPractise);

// How a page change moves: a 0.2 s ease-in-out, or the short fade under Reduce Motion.
AnimationCurve pageChange(bool reduceMotion);

// What a button of the page row does.
enum class Press { back, next, rankings, practice };

struct Button {
    QString title;
    // The title as a reader says it, without the drawn chevron.
    QString spokenTitle() const;
    Press does = Press::next;
    double width = 0;
    bool operator==(const Button&) const = default;
};

// "Next" to page 5, then "Rankings ›", or "Play a Practice Hand" where a practice hand can be started.
Button forward(int page, bool canPractise, bool compact);
// "Back" from page 1 on; none on the first page.
std::optional<Button> back(int page, bool compact);
// The width a button is drawn at, its title being `titleWidth` wide at its natural size: never narrower
// than the title, which would cut it short ("Rankin…").
double drawnWidth(const Button& button, double titleWidth);

// The hover text of the practice button.
QString practiceHelp();

} // namespace BasicsPaging
