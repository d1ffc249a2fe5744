#pragma once

#include <QWidget>

#include "Style/TableTheme.h"

// The small tag beside a seat: a blind, all-in, the seat to act, or paused.
class TagView : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { blind, allIn, turn, paused };

    TagView(const TableTheme& theme, const QString& text, Kind kind, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    static QSizeF measure(const TableTheme& theme, const QString& text);
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const QString& text,
                      Kind kind);
    // The fill and text roles of a kind.
    static std::pair<PaletteToken, PaletteToken> roles(Kind kind);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableTheme theme_;
    QString text_;
    Kind kind_;
};
