#include "Views/Onboarding/OnboardingRoot.h"

#include "AppState.h"
#include "MenuBarHost.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "System/X11Coverage.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/BackgroundDrag.h"

#include <QEvent>
#include <QShortcut>
#include <QVBoxLayout>

OnboardingRoot::OnboardingRoot(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , announcer_(environment.announcer ? environment.announcer : new Announcer(this))
    , appearance_(new AppearanceWatcher(this))
    , theme_(flowTheme(appearance_->flags(),
                       environment.appState && environment.appState->profile().settings.fourColorDeck))
    , view_(new OnboardingView(environment.appState, theme_, announcer_,
                               [host = environment.host] {
                                   // Without a host the player is still onboarded and saved; nothing opens or
                                   // closes.
                                   if (host)
                                       host->finishOnboarding();
                               }))
    , close_(new StyledIconButton(
          theme_, QStringLiteral("xmark"), {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"},
          StyledIconButton::Tint::neutral, QStringLiteral("Close"), [this] { close(); }, this)) {
    StyleAccessibility::setRole(this, QAccessible::Window);
    // Still a window the desktop manages, lists and focuses; only its title bar and frame are ours.
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(contentSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    close_->resize(close_->sizeHint());
    close_->move(closeInset - close_->faceRect().topLeft().toPoint());
    close_->raise();
    // Closing leaves the player not onboarded; the host shows the flow again next time.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this), &QShortcut::activated, this,
            &QWidget::close);
    new BackgroundDrag(*this);
    connect(appearance_, &AppearanceWatcher::changed, this, &OnboardingRoot::rebuildTheme);
    if (environment.appState)
        connect(environment.appState, &AppState::profileChanged, this, &OnboardingRoot::rebuildTheme);
}

OnboardingRoot::~OnboardingRoot() = default;

void OnboardingRoot::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!coverage_)
        coverage_ = X11Coverage::watch(static_cast<std::uint32_t>(winId()), [this](bool) { followSight(); });
    followSight();
}

void OnboardingRoot::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followSight();
}

void OnboardingRoot::followSight() {
    view_->setArtInSight(!isMinimized() && !(coverage_ && coverage_->isCovered()));
}

TableTheme OnboardingRoot::flowTheme(AppearanceFlags appearance, bool fourColorDeck) {
    return TableTheme::make(TableStyleID::satin, TableSurface::popover, 2, appearance, fourColorDeck);
}

void OnboardingRoot::rebuildTheme() {
    theme_ = flowTheme(appearance_->flags(),
                       environment_.appState && environment_.appState->profile().settings.fourColorDeck);
    view_->setTheme(theme_);
    close_->setTheme(theme_);
}
