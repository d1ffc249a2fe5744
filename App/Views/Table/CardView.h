#pragma once

#include <optional>

#include "PokerEngine/Card.h"
#include "Views/Table/DrawnPiece.h"

// One playing card, face up or face down, drawn in the theme's style at exactly its card size, with
// room round it for its shadow. Screens that paint many cards into one canvas call `paint` instead.
class CardView : public DrawnPiece {
    Q_OBJECT
  public:
    // An absent card lies face down. `lifted` deepens the paper card's shadow while it is in motion.
    CardView(const TableTheme& theme, std::optional<PokerEngine::Card> card, QSizeF size, bool lifted = false,
             QWidget* parent = nullptr);

    void setCard(std::optional<PokerEngine::Card> card);
    void setLifted(bool lifted);
    void setCardSize(QSizeF size) { setPieceSize(size); }

    const std::optional<PokerEngine::Card>& card() const { return card_; }

    // Room the shadow of such a card takes beyond the card on each side.
    static QMarginsF shadowMargins(const TableTheme& theme, QSizeF size, bool lifted);
    // Paints the card with its top-left corner at `topLeft`, shadow included. A `moving` card under a
    // turning or scaling transform is its cached image mapped through it: cheap, a touch softer.
    static void paint(QPainter& painter, QPointF topLeft, const TableTheme& theme,
                      const std::optional<PokerEngine::Card>& card, QSizeF size, bool lifted,
                      bool moving = false);

  protected:
    QMarginsF margins() const override;
    void paintPiece(QPainter& painter, const QRectF& piece) const override;

  private:
    std::optional<PokerEngine::Card> card_;
    bool lifted_;
};
