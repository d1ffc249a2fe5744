#pragma once

#include "Learn/Term.h"

#include <QString>

#include <vector>

// The glossary tab's search: what it lists for a query and what it announces.
namespace GlossarySearch {

// The terms, alphabetical, whose title or else one-line definition contains the query, ignoring case
// and blanks at either end (a blank inside counts). An empty query lists every term.
std::vector<Term> matching(const QString& search);
// "No matches", "1 word", "5 words".
QString announcement(std::size_t matches);
// The search field's prompt: "Search 30 words".
QString prompt();
// Where the search stands, as a reader asks for it: the prompt while the field lists every word, else
// what the field holds and how many words it finds ("Search: bli. 5 words", "Search: zebra. No
// matches").
QString reading(const QString& search);
// The room the typed text and the prompt keep from the field's left and right edges, beyond the field's
// own frame, so that neither starts flush against it.
inline constexpr int textInset = 6;

} // namespace GlossarySearch
