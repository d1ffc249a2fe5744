#pragma once

#include <QObject>

#include "Style/TableTheme.h"

#include "Style/DesktopAppearance.h"

// How dark mode, increased contrast and Reduce Motion reach the theme: from what the desktop last said
// (the shell hands it over from the desktop's settings portal), otherwise dark from the lightness of
// the application palette's window colour. CHIPWHISTLE_INCREASE_CONTRAST and CHIPWHISTLE_REDUCE_MOTION
// set to 1 or 0 win over the desktop.
namespace SystemAppearance {
AppearanceFlags current();
// What the desktop says now; every AppearanceWatcher rechecks.
void useDesktopPreferences(const DesktopPreferences& preferences);
} // namespace SystemAppearance

// Tells its owner when the desktop's appearance changes, so the owner rebuilds its theme and passes it down.
class AppearanceWatcher : public QObject {
    Q_OBJECT
  public:
    explicit AppearanceWatcher(QObject* parent = nullptr);
    AppearanceFlags flags() const { return flags_; }

  signals:
    void changed(AppearanceFlags flags);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void recheck();

    AppearanceFlags flags_;
};
