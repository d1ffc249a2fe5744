#include "Views/Table/TopBarView.h"

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/StyledText.h"
#include "Style/Drawing/TagView.h"
#include "SurfaceCoordinator.h"
#include "Views/AppEnvironment.h"
#include "Views/Controls/StyledIconButton.h"

#include <QHBoxLayout>
#include <QPainter>

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
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(6);
    for (QWidget* text :
         {static_cast<QWidget*>(mode_), static_cast<QWidget*>(level_), static_cast<QWidget*>(blinds_),
          static_cast<QWidget*>(hand_), static_cast<QWidget*>(paused_)}) {
        text->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row->addWidget(text, 0, Qt::AlignVCenter);
    }
    row->addStretch(1);
    const TopBarText::TopBarState initial = state();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TopBarButton which = TopBarText::allTopBarButtons[i];
        const auto icon = TopBarText::icon(which, initial);
        buttons_[i] = new StyledIconButton(
            theme_, icon.symbol, icon.pixel, tintOf(which), icon.help, [this, which] { pressed(which); },
            this);
        row->addWidget(buttons_[i], 0, Qt::AlignVCenter);
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
    const bool pixel = theme.style == TableStyleID::pixel;
    auto* row = static_cast<QHBoxLayout*>(layout());
    const int margin = static_cast<int>(pixel ? 4 * theme.pixelUnit : 12);
    row->setContentsMargins(margin, 0, margin, 0);
    row->setSpacing(static_cast<int>(pixel ? 4 * theme.pixelUnit : 6));
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
    update();
}

void TopBarView::refresh(const PokerEngine::PlayerView& view) {
    const TopBarText::TopBarState now = state();
    const std::optional<std::int64_t> series =
        environment_.controller ? seriesHands(*environment_.controller) : std::nullopt;
    mode_->setString(TopBarText::modeTitle(now.mode));
    level_->setVisible(now.mode == GameMode::sitAndGo);
    level_->setString(TopBarText::levelText(view.handNumber));
    level_->setAccessibleName(TopBarText::levelSpoken(view.handNumber));
    blinds_->setString(TopBarText::blindsText(view.blinds));
    blinds_->setAccessibleName(TopBarText::blindsSpoken(view.blinds));
    blinds_->setAccessibleDescription(TopBarText::blindsHint());
    blinds_->setToolTip(TopBarText::blindsHelp(view.blinds));
    hand_->setString(TopBarText::handText(view.handNumber, series));
    hand_->setAccessibleName(TopBarText::handSpoken(view.handNumber, series));
    hand_->setToolTip(TopBarText::handSpoken(view.handNumber, series));
    paused_->setVisible(now.paused);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const auto icon = TopBarText::icon(TopBarText::allTopBarButtons[i], now);
        buttons_[i]->setSystemImage(icon.symbol, icon.pixel);
        buttons_[i]->setHelp(icon.help);
    }
}

void TopBarView::pressed(TopBarButton which) {
    GameController* controller = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    switch (which) {
    case TopBarButton::pause:
        if (controller) {
            controller->pauseReasons().contains(PauseReason::user) ? controller->resume(PauseReason::user)
                                                                   : controller->pause(PauseReason::user);
        }
        break;
    case TopBarButton::sound:
        if (AppState* appState = environment_.appState) {
            Profile profile = appState->profile();
            profile.settings.soundsOn = !profile.settings.soundsOn;
            appState->setProfile(profile);
        }
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
        if (surfaces) {
            surfaces->openSettings(surface_, [] {});
        }
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
