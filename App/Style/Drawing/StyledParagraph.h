#pragma once

#include <QWidget>

#include "Style/TableTheme.h"
#include "Style/WordFlow.h"

// A wrapping paragraph of themed text; in the pixel style one bitmap word at a time through WordFlow.
class StyledParagraph : public QWidget {
    Q_OBJECT
  public:
    StyledParagraph(const TableTheme& theme, const QString& string, TextRole role, const RGB& colour,
                    bool centered = false, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    void setColor(const RGB& colour);
    void setString(const QString& string);

    // The pixel words: split at single spaces, empty pieces dropped.
    static QStringList words(const QString& string);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    WordFlow flow() const;
    std::vector<QSizeF> wordSizes() const;
    QFont font() const;

    TableTheme theme_;
    QString string_;
    TextRole role_;
    RGB colour_;
    bool centered_;
};
