#pragma once

#include <cstdint>

#include "Views/Table/DrawnPiece.h"

// An amount of chips as coloured columns by denomination, in the theme's style. Decorative: the
// nameplates and pot labels speak the amounts. The widget keeps room for the stack's shadow.
class ChipStackView : public DrawnPiece {
    Q_OBJECT
  public:
    // `lifted` raises the stack: its shadow spreads and drops further, the chips stay as they are.
    ChipStackView(const TableTheme& theme, std::int64_t amount, bool lifted = false,
                  QWidget* parent = nullptr);

    // The stack's size follows the style and surface.
    void setTheme(const TableTheme& theme) override;
    void setAmount(std::int64_t amount);
    void setLifted(bool lifted);
    std::int64_t amount() const { return amount_; }

    // The chips' own size, without the shadow; zero for an amount below 1.
    static QSizeF size(std::int64_t amount, const TableTheme& theme);
    static QMarginsF shadowMargins(const TableTheme& theme, bool lifted);
    // Paints the stack with the chips' top-left at `topLeft`, shadow included.
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme, std::int64_t amount,
                      bool lifted);

  protected:
    QMarginsF margins() const override { return shadowMargins(theme(), lifted_); }
    void paintPiece(QPainter& painter, const QRectF& piece) const override {
        paint(painter, piece.topLeft(), theme(), amount_, lifted_);
    }

  private:
    std::int64_t amount_;
    bool lifted_;
};
