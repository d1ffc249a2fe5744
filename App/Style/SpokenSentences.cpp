#include "Style/SpokenSentences.h"

namespace SpokenSentences {

bool endsSentence(const QString& text) {
    static const QString endings = QStringLiteral(".?!\u2026:");
    return !text.isEmpty() && endings.contains(text.back());
}

QString join(const QStringList& parts) {
    QString joined;
    for (const QString& part : parts) {
        const QString words = part.trimmed();
        if (words.isEmpty()) {
            continue;
        }
        if (!joined.isEmpty()) {
            joined += endsSentence(joined) ? QStringLiteral(" ") : QStringLiteral(". ");
        }
        joined += words;
    }
    return joined;
}

} // namespace SpokenSentences
