#pragma once

#include <QString>

#include <vector>

// The Markdown the learning texts use: terms set in bold between double asterisks. A text whose markers
// do not pair up does not parse, and is then shown verbatim, asterisks and all, never blank.
class MarkdownText {
  public:
    struct Run {
        QString text;
        bool bold = false;
        bool operator==(const Run&) const = default;
    };

    explicit MarkdownText(const QString& markdown);

    bool parsed() const { return parsed_; }
    // The text in order, bold and regular; one regular run of the source when it did not parse.
    const std::vector<Run>& runs() const { return runs_; }
    // The characters a reader hears: the markers gone.
    QString plain() const;
    // Rich text for a label: escaped, bold runs in <b>.
    QString html() const;

  private:
    bool parsed_ = true;
    std::vector<Run> runs_;
};
