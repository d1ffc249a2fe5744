#include "Views/Home/HomePieces.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Style/Drawing/ArtView.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Style/SatinPalette.h"
#include "Views/Controls/ButtonFaces.h"
#include "Views/Controls/LobbyArt.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/LobbyText.h"
#include "Views/Home/LobbyWidgets.h"

namespace {

QFont amountFont() {
    return ThemeFonts::system(44, FontWeight::bold);
}

// The cost at a row's or card's right: the lock while the player can't pay, the amount half faded.
void paintCost(QPainter& painter, const QRectF& box, const QString& cost, bool locked, bool dark) {
    const QFont font = ThemeFonts::system(13, FontWeight::semibold);
    const double width = QFontMetricsF(font).horizontalAdvance(cost);
    const QColor ink = toQColor(LabelColors::primary(dark));
    painter.save();
    painter.setOpacity(locked ? 0.5 : 1);
    double x = box.right() - width;
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(x, box.top(), width, box.height()), Qt::AlignRight | Qt::AlignVCenter, cost);
    if (locked)
        SymbolIcons::paint(painter, QStringLiteral("lock.fill"),
                           QRectF(x - 4 - 10, box.center().y() - 5, 10, 10), ink);
    painter.restore();
}

double costWidth(const QString& cost, bool locked) {
    return QFontMetricsF(ThemeFonts::system(13, FontWeight::semibold)).horizontalAdvance(cost) +
           (locked ? 14 : 0);
}

// A plain button showing a small symbol in the secondary colour, which a control needs to be seen: no
// face, the whole frame its target.
class SymbolButton : public QAbstractButton {
  public:
    SymbolButton(const QString& symbol, double glyph, const TableTheme& lobby, std::function<void()> action,
                 QWidget* parent)
        : QAbstractButton(parent)
        , symbol_(symbol)
        , glyph_(glyph)
        , dark_(lobby.dark)
        , increaseContrast_(lobby.increaseContrast) {
        StyleAccessibility::setRole(this, QAccessible::Button);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const RGB ink =
            isDown() ? LabelColors::primary(dark_) : LabelColors::secondary(dark_, increaseContrast_);
        const QRectF box = QRectF(rect());
        SymbolIcons::paint(painter, symbol_,
                           QRectF(box.center() - QPointF(glyph_ / 2, glyph_ / 2), QSizeF(glyph_, glyph_)),
                           toQColor(ink));
        if (hasFocus())
            FocusRingPainter::paintInside(painter, box, FocusRingPainter::desktopTheme(dark_),
                                          FocusRingPainter::Outline::rounded, 6);
    }

  private:
    QString symbol_;
    double glyph_;
    bool dark_;
    bool increaseContrast_;
};

ArtIcon iconOf(GameMode mode) {
    switch (mode) {
    case GameMode::quickHand:
    case GameMode::practice:
        return ArtIcon::quickHand;
    case GameMode::sitAndGo:
        return ArtIcon::sitAndGo;
    case GameMode::cashTable:
        return ArtIcon::cashTable;
    }
    return ArtIcon::quickHand;
}

} // namespace

BankrollAmount::BankrollAmount(const TableTheme& theme, const QString& amount, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , amount_(amount) {
    StyleAccessibility::setHidden(this);
    connect(&clock_, &AnimationClock::ticked, this, qOverload<>(&QWidget::update));
}

void BankrollAmount::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void BankrollAmount::setAmount(const QString& amount) {
    if (amount == amount_)
        return;
    previous_ = amount_;
    amount_ = amount;
    if (!theme_.reduceMotion && isVisible()) {
        rolling_ = Transition{AnimationCurve::easeOut(0.35), clock_.now(), 0, 1};
        clock_.start();
    } else {
        rolling_.reset();
        clock_.stop();
    }
    updateGeometry();
    update();
}

QSize BankrollAmount::sizeHint() const {
    const QFontMetricsF metrics(amountFont());
    return QSizeF(metrics.horizontalAdvance(amount_) + 2, metrics.height()).toSize();
}

void BankrollAmount::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(amountFont());
    painter.setPen(toQColor(LabelColors::primary(theme_.dark)));
    const QRectF box = rect();
    if (rolling_ && rolling_->isFinished(clock_.now())) {
        rolling_.reset();
        clock_.stop();
    }
    if (!rolling_) {
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, amount_);
        return;
    }
    // The old amount leaves upward as the new one rises into its place.
    const double progress = rolling_->value(clock_.now());
    const double travel = box.height() * 0.6;
    painter.setClipRect(box);
    painter.setOpacity(1 - progress);
    painter.drawText(box.translated(0, -travel * progress), Qt::AlignLeft | Qt::AlignVCenter, previous_);
    painter.setOpacity(progress);
    painter.drawText(box.translated(0, travel * (1 - progress)), Qt::AlignLeft | Qt::AlignVCenter, amount_);
}

