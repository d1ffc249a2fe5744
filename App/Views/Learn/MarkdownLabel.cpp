#include "Views/Learn/MarkdownLabel.h"

#include "Learn/MarkdownText.h"

MarkdownLabel::MarkdownLabel(const QString& markdown, QWidget* parent)
    : QLabel(parent) {
    setWordWrap(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setMarkdown(markdown);
}

void MarkdownLabel::setMarkdown(const QString& markdown) {
    markdown_ = markdown;
    const MarkdownText text(markdown);
    if (text.parsed()) {
        setTextFormat(Qt::RichText);
        setText(text.html());
    } else {
        setTextFormat(Qt::PlainText);
        setText(markdown);
    }
    setAccessibleName(text.plain());
}

QString MarkdownLabel::plainText() const {
    return MarkdownText(markdown_).plain();
}
