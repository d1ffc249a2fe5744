#pragma once

#include <functional>

#include <QAction>
#include <QPointer>

// How a screen that can show the Poker Basics guide offers to: it publishes an action on itself, and
// the menu command calls the action published in the focused window.
class PokerBasicsAction : public QObject {
    Q_OBJECT
  public:
    // Published for as long as `publisher` lives and is shown; the publisher owns it.
    PokerBasicsAction(QWidget* publisher, std::function<void()> open);
    ~PokerBasicsAction() override;

    void open() const;
    QWidget* publisher() const;

    // The action of the active window: the one around the focused widget, else any shown in that window.
    static PokerBasicsAction* focused();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> open_;
    // Set while being destroyed, so the refresh this triggers no longer counts it.
    bool withdrawn_ = false;
};

// The "Poker Basics" menu command on Ctrl+? (however the keyboard types "?", Shift included): it
// opens the guide of the focused window and is greyed out while no screen there publishes one.
class PokerBasicsCommand : public QAction {
    Q_OBJECT
  public:
    explicit PokerBasicsCommand(QObject* parent = nullptr);

    // Follows the focused window; also run on every change of focus and of the published actions.
    void refresh();
};
