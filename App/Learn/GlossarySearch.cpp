#include "Learn/GlossarySearch.h"

#include "Style/SpokenSentences.h"

namespace GlossarySearch {

namespace {
// Blanks and tabs go from both ends; line breaks stay, as the field never holds them anyway.
QString trimmed(const QString& search) {
    qsizetype start = 0;
    qsizetype end = search.size();
    const auto blank = [](QChar c) {
        return c.isSpace() && c != QLatin1Char('\n') && c != QLatin1Char('\r');
    };
    while (start < end && blank(search[start])) {
        ++start;
    }
    while (end > start && blank(search[end - 1])) {
        --end;
    }
    return search.mid(start, end - start);
}

QString normalised(const QString& search) {
    return trimmed(search).toLower();
}

// The lower-cased title and definition of every term, built once: the filter runs on every keystroke.
struct Searchable {
    Term term;
    QString title;
    QString shortText;
};

const std::vector<Searchable>& searchable() {
    static const std::vector<Searchable> list = [] {
        std::vector<Searchable> terms;
        for (const Term term : alphabeticalTerms()) {
            terms.push_back({term, title(term).toLower(), shortText(term).toLower()});
        }
        return terms;
    }();
    return list;
}
} // namespace

std::vector<Term> matching(const QString& search) {
    const QString query = normalised(search);
    if (query.isEmpty()) {
        return alphabeticalTerms();
    }
    std::vector<Term> found;
    for (const Searchable& entry : searchable()) {
        if (entry.title.contains(query) || entry.shortText.contains(query)) {
            found.push_back(entry.term);
        }
    }
    return found;
}

QString announcement(std::size_t matches) {
    if (matches == 0) {
        return QStringLiteral("No matches");
    }
    return matches == 1 ? QStringLiteral("1 word") : QStringLiteral("%1 words").arg(matches);
}

QString prompt() {
    return QStringLiteral("Search %1 words").arg(termCount);
}

QString reading(const QString& search) {
    const QString typed = trimmed(search);
    if (typed.isEmpty()) {
        return prompt();
    }
    return SpokenSentences::join({QStringLiteral("Search: ") + typed, announcement(matching(search).size())});
}

} // namespace GlossarySearch
