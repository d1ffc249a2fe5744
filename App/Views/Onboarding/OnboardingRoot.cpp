#include "Views/Onboarding/OnboardingRoot.h"

#include "AppState.h"
#include "MenuBarHost.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Support/Announcer.h"

#include <QVBoxLayout>

OnboardingRoot::OnboardingRoot(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , announcer_(environment.announcer ? environment.announcer : new Announcer(this))
    , appearance_(new AppearanceWatcher(this))
    , theme_(flowTheme(appearance_->flags(),
                       environment.appState && environment.appState->profile().settings.fourColorDeck))
    , view_(new OnboardingView(environment.appState, theme_, announcer_, [host = environment.host] {
        // Without a host the player is still onboarded and saved; nothing opens or closes.
        if (host)
            host->finishOnboarding();
    })) {
    StyleAccessibility::setRole(this, QAccessible::Window);
    setFixedSize(contentSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(appearance_, &AppearanceWatcher::changed, this, &OnboardingRoot::rebuildTheme);
    if (environment.appState)
        connect(environment.appState, &AppState::profileChanged, this, &OnboardingRoot::rebuildTheme);
}

OnboardingRoot::~OnboardingRoot() = default;

TableTheme OnboardingRoot::flowTheme(AppearanceFlags appearance, bool fourColorDeck) {
    return TableTheme::make(TableStyleID::satin, TableSurface::popover, 2, appearance, fourColorDeck);
}

void OnboardingRoot::rebuildTheme() {
    theme_ = flowTheme(appearance_->flags(),
                       environment_.appState && environment_.appState->profile().settings.fourColorDeck);
    view_->setTheme(theme_);
}
