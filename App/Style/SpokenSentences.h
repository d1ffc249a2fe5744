#pragma once

#include <QString>
#include <QStringList>

// Words a screen reader hears as one run of sentences.
namespace SpokenSentences {

// The parts in order, empty ones left out, each one that has no ending of its own closed by a full
// stop before the next: a question keeps its question mark and is never read with a full stop after
// it. The last part ends as it was given.
QString join(const QStringList& parts);
// Whether `text` already ends as a sentence does (a full stop, question or exclamation mark, an
// ellipsis or a colon).
bool endsSentence(const QString& text);

} // namespace SpokenSentences
