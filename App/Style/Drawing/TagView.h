#pragma once

#include "Style/Drawing/FramedOrnament.h"

#include "Style/TableTheme.h"

// The small tag beside a seat: a blind, all-in, the seat to act, or paused.
class TagView : public FramedOrnament {
    Q_OBJECT
  public:
    enum class Kind { blind, allIn, turn, paused };

    TagView(const TableTheme& theme, const QString& text, Kind kind, QWidget* parent = nullptr);

    void setTheme(const TableTheme& theme);
    static QSizeF measure(const TableTheme& theme, const QString& text);
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, const QString& text,
                      Kind kind);
    // How far a tag's drawing reaches beyond its measured box: in paper, the card stock's edge and shadow.
    static QMarginsF overhang(const TableTheme& theme);
    // The fill and text roles of a kind.
    static std::pair<PaletteToken, PaletteToken> roles(Kind kind);

  protected:
    QSizeF frameSize() const override { return measure(theme_, text_); }
    QMarginsF overhang() const override { return overhang(theme_); }
    void paintFrame(QPainter& painter, QPointF topLeft) const override {
        paint(painter, topLeft, theme_, text_, kind_);
    }

  private:
    TableTheme theme_;
    QString text_;
    Kind kind_;
};
