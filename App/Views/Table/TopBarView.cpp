#include "Views/Table/TopBarView.h"

#include "Style/Drawing/StyleAccessibility.h"

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/TagView.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/PlayerPause.h"
#include "Views/AppEnvironment.h"
#include "Views/Controls/StyledIconButton.h"

#include <QPainter>

#include <cmath>

using TopBarText::TopBarButton;

namespace {

StyledIconButton::Tint tintOf(TopBarButton button) {
    switch (button) {
    case TopBarButton::surface:
        return StyledIconButton::Tint::teal;
    case TopBarButton::settings:
        return StyledIconButton::Tint::tomato;
    default:
        return StyledIconButton::Tint::neutral;
    }
}

std::optional<std::int64_t> seriesHands(const GameController& controller) {
    if (const auto& setup = controller.setup()) {
        if (const auto* quick = std::get_if<QuickHandSetup>(&setup->value())) {
            return quick->hands;
        }
    }
    return std::nullopt;
}

} // namespace

TopBarView::TopBarView(const AppEnvironment& environment, TableSurface surface,
                       std::function<void()> openGuide, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , surface_(surface)
    , openGuide_(std::move(openGuide))
    , theme_(TableTheme::standard())
    , mode_(
          new StyledText(theme_, QString(), TextRole::topBar, theme_.color(PaletteToken::ink2), false, this))
    , level_(
          new StyledText(theme_, QString(), TextRole::topBar, theme_.color(PaletteToken::ink2), false, this))
    , blinds_(
          new StyledText(theme_, QString(), TextRole::topBar, theme_.color(PaletteToken::ink), false, this))
    , hand_(
          new StyledText(theme_, QString(), TextRole::topBar, theme_.color(PaletteToken::ink2), false, this))
    , paused_(new TagView(theme_, QStringLiteral("Paused"), TagView::Kind::paused, this)) {
    const TopBarText::TopBarState initial = state();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TopBarButton which = TopBarText::allTopBarButtons[i];
        const auto icon = TopBarText::icon(which, initial);
        buttons_[i] = new StyledIconButton(
            theme_, icon.symbol, icon.pixel, tintOf(which), icon.help, [this, which] { pressed(which); },
            this);
    }
}

StyledIconButton* TopBarView::button(TopBarButton which) const {
    return buttons_[static_cast<std::size_t>(which)];
}

QStringList TopBarView::texts() const {
    QStringList shown;
    for (const StyledText* text : {mode_, level_, blinds_, hand_}) {
        if (text->isVisible() || !text->isHidden()) {
            shown << text->string();
        }
    }
    if (!paused_->isHidden()) {
        shown << QStringLiteral("Paused");
    }
    return shown;
}

TopBarText::TopBarState TopBarView::state() const {
    TopBarText::TopBarState state;
    state.surface = surface_;
    if (environment_.controller) {
        state.paused = TopBarText::showsPaused(environment_.controller->pauseReasons());
        state.pauseAvailable = TopBarText::pauseAvailable(environment_.controller->tableOver().has_value());
        state.leaveAvailable = TopBarText::leaveAvailable(environment_.controller->tableOver().has_value());
        if (const auto& setup = environment_.controller->setup()) {
            state.mode = setup->mode();
        }
    }
    if (environment_.appState) {
        state.soundsOn = environment_.appState->profile().settings.soundsOn;
    }
    return state;
}

void TopBarView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    for (StyledText* text : {mode_, level_, hand_}) {
        text->setTheme(theme);
        text->setColor(theme.color(PaletteToken::ink2));
    }
    blinds_->setTheme(theme);
    blinds_->setColor(theme.color(PaletteToken::ink));
    paused_->setTheme(theme);
    for (auto* button : buttons_) {
        button->setTheme(theme);
    }
    layOut();
    update();
}

