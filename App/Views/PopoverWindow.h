#pragma once

#include "Views/AppEnvironment.h"

#include <QWidget>

class PopoverRoot;

// The popover's window: frameless, above other windows, not in the task bar, holding the popover
// root. A tool window rather than a Qt popup, which would grab the pointer and close itself; so it
// closes on Escape itself, as a popup does on this desktop.
class PopoverWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit PopoverWindow(const AppEnvironment& environment);

    PopoverRoot* root() const { return root_; }

  signals:
    void shown();
    void hidden();
    // Escape reached the popover itself: no sheet, message or field inside it took the press.
    void dismissed();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PopoverRoot* root_;
};
