#pragma once

#include <QString>
#include <QStringList>

// How the game's texts are joined into what a screen reader says in one go.
namespace SpokenText {

// The parts read one after another, each ending as a sentence: a part that already ends in a full stop,
// a question or exclamation mark or an ellipsis keeps its own mark and gets no second one, any other part
// gets a full stop. Blank parts are left out; each part is trimmed.
QString sentences(const QStringList& parts);

} // namespace SpokenText
