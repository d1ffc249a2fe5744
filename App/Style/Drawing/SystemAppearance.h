#pragma once

#include <QObject>

#include "Style/TableTheme.h"

// How dark mode, increased contrast and Reduce Motion reach the theme. Qt 6.4 reports none of them
// directly: dark is read from the lightness of the application palette's window colour; contrast and
// Reduce Motion stay off unless the environment sets CHIPWHISTLE_INCREASE_CONTRAST or
// CHIPWHISTLE_REDUCE_MOTION to 1 (the desktop offers no cheap way to ask).
namespace SystemAppearance {
AppearanceFlags current();
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
    AppearanceFlags flags_;
};
