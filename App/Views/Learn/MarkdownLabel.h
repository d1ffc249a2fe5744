#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QWidget>

class QTextLayout;

// A wrapping paragraph of one of the learning texts: terms between double asterisks in bold, and the
// text verbatim when its markers do not pair up. A reader hears the words without the markers. The
// paragraph is laid out once per width and kept, so lists of many paragraphs relayout cheaply.
class MarkdownLabel : public QWidget {
    Q_OBJECT
  public:
    explicit MarkdownLabel(const QString& markdown = {}, QWidget* parent = nullptr);
    ~MarkdownLabel() override;

    void setMarkdown(const QString& markdown);
    const QString& markdown() const { return markdown_; }
    // False when the markers did not pair up and the text shows verbatim.
    bool parsed() const { return parsed_; }
    // The words as shown, markers gone.
    QString plainText() const;
    // The spans shown in bold, as (start, length) in `plainText()`.
    QList<QPair<int, int>> boldSpans() const;

    void setAlignment(Qt::Alignment alignment);
    // Extra room between lines, in points.
    void setLineSpacing(double spacing);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The paragraph laid out at a text width.
    const QTextLayout& laidOut(double width) const;
    double textHeight(double width) const;
    void forget();

    QString markdown_;
    QString plain_;
    bool parsed_ = true;
    QList<QPair<int, int>> bold_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    double lineSpacing_ = 0;
    mutable std::unique_ptr<QTextLayout> layout_;
    mutable double layoutWidth_ = -1;
    // The text's height at the widths asked for lately.
    mutable std::vector<std::pair<double, double>> heights_;
    // The text's width on one line; negative until measured.
    mutable int naturalWidth_ = -1;
};
