#pragma once

#include "Style/TableTheme.h"

#include <QObject>

#include <functional>
#include <memory>

class AppState;
class AppearanceWatcher;
class QWidget;
class QTimerScheduler;
class SoundPrewarmer;

// What both roots keep up to date from the profile and the desktop: the table theme of their surface
// and the sound warm-up, so the first deal of a table is heard on time. `changed` runs after every
// rebuild of the theme.
class RootTheme final : public QObject {
    Q_OBJECT

  public:
    RootTheme(AppState* appState, TableSurface surface, std::function<void()> changed, QObject* parent);
    ~RootTheme() override;

    const TableTheme& theme() const { return theme_; }
    // Starts the warm-up; the roots call it when they come on screen.
    void appeared();

  private:
    void rebuild();

    AppState* appState_;
    TableSurface surface_;
    std::function<void()> changed_;
    TableTheme theme_;
    AppearanceWatcher* appearance_;
    std::unique_ptr<QTimerScheduler> scheduler_;
    std::unique_ptr<SoundPrewarmer> prewarmer_;
    bool appeared_ = false;
};
