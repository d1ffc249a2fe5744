#pragma once

#include "Style/TableTheme.h"

#include <QSizeF>
#include <QWidget>

#include <functional>

class CardView;
class QPainter;

// The table styles and the card faces shown away from the table: a miniature table per style, a row
// of them to choose from, and four cards in the player's deck colours.
namespace StylePreviews {

// The look every preview draws in: normal contrast whatever the desktop says, no motion, popover
// sizes, and the player's deck colours.
TableTheme previewTheme(TableStyleID style, bool dark, bool fourColorDeck);
// The deck preview draws the stored style only when it is offered, else satin.
TableStyleID deckStyle(TableStyleID stored);

// A thumbnail's measures.
struct ThumbnailLayout {
    QSizeF size;
    QSizeF card;
    QRectF felt;
    double cardSpacing = 3;
};
ThumbnailLayout thumbnailLayout(TableStyleID style, bool compact, std::optional<QSizeF> size);

// Paints a thumbnail into `frame`: the page behind, the felt, the ace of hearts and the king of clubs.
void paintThumbnail(QPainter& painter, const QRectF& frame, const TableTheme& theme,
                    const ThumbnailLayout& layout);

// The offered styles the picker lists; a selection that is not among them marks nothing.
std::vector<TableStyleID> pickerStyles();

} // namespace StylePreviews

// A miniature table in one style. Decoration: the control showing it speaks for it.
class StyleThumbnail final : public QWidget {
    Q_OBJECT
  public:
    StyleThumbnail(TableStyleID style, bool compact, std::optional<QSizeF> size, bool dark,
                   bool fourColorDeck, QWidget* parent = nullptr);
    void setAppearance(bool dark, bool fourColorDeck);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TableStyleID style_;
    StylePreviews::ThumbnailLayout layout_;
    bool dark_;
    bool fourColorDeck_;
};

// A row of captioned thumbnails, one per offered style; a click chooses that style.
class StylePicker final : public QWidget {
    Q_OBJECT
  public:
    StylePicker(TableStyleID selection, bool compact, bool dark, QWidget* parent = nullptr);
    void setSelection(TableStyleID selection);
    TableStyleID selection() const { return selection_; }

  signals:
    void chosen(TableStyleID style);

  private:
    void rebuild();

    TableStyleID selection_;
    bool compact_;
    bool dark_;
};

// Four cards, one of each suit, in the player's style and deck colours, so a change of the
// four-colour switch shows at once.
class DeckPreview final : public QWidget {
    Q_OBJECT
  public:
    explicit DeckPreview(QWidget* parent = nullptr);
    void setLook(TableStyleID storedStyle, bool dark, bool fourColorDeck);
    const TableTheme& theme() const { return theme_; }

  private:
    TableTheme theme_;
    std::vector<CardView*> cards_;
};