ModeRow::ModeRow(const TableTheme& lobby, const TableTheme& art, ModeRowModel model, QWidget* parent)
    : QAbstractButton(parent)
    , lobby_(lobby)
    , art_(art)
    , model_(std::move(model)) {
    StyleAccessibility::setRole(this, QAccessible::Button);
    setFocusPolicy(Qt::StrongFocus);
    setText(model_.title);
    setAccessibleName(model_.accessibleName);
    setAccessibleDescription(model_.accessibleValue + QStringLiteral(". ") + model_.accessibleHint);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ModeRow::sizeHint() const {
    return {360, 60};
}

void ModeRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = lobby_.dark;
    if (isDown())
        painter.fillRect(rect(), toQColor((dark ? RGB::white : RGB::black).withAlpha(0.06)));
    const QRectF inner = QRectF(rect()).adjusted(12, 8, -12, -8);
    LobbyArt::paintIconTile(painter, QRectF(inner.left(), inner.center().y() - 22, 44, 44), art_,
                            iconOf(model_.mode));

    const QRectF chevron(inner.right() - 8, inner.center().y() - 6, 8, 12);
    SymbolIcons::paint(painter, QStringLiteral("chevron.right"), chevron,
                       toQColor(LabelColors::tertiary(dark)));
    const double costRight = chevron.left() - 8;
    const bool locked = !model_.affordable;
    paintCost(painter, QRectF(costRight - 100, inner.top(), 100, inner.height()), model_.costText, locked,
              dark);

    const double textLeft = inner.left() + 44 + 12;
    const double textWidth = costRight - costWidth(model_.costText, locked) - 6 - textLeft;
    const QFont title = ThemeFonts::system(14, FontWeight::semibold);
    const QFont small = ThemeFonts::system(11.5, FontWeight::regular);
    const QFont warning = ThemeFonts::system(11.5, FontWeight::semibold);
    const double lines = QFontMetricsF(title).height() + 2 + QFontMetricsF(small).height() +
                         (model_.needs ? 2 + QFontMetricsF(warning).height() : 0);
    double y = inner.center().y() - lines / 2;
    painter.setFont(title);
    painter.setPen(toQColor(LabelColors::primary(dark)));
    painter.drawText(QRectF(textLeft, y, textWidth, QFontMetricsF(title).height()),
                     Qt::AlignLeft | Qt::AlignVCenter, model_.title);
    y += QFontMetricsF(title).height() + 2;
    painter.setFont(small);
    painter.setPen(toQColor(LabelColors::secondary(dark, lobby_.increaseContrast)));
    painter.drawText(QRectF(textLeft, y, textWidth, QFontMetricsF(small).height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(small).elidedText(model_.detail, Qt::ElideRight, textWidth));
    if (model_.needs) {
        y += QFontMetricsF(small).height() + 2;
        painter.setFont(warning);
        painter.setPen(toQColor(SatinPanelColors::warning(dark)));
        painter.drawText(QRectF(textLeft, y, textWidth, QFontMetricsF(warning).height()),
                         Qt::AlignLeft | Qt::AlignVCenter, *model_.needs);
    }
    if (hasFocus())
        FocusRingPainter::paintInside(painter, rect(), lobby_, FocusRingPainter::Outline::rounded, 10);
}

HeroCard::HeroCard(const TableTheme& lobby, const TableTheme& art, const HomeHero& hero,
                   const HeroCardModel& model, std::function<void()> primary, std::function<void()> options,
                   QWidget* parent)
    : QWidget(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new SatinPanel(lobby, false, 14, this);
    outer->addWidget(panel);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ArtView::Painter picture;
    if (hero.isResume()) {
        LobbyArt::SeatedTableScene scene{model.seatedBots, false, false, 22, model.board, {0.42, 0.5, 0.26}};
        picture = [art, scene](QPainter& painter, const QRectF& rect) {
            LobbyArt::paintSeatedTable(painter, rect, art, scene);
        };
    } else {
        picture = [art, mode = *hero.mode](QPainter& painter, const QRectF& rect) {
            LobbyArt::paintModeHero(painter, rect, art, mode);
        };
    }
    auto* picture_ = new ArtView(picture, panel);
    picture_->setFixedHeight(static_cast<int>(model.artHeight));
    column->addWidget(picture_);

    const bool dark = lobby.dark;
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(14, 11, 14, 0);
    texts->setSpacing(3);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(
        LobbyWidgets::label(model.title, 17, FontWeight::semibold, LabelColors::primary(dark), panel));
    titleRow->addStretch(1);
    if (model.cost) {
        const bool locked = model.needs.has_value();
        auto* cost = new ArtView(
            [cost = *model.cost, locked, dark](QPainter& painter, const QRectF& rect) {
                paintCost(painter, rect, cost, locked, dark);
            },
            panel);
        cost->setFixedSize(static_cast<int>(std::ceil(costWidth(*model.cost, locked))) + 2, 20);
        titleRow->addWidget(cost);
    }
    texts->addLayout(titleRow);
    auto* detail = LobbyWidgets::label(model.detail, 12, FontWeight::regular,
                                       LabelColors::secondary(dark, lobby.increaseContrast), panel);
    detail->setMinimumWidth(1);
    texts->addWidget(detail);
    if (model.needs)
        texts->addWidget(LobbyWidgets::label(*model.needs, 11.5, FontWeight::semibold,
                                             SatinPanelColors::warning(dark), panel));
    column->addLayout(texts);

    // 14 round the buttons' faces: their widgets already reach past the faces for shadow and focus ring.
    const QMarginsF reach = ButtonFaces::reach(lobby, ControlSize::small);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(static_cast<int>(14 - reach.left()), static_cast<int>(14 - reach.top()),
                                static_cast<int>(14 - reach.right()), static_cast<int>(14 - reach.bottom()));
    buttons->setSpacing(8);
    primary_ = new StyledButton(lobby, model.primary, ControlKind::confirm(), ControlSize::small,
                                std::nullopt, std::move(primary), panel);
    primary_->setAccessibleDescription(model.detail);
    buttons->addWidget(primary_, 1);
    if (options && model.offersOptions) {
        options_ = new StyledIconButton(
            lobby, QStringLiteral("slider.horizontal.3"), {"#.###", ".....", "###.#", ".....", "#.###"},
            StyledIconButton::Tint::neutral, model.optionsHelp, std::move(options), panel);
        buttons->addWidget(options_);
    }
    column->addLayout(buttons);
}

PracticeRow::PracticeRow(const TableTheme& lobby, std::function<void()> play, std::function<void()> close,
                         QWidget* parent)
    : QWidget(parent)
    , lobby_(lobby) {
    const QMargins room = SatinPanel::shadowMargins();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(room.left() + 12, room.top() + 6, room.right() + 8, room.bottom() + 6);
    row->setSpacing(10);
    const bool dark = lobby.dark;
    auto* icon = new ArtView(
        [dark](QPainter& painter, const QRectF& rect) {
            SymbolIcons::paint(painter, QStringLiteral("graduationcap.fill"), rect,
                               toQColor(SatinPalette::accent(dark)));
        },
        this);
    icon->setFixedSize(20, 20);
    row->addWidget(icon);
    auto* label = new QLabel(this);
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<span style=\"font-size:13px; font-weight:600\">Try a practice hand</span>"
                       "<span style=\"font-size:11.5px; color:%1\">&nbsp;&nbsp;Free, 2 min</span>")
            .arg(toQColor(LabelColors::secondary(dark, lobby.increaseContrast)).name(QColor::HexArgb)));
    label->setFont(ThemeFonts::system(13, FontWeight::regular));
    LobbyWidgets::recolor(label, LabelColors::primary(dark));
    label->setToolTip(QStringLiteral("One free hand against Biscuit, explained step by step"));
    label->setMinimumWidth(1);
    row->addWidget(label, 1);
    play_ = new StyledButton(lobby, QStringLiteral("Play"), ControlKind::secondary(), ControlSize::small,
                             std::nullopt, std::move(play), this);
    play_->setAccessibleName(QStringLiteral("Play a practice hand"));
    play_->setFixedWidth(LobbyWidgets::buttonWidth(lobby, ControlSize::small, 60));
    row->addWidget(play_);
    // The 11-point mark in a 20 by 20 target.
    close_ = new SymbolButton(QStringLiteral("xmark"), 8, lobby, std::move(close), this);
    close_->setFixedSize(20, 20);
    close_->setToolTip(QStringLiteral("Don't show this again"));
    close_->setAccessibleName(QStringLiteral("Close practice hand suggestion"));
    row->addWidget(close_);
}

void PracticeRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).marginsRemoved(SatinPanel::shadowMargins());
    SatinPanel::paint(painter, card, lobby_, lobby_.dark, false, 12);
    QPainterPath edge;
    edge.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 11.5, 11.5);
    painter.strokePath(edge, QPen(toQColor(SatinPalette::accent(lobby_.dark).withAlpha(0.45)), 1));
}

namespace {

// "Start <mode>" for a saved game's question; none for a notice that only says why not.
std::optional<ConfirmationPanel::Answer> startAnswer(const HomeNotice& notice,
                                                     const std::function<void(const GameSetup&)>& confirm) {
    // Branch on the case actually read: the setup is copied only from a notice that holds one.
    const auto* replace = notice.asReplaceSaved();
    if (!replace)
        return std::nullopt;
    return ConfirmationPanel::Answer{LobbyText::startTitle(replace->setup),
                                     [confirm, setup = replace->setup] { confirm(setup); }};
}

} // namespace

NoticePanel::NoticePanel(const TableTheme& lobby, const TableTheme& art, const HomeNotice& notice,
                         const QString& title, const QString& message, std::function<void()> dismiss,
                         std::function<void(const GameSetup&)> confirm, QWidget* parent)
    : ConfirmationPanel(lobby, art, title, message,
                        {notice.asReplaceSaved() ? QStringLiteral("Keep Playing") : QStringLiteral("OK"),
                         std::move(dismiss)},
                        startAnswer(notice, confirm), parent) {
    if (!confirmButton())
        dismissButton()->setFixedWidth(LobbyWidgets::buttonWidth(lobby, ControlSize::small, 90));
    else
        confirmButton()->installEventFilter(this);
}

bool NoticePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == confirmButton() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return ConfirmationPanel::eventFilter(watched, event);
}
