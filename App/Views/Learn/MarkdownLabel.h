#pragma once

#include <QLabel>

// A wrapping label of one of the learning texts: terms between double asterisks in bold, and the
// text verbatim when its markers do not pair up. A reader hears the words without the markers.
class MarkdownLabel : public QLabel {
    Q_OBJECT
  public:
    explicit MarkdownLabel(const QString& markdown = {}, QWidget* parent = nullptr);

    void setMarkdown(const QString& markdown);
    const QString& markdown() const { return markdown_; }
    // The words as shown, markers gone.
    QString plainText() const;

  private:
    QString markdown_;
};
