#include "Style/SpokenText.h"

namespace SpokenText {

namespace {

bool endsSentence(const QString& part) {
    static const QString marks = QStringLiteral(".?!\u2026");
    return marks.contains(part.back());
}

} // namespace

QString sentences(const QStringList& parts) {
    QStringList said;
    for (const QString& part : parts) {
        const QString words = part.trimmed();
        if (words.isEmpty())
            continue;
        said << (endsSentence(words) ? words : words + QLatin1Char('.'));
    }
    return said.join(QLatin1Char(' '));
}

} // namespace SpokenText
