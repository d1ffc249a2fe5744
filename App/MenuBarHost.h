#pragma once

#include "Game/GameClock.h"
#include "OwnWindows.h"
#include "PopoverPlacement.h"
#include "PopoverPresentation.h"
#include "Scheduler.h"
#include "StatusIcon.h"
#include "SurfaceHost.h"
#include "Views/AppEnvironment.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

class Announcer;
class QAction;
class AppState;
class GameController;
class GlobalHotkey;
class LaunchAtLogin;
class PokerBasicsCommand;
class PopoverWindow;
class QSystemTrayIcon;
class QWidget;
class StatusMenu;
class SurfaceCoordinator;
class WindowRoot;
class X11ActiveWindow;
class X11RawPresses;
class X11TrayPresses;

// The one object that owns everything for the life of the process: the player's data, the game,
// the surface coordinator, the hotkey and the login item. It puts the chip in the tray, shows the
// popover under it and the table window, carries out what the coordinator decides and reports the
// windows' real events back to it, mirrors the settings into the game, the sound and the hotkey,
// and runs the launch sequence. Lives on the GUI thread.
class MenuBarHost final : public QObject, public SurfaceHost, public PopoverSurface {
    Q_OBJECT

  public:
    static constexpr Scheduler::Duration focusBackDelay{250};

    explicit MenuBarHost(QObject* parent = nullptr);
    ~MenuBarHost() override;

    // What every root is handed.
    AppEnvironment environment();
    AppState& appState() { return *appState_; }
    GameController& controller() { return *controller_; }
    SurfaceCoordinator& surfaces() { return *surfaces_; }
    PopoverPresentation& popover() { return *presentation_; }

    // The launch sequence, once the event loop runs; `arguments` are the program's.
    void applicationDidFinishLaunching(const QStringList& arguments);
    // Another start of the program asked this one to come forward.
    void reopen();
    // The onboarding's last page is done.
    void finishOnboarding();
    void showOnboarding();
    void showSettings();
    // The tray icon was clicked, with what the tray reported.
    void handleIconClick(std::optional<IconEvent> event);
    void showStatusMenu();

    // SurfaceHost
    bool openWindow() override;
    void focusWindow() override;
    bool showPopover(PopoverShowing showing) override;
    void closePopover(const QString& reason) override;
    bool isPopoverShown() const override;
    bool closeTableWindow() override;
    void setActivationPolicy(ActivationPolicy policy) override;
    void activateApplication() override;
    void afterCurrentEvent(std::function<void()> work) override;

    WindowRoot* tableWindow() const;
    // Built the first time it is asked for, so a game that starts in the tray holds no popover yet.
    PopoverWindow* popoverWindow();
    // The application's one "Poker Basics" command (Ctrl+?), which every window of the game carries.
    PokerBasicsCommand* pokerBasicsCommand() const { return pokerBasics_; }
    // The tray menu's "Settings…" (Ctrl+,) and "Quit Chipwhistle" (Ctrl+Q), carried by every window too.
    QAction* settingsCommand() const { return settingsCommand_; }
    QAction* quitCommand() const { return quitCommand_; }
    Announcer& announcer() const { return *announcer_; }
    QSystemTrayIcon* statusItem() const { return statusItem_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // PopoverSurface
    bool hasStatusItem() const override;
    bool isShown() const override;
    bool isOnScreen() const override;
    bool iconIsUp() const override;
    bool hasTheKeys() const override;
    QRect iconFrame() const override;
    QPoint cursor() const override;
    bool mouseButtonDown() const override;
    void show(PopoverStanding standing) override;
    void close() override;
    void askForTheKeys() override;
    void watchOutsideClicks(bool on) override;
    void watchKeyPresses(bool on) override;
    QString activationState() const override;

    void closePopoverForQuit();
    void createStatusItem();
    // What an item of the tray's menu does, whichever menu it was chosen in.
    void runMenuCommand(StatusMenuCommand command);
    // The menu a tray that draws menus shows follows the surface a click opens.
    void refreshTrayMenu();
    // On a tray that tells no place, the press its request comes from tells it; a request with nothing
    // pressed tells nothing.
    void noteIconPlace();
    void updateIcon();
    void syncSettings();
    void attach(WindowRoot* window);
    // Gives a window of the game the program's shortcuts (Poker Basics, Settings, Quit): with no menu bar
    // to hold them, each window does.
    void offerCommands(QWidget* window);
    void openSettingsFrom(TableSurface from);
    void onboardingWindowWillClose();
    OwnWindows ownWindows() const;
    // Shows `window` in front with the keys, restored when minimised.
    void bringForward(QWidget* window);
    void rawPress();
    void handFocusBack();

    QTimerScheduler scheduler_;
    SystemGameClock clock_;
    std::unique_ptr<AppState> appState_;
    std::unique_ptr<GameController> controller_;
    std::unique_ptr<SurfaceCoordinator> surfaces_;
    std::unique_ptr<GlobalHotkey> hotkey_;
    std::unique_ptr<LaunchAtLogin> launchAtLogin_;
    std::unique_ptr<PopoverPresentation> presentation_;
    PokerBasicsCommand* pokerBasics_;
    QAction* settingsCommand_;
    QAction* quitCommand_;
    std::unique_ptr<Announcer> announcer_;
    // Published for a tray that draws the menu itself; outlives the icon, which holds it.
    std::unique_ptr<StatusMenu> trayMenu_;
    std::unique_ptr<QSystemTrayIcon> statusItem_;
    TrayKind trayKind_ = TrayKind::embedding;
    // Told by the tray once, as the icon is made.
    LeftClick leftClick_ = LeftClick::reachesTheGame;
    TrayHolder trayHolder_ = TrayHolder::somePanel;
    // Where a press told the icon is, on a tray that tells no place; empty before one.
    QRect pressedIconFrame_;
    // The presses such a tray's requests may come from.
    std::unique_ptr<X11TrayPresses> trayPresses_;
    std::unique_ptr<PopoverWindow> popoverWindow_;
    std::unique_ptr<X11RawPresses> rawPresses_;
    std::unique_ptr<X11RawPresses> keyPresses_;
    std::unique_ptr<X11ActiveWindow> activeWindows_;
    // The desktop's active window when the popover opened, to hand the focus back to on closing.
    std::optional<std::uint32_t> activeBeforePopover_;
    ScheduledWork focusBack_;
    QPointer<WindowRoot> tableWindow_;
    // The size the player left the table window at, which it opens at again during this run.
    QSize tableWindowSize_;
    QPointer<QWidget> onboardingWindow_;
    QPointer<QWidget> settingsWindow_;
    std::optional<StatusIconState> drawnIcon_;
    int policyRequest_ = 0;
    bool watchingOutside_ = false;
};
