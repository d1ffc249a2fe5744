#include "Views/RootTheme.h"

#include "AppState.h"
#include "Scheduler.h"
#include "Sound/Playback/SoundPlayer.h"
#include "Sound/Playback/SoundPrewarmer.h"
#include "Sound/TestHost.h"
#include "Style/Drawing/SystemAppearance.h"

#include <utility>

namespace {

double pixelUnit(TableSurface surface) {
    return surface == TableSurface::popover ? 2 : 3;
}

} // namespace

RootTheme::RootTheme(AppState* appState, TableSurface surface, std::function<void()> changed, QObject* parent)
    : QObject(parent)
    , appState_(appState)
    , surface_(surface)
    , changed_(std::move(changed))
    , appearance_(new AppearanceWatcher(this))
    , scheduler_(std::make_unique<QTimerScheduler>())
    , prewarmer_(std::make_unique<SoundPrewarmer>(*scheduler_, SoundPlayer::shared(), isTestHostWithoutUI)) {
    connect(appearance_, &AppearanceWatcher::changed, this, &RootTheme::rebuild);
    if (appState_) {
        connect(appState_, &AppState::profileChanged, this, &RootTheme::rebuild);
    }
    // The root reads the first theme itself once this is built.
    auto notify = std::exchange(changed_, nullptr);
    rebuild();
    changed_ = std::move(notify);
}

RootTheme::~RootTheme() = default;

void RootTheme::appeared() {
    appeared_ = true;
    rebuild();
}

void RootTheme::rebuild() {
    const AppSettings settings = appState_ ? appState_->profile().settings : AppSettings{};
    TableTheme theme = TableTheme::make(settings.style, surface_, pixelUnit(surface_), appearance_->flags(),
                                        settings.fourColorDeck);
    if (appeared_) {
        prewarmer_->setKey({settings.soundsOn, theme.style});
    }
    const bool differs =
        !(theme.style == theme_.style && theme.dark == theme_.dark &&
          theme.increaseContrast == theme_.increaseContrast && theme.reduceMotion == theme_.reduceMotion &&
          theme.fourColorDeck == theme_.fourColorDeck && theme.surface == theme_.surface);
    theme_ = std::move(theme);
    if (differs && changed_) {
        changed_();
    }
}