void TopBarView::layOut() {
    const bool pixel = theme_.style == TableStyleID::pixel;
    const double u = theme_.pixelUnit;
    TopBarText::TopBarRow row;
    row.width = width();
    row.margin = pixel ? 4 * u : 12;
    row.spacing = pixel ? 4 * u : 6;
    row.buttonSpacing = pixel ? 2 * u : 8;
    row.faceWidth = buttons_[0]->faceSize().width();
    row.buttons = static_cast<int>(buttons_.size());
    std::vector<QWidget*> shown;
    std::vector<double> widths;
    for (QWidget* text : std::initializer_list<QWidget*>{mode_, level_, blinds_, hand_, paused_}) {
        if (!text->isHidden()) {
            shown.push_back(text);
            widths.push_back(text->sizeHint().width());
        }
    }
    const auto placement = TopBarText::placeRow(row, widths);
    const double middle = height() / 2.0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QSize hint = shown[i]->sizeHint();
        const auto& span = placement.texts[i];
        shown[i]->setGeometry(static_cast<int>(std::round(span.x)),
                              static_cast<int>(std::round(middle - hint.height() / 2.0)),
                              static_cast<int>(std::round(span.width)), hint.height());
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        // The face sits on the row; the room round it for the shadow and the focus ring overlaps the gaps.
        const QMargins room = buttons_[i]->room();
        const QSize hint = buttons_[i]->sizeHint();
        const QSize face = buttons_[i]->faceSize();
        buttons_[i]->setGeometry(static_cast<int>(std::round(placement.faces[i])) - room.left(),
                                 static_cast<int>(std::round(middle - face.height() / 2.0)) - room.top(),
                                 hint.width(), hint.height());
    }
}

void TopBarView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void TopBarView::refresh(const PokerEngine::PlayerView& view) {
    const TopBarText::TopBarState now = state();
    const std::optional<std::int64_t> series =
        environment_.controller ? seriesHands(*environment_.controller) : std::nullopt;
    mode_->setString(TopBarText::modeTitle(now.mode));
    level_->setVisible(now.mode == GameMode::sitAndGo);
    level_->setString(TopBarText::levelText(view.handNumber));
    level_->setSpokenString(TopBarText::levelSpoken(view.handNumber));
    blinds_->setString(TopBarText::blindsText(view.blinds));
    blinds_->setSpokenString(TopBarText::blindsSpoken(view.blinds));
    StyleAccessibility::setDescription(blinds_, TopBarText::blindsHint());
    blinds_->setToolTip(TopBarText::blindsHelp(view.blinds));
    hand_->setString(TopBarText::handText(view.handNumber, series));
    hand_->setSpokenString(TopBarText::handSpoken(view.handNumber, series));
    hand_->setToolTip(TopBarText::handSpoken(view.handNumber, series));
    paused_->setVisible(now.paused);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto icon = TopBarText::icon(TopBarText::allTopBarButtons[i], now);
        buttons_[i]->setSystemImage(icon.symbol, icon.pixel);
        buttons_[i]->setHelp(icon.help);
        buttons_[i]->setEnabled(TopBarText::available(TopBarText::allTopBarButtons[i], now));
    }
    layOut();
}

void TopBarView::pressed(TopBarButton which) {
    GameController* controller = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    switch (which) {
    case TopBarButton::pause:
        if (controller) {
            PlayerPause::toggle(*controller);
        }
        break;
    case TopBarButton::sound:
        toggleSounds(environment_);
        break;
    case TopBarButton::guide:
        if (openGuide_) {
            openGuide_();
        }
        break;
    case TopBarButton::surface:
        if (surfaces) {
            surface_ == TableSurface::popover ? surfaces->expandToWindow() : surfaces->collapseToPopover();
        }
        break;
    case TopBarButton::settings:
        openSettings(environment_, surface_);
        break;
    case TopBarButton::leave:
        if (surfaces) {
            surfaces->requestLeave();
        }
        break;
    }
}

void TopBarView::paintEvent(QPaintEvent*) {
    if (theme_.style != TableStyleID::pixel) {
        return;
    }
    QPainter painter(this);
    const double u = theme_.pixelUnit;
    const QColor fill = theme_.dark ? QColor(62, 44, 74) : QColor(227, 207, 168);
    const QColor rule =
        theme_.increaseContrast ? QColor(Qt::black) : (theme_.dark ? QColor(27, 20, 35) : QColor(43, 30, 52));
    painter.fillRect(QRectF(0, 0, width(), height() - u), fill);
    painter.fillRect(QRectF(0, height() - u, width(), u), rule);
}
