#pragma once

#include "SurfaceHost.h"
#include "Views/AppEnvironment.h"

#include <QWidget>

class PopoverRoot;

// The popover's window: frameless, holding the popover root. Under the tray icon, a tool window above
// other windows and out of the task bar; a tool window rather than a Qt popup, which would grab the
// pointer and close itself; so it closes on Escape itself, as a popup does on this desktop. On its
// own, an ordinary window that the desktop lists and stacks as any other.
class PopoverWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit PopoverWindow(const AppEnvironment& environment);

    PopoverRoot* root() const { return root_; }
    // Only while hidden: the desktop reads how a window stands as it maps it.
    void setStanding(PopoverStanding standing);

  signals:
    void shown();
    void hidden();
    // Escape reached the popover itself: no sheet, message or field inside it took the press.
    void dismissed();
    // The desktop asked the window to close (Alt+F4, the close button of GNOME's overview).
    void closeAsked();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PopoverRoot* root_;
};
