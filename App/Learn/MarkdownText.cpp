#include "Learn/MarkdownText.h"

MarkdownText::MarkdownText(const QString& markdown) {
    static const QString marker = QStringLiteral("**");
    bool bold = false;
    qsizetype from = 0;
    while (from <= markdown.size()) {
        const qsizetype at = markdown.indexOf(marker, from);
        const qsizetype end = at < 0 ? markdown.size() : at;
        const QString text = markdown.mid(from, end - from);
        // A bold run needs words between its markers: "****" or "** **" is not emphasis.
        if (at >= 0 && bold && text.trimmed().isEmpty()) {
            parsed_ = false;
            break;
        }
        if (!text.isEmpty()) {
            runs_.push_back(Run{text, bold});
        }
        if (at < 0) {
            break;
        }
        bold = !bold;
        from = at + marker.size();
    }
    if (bold || !parsed_) {
        parsed_ = false;
        runs_ = {Run{markdown, false}};
    }
}

QString MarkdownText::plain() const {
    QString text;
    for (const Run& run : runs_) {
        text += run.text;
    }
    return text;
}

QString MarkdownText::html() const {
    QString html;
    for (const Run& run : runs_) {
        const QString escaped = run.text.toHtmlEscaped();
        html += run.bold ? QStringLiteral("<b>") + escaped + QStringLiteral("</b>") : escaped;
    }
    return html;
}
