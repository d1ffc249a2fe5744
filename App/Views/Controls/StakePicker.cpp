#include "Views/Controls/StakePicker.h"

#include <QAbstractButton>
#include <QPainter>

#include "Style/Drawing/AnimationClock.h"
#include "Style/Drawing/ChipFace.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "Style/SheetControls.h"

namespace {

constexpr double cardHeight = 58;

class StakeCardButton : public QAbstractButton {
  public:
    explicit StakeCardButton(QWidget* parent)
        : QAbstractButton(parent) {
        StyleAccessibility::setRole(this, QAccessible::RadioButton);
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const QMargins room = SatinPanel::shadowMargins();
        setFixedHeight(static_cast<int>(cardHeight) + room.top() + room.bottom());
        connect(&clock_, &AnimationClock::ticked, this, qOverload<>(&QWidget::update));
    }

    void show(const StakeCard& card, const TableTheme& theme) {
        const bool moves = card.selected != card_.selected && isVisible() && !theme.reduceMotion;
        const double now = clock_.now();
        lift_ = Transition{AnimationCurve::easeOut(moves ? 0.2 : 0), now, lift_.value(now),
                           card.selected ? 1.0 : 0.0};
        if (moves)
            clock_.start();
        card_ = card;
        theme_ = theme;
        setText(card.title);
        StyleAccessibility::setName(this, card.accessibleName);
        StyleAccessibility::setSelected(this, card.selected);
        update();
    }
    const StakeCard& card() const { return card_; }
    QSize sizeHint() const override { return {120, height()}; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double now = clock_.now();
        const double lift = lift_.value(now);
        if (lift_.isFinished(now))
            clock_.stop();
        const QRectF box = QRectF(rect()).marginsRemoved(SatinPanel::shadowMargins()).translated(0, -lift);
        SatinPanel::paint(painter, box, theme_, theme_.dark, lift > 0.5, 12);
        const double faded = card_.locked ? 0.45 : 1;
        const QRectF inner = box.adjusted(11, 11, -11, -11);

        painter.setOpacity(faded);
        ChipFace::paint(painter, QPointF(inner.right() - 20, inner.top()), card_.chip, 20);
        painter.setFont(ThemeFonts::system(17, FontWeight::semibold));
        painter.setPen(toQColor(LabelColors::primary(theme_.dark)));
        painter.drawText(QRectF(inner.left(), inner.top() - 2, inner.width() - 22, 22),
                         Qt::AlignLeft | Qt::AlignVCenter, card_.title);
        painter.setOpacity(1);

        const QColor secondary = toQColor(LabelColors::secondary(theme_.dark, theme_.increaseContrast));
        double x = inner.left();
        const double lineTop = inner.top() + 23;
        if (card_.locked) {
            SymbolIcons::paint(painter, QStringLiteral("lock.fill"), QRectF(x, lineTop + 2, 9, 9), secondary);
            x += 12;
        }
        painter.setFont(ThemeFonts::system(11, FontWeight::regular));
        painter.setPen(secondary);
        painter.drawText(QRectF(x, lineTop, inner.right() - x, 13), Qt::AlignLeft | Qt::AlignVCenter,
                         card_.subtitle);

        if (hasFocus())
            FocusRingPainter::paint(painter, box, theme_, FocusRingPainter::Outline::rounded, 12);
    }
    bool hitButton(const QPoint& pos) const override {
        return QRectF(rect()).marginsRemoved(SatinPanel::shadowMargins()).contains(pos);
    }

  private:
    StakeCard card_;
    TableTheme theme_;
    AnimationClock clock_;
    Transition lift_;
};

} // namespace

StakePicker::StakePicker(const TableTheme& theme, CashStakes selection, std::int64_t spendable,
                         QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , selection_(selection)
    , spendable_(spendable) {
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    StyleAccessibility::setName(this, QStringLiteral("Stakes"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (CashStakes stakes : allCashStakes) {
        auto* button = new StakeCardButton(this);
        connect(button, &QAbstractButton::clicked, this, [this, stakes] {
            if (StakeCard::make(stakes, selection_, spendable_).locked) {
                emit lockedChosen(stakes);
                return;
            }
            setSelection(stakes);
            emit selected(stakes);
        });
        cards_[static_cast<std::size_t>(stakes)] = button;
    }
    setFixedHeight(cards_[0]->height());
    refresh();
}

void StakePicker::resizeEvent(QResizeEvent*) {
    // Three cards 8 apart fill the width; each card's widget reaches past its card into the gaps for
    // its shadow, the outer two past the picker's edges, where the little shadow there is cut off.
    const QMargins room = SatinPanel::shadowMargins();
    const double cardWidth = (width() - 2 * 8.0) / 3;
    for (std::size_t index = 0; index < cards_.size(); ++index) {
        const double left = static_cast<double>(index) * (cardWidth + 8) - room.left();
        cards_[index]->setGeometry(
            QRectF(left, 0, cardWidth + room.left() + room.right(), height()).toRect());
    }
}

QSize StakePicker::sizeHint() const {
    return {360, height()};
}

QAbstractButton* StakePicker::card(CashStakes stakes) const {
    return cards_[static_cast<std::size_t>(stakes)];
}

void StakePicker::setSelection(CashStakes stakes) {
    selection_ = stakes;
    refresh();
}

void StakePicker::setSpendable(std::int64_t spendable) {
    spendable_ = spendable;
    refresh();
}

void StakePicker::setTheme(const TableTheme& theme) {
    theme_ = theme;
    refresh();
}

void StakePicker::refresh() {
    for (CashStakes stakes : allCashStakes)
        static_cast<StakeCardButton*>(card(stakes))
            ->show(StakeCard::make(stakes, selection_, spendable_), theme_);
}
