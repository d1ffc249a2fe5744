#include "Views/Settings/StylePreviews.h"

#include "Style/Drawing/Colors.h"
#include "Views/Table/CardView.h"
#include "Views/Table/FeltView.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QVBoxLayout>

namespace StylePreviews {

TableTheme previewTheme(TableStyleID style, bool dark, bool fourColorDeck) {
    return TableTheme::drawnIn(style, TableSurface::popover, 2, AppearanceFlags{dark, false, false},
                               fourColorDeck);
}

TableStyleID deckStyle(TableStyleID stored) {
    return offeredOrSatin(stored);
}

ThumbnailLayout thumbnailLayout(TableStyleID style, bool compact, std::optional<QSizeF> size) {
    ThumbnailLayout layout;
    layout.size = size.value_or(compact ? QSizeF(112, 70) : QSizeF(128, 80));
    const double w = layout.size.width();
    const double h = layout.size.height();
    layout.card = w >= 150 ? QSizeF(26, 36) : QSizeF(20, 28);
    // The paper felt sits inside a margin of page and is raised by half of it.
    const double inset = style == TableStyleID::paper ? 12 : 0;
    const QSizeF felt(w - 12 - inset, h - 16 - inset);
    layout.felt = QRectF(QPointF((w - felt.width()) / 2, (h - felt.height()) / 2 - inset / 2), felt);
    layout.cardSpacing = style == TableStyleID::pixel ? 2 : 3;
    return layout;
}

void paintThumbnail(QPainter& painter, const QRectF& frame, const TableTheme& theme,
                    const ThumbnailLayout& layout) {
    painter.save();
    painter.setClipRect(frame);
    painter.translate(frame.topLeft());
    const QColor page = theme.style == TableStyleID::satin ? QApplication::palette().color(QPalette::Window)
                                                           : toQColor(theme.color(PaletteToken::stock));
    painter.fillRect(QRectF(QPointF(), layout.size), page);
    FeltView::paint(painter, layout.felt, theme);

    const double rowWidth = 2 * layout.card.width() + layout.cardSpacing;
    const QPointF centre = layout.felt.center();
    double x = centre.x() - rowWidth / 2;
    const double y = centre.y() - layout.card.height() / 2;
    for (const char* code : {"Ah", "Kc"}) {
        CardView::paint(painter, QPointF(x, y), theme, PokerEngine::Card::fromCode(code), layout.card, false);
        x += layout.card.width() + layout.cardSpacing;
    }
    painter.restore();
}

std::vector<TableStyleID> pickerStyles() {
    std::vector<TableStyleID> styles;
    for (auto style : allTableStyleIDs)
        if (isOffered(style))
            styles.push_back(style);
    return styles;
}

} // namespace StylePreviews

StyleThumbnail::StyleThumbnail(TableStyleID style, bool compact, std::optional<QSizeF> size, bool dark,
                               bool fourColorDeck, QWidget* parent)
    : QWidget(parent)
    , style_(style)
    , layout_(StylePreviews::thumbnailLayout(style, compact, size))
    , dark_(dark)
    , fourColorDeck_(fourColorDeck) {
    setFixedSize(layout_.size.toSize());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StyleThumbnail::setAppearance(bool dark, bool fourColorDeck) {
    if (dark_ == dark && fourColorDeck_ == fourColorDeck)
        return;
    dark_ = dark;
    fourColorDeck_ = fourColorDeck;
    update();
}

QSize StyleThumbnail::sizeHint() const {
    return layout_.size.toSize();
}

void StyleThumbnail::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    StylePreviews::paintThumbnail(painter, rect(), StylePreviews::previewTheme(style_, dark_, fourColorDeck_),
                                  layout_);
}

namespace {

// One picker item: a rounded thumbnail with a ring, and the style's name under it.
class StylePickerItem final : public QWidget {
  public:
    StylePickerItem(TableStyleID style, bool selected, bool compact, bool dark, std::function<void()> choose,
                    QWidget* parent)
        : QWidget(parent)
        , selected_(selected)
        , choose_(std::move(choose)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        thumbnail_ = new StyleThumbnail(style, compact, std::nullopt, dark, false, this);
        layout->addWidget(thumbnail_, 0, Qt::AlignHCenter);
        auto* title = new QLabel(QString::fromUtf8(displayName(style).data()), this);
        QFont font = title->font();
        font.setWeight(selected ? QFont::DemiBold : QFont::Normal);
        title->setFont(font);
        layout->addWidget(title, 0, Qt::AlignHCenter);
        setAccessibleName(QString::fromUtf8(displayName(style).data()));
        setAccessibleDescription(QString::fromUtf8(summary(style).data()));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(thumbnail_->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QColor accent = palette().color(QPalette::Highlight);
        QColor quiet = palette().color(QPalette::WindowText);
        quiet.setAlphaF(0.3f);
        const double width = selected_ ? 3 : 1;
        painter.setPen(QPen(selected_ ? accent : quiet, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(ring.adjusted(width / 2, width / 2, -width / 2, -width / 2), 8, 8);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint()))
            choose_();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            choose_();
        else
            QWidget::keyPressEvent(event);
    }

  private:
    bool selected_;
    std::function<void()> choose_;
    StyleThumbnail* thumbnail_;
};

} // namespace

StylePicker::StylePicker(TableStyleID selection, bool compact, bool dark, QWidget* parent)
    : QWidget(parent)
    , selection_(selection)
    , compact_(compact)
    , dark_(dark) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(12);
    rebuild();
}

void StylePicker::setSelection(TableStyleID selection) {
    if (selection_ == selection)
        return;
    selection_ = selection;
    rebuild();
}

void StylePicker::rebuild() {
    auto* row = static_cast<QHBoxLayout*>(layout());
    while (auto* item = row->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    row->addStretch();
    for (auto style : StylePreviews::pickerStyles()) {
        row->addWidget(new StylePickerItem(
            style, style == selection_, compact_, dark_,
            [this, style] {
                // Choosing the chosen style writes it again.
                emit chosen(style);
                setSelection(style);
            },
            this));
    }
    row->addStretch();
}

DeckPreview::DeckPreview(QWidget* parent)
    : QWidget(parent)
    , theme_(StylePreviews::previewTheme(TableStyleID::satin, false, false)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 6, 0, 6);
    row->setSpacing(8);
    row->addStretch();
    // Real card views, so each card speaks its own name.
    for (const char* code : {"As", "Kh", "Qd", "Jc"}) {
        auto* card = new CardView(theme_, PokerEngine::Card::fromCode(code), QSizeF(40, 56), false, this);
        cards_.push_back(card);
        row->addWidget(card);
    }
    row->addStretch();
}

void DeckPreview::setLook(TableStyleID storedStyle, bool dark, bool fourColorDeck) {
    const TableTheme theme =
        StylePreviews::previewTheme(StylePreviews::deckStyle(storedStyle), dark, fourColorDeck);
    if (theme.style == theme_.style && theme.dark == theme_.dark &&
        theme.fourColorDeck == theme_.fourColorDeck)
        return;
    theme_ = theme;
    for (auto* card : cards_)
        card->setTheme(theme_);
}
