#include "MenuBarHost.h"

#include "AppState.h"
#include "DesktopScreens.h"
#include "GameController.h"
#include "LaunchPlan.h"
#include "Sound/Playback/SoundPlayer.h"
#include "Sound/TestHost.h"
#include "SurfaceCoordinator.h"
#include "SurfacesLog.h"
#include "System/GlobalHotkey.h"
#include "System/HeapTrim.h"
#include "System/LaunchAtLogin.h"
#include "System/ScreenReaderStatus.h"
#include "System/StatusNotifierTray.h"
#include "System/X11ActiveWindow.h"
#include "System/X11HotkeyGrabber.h"
#include "System/X11RawPresses.h"
#include "System/X11TrayPresses.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/PopoverRoot.h"
#include "Views/PopoverWindow.h"
#include "Views/Settings/SettingsView.h"
#include "Views/StatusMenu.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/ScreenFit.h"
#include "Views/TrayIconArt.h"
#include "Views/WindowChrome.h"
#include "Views/WindowRoot.h"

#include "BotKit/TieredBot.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QWindow>

#include <algorithm>

namespace {

std::optional<PersistenceStore> storeOfThisUser() {
    if (isTestHost()) {
        return std::nullopt;
    }
    return PersistenceStore(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/Chipwhistle"));
}

std::optional<IconEvent> iconEvent(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return IconEvent::leftMouseDown;
    case QSystemTrayIcon::Context:
        return IconEvent::rightMouseDown;
    case QSystemTrayIcon::MiddleClick:
        return IconEvent::otherMouseDown;
    case QSystemTrayIcon::DoubleClick:
        // A second press soon after the first is still a press: it toggles the popover back.
        return IconEvent::leftMouseDown;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return std::nullopt;
}

// How often the launch looks again for the tray icon, 0.1 s apart, after a first look.
constexpr int launchIconTries = 30;

WindowPresence presenceOf(const QWidget* window) {
    if (!window || !window->isVisible()) {
        return WindowPresence::closed;
    }
    return window->isMinimized() ? WindowPresence::minimized : WindowPresence::onScreen;
}

} // namespace

MenuBarHost::MenuBarHost(QObject* parent)
    : QObject(parent)
    , appState_(std::make_unique<AppState>(storeOfThisUser()))
    , controller_(std::make_unique<GameController>(clock_, std::make_shared<BotKit::TieredBot>()))
    , surfaces_(std::make_unique<SurfaceCoordinator>(*controller_))
    , hotkey_(std::make_unique<GlobalHotkey>(isTestHost() ? nullptr : X11HotkeyGrabber::create()))
    , launchAtLogin_(std::make_unique<LaunchAtLogin>())
    , presentation_(std::make_unique<PopoverPresentation>(scheduler_, *this, *surfaces_))
    , pokerBasics_(new PokerBasicsCommand(this))
    , settingsCommand_(new QAction(QStringLiteral("Settings…"), this))
    , quitCommand_(new QAction(QStringLiteral("Quit Chipwhistle"), this))
    , announcer_(std::make_unique<Announcer>()) {
    controller_->setSession(appState_.get());
    appState_->retryFailedWritesOn(scheduler_);
    HeapTrim::afterEachHand(*controller_, this);
    surfaces_->setHost(this);
    // Each window holds these, so they answer in whichever one is active.
    for (auto [command, key] : {std::pair{settingsCommand_, QKeySequence(Qt::CTRL | Qt::Key_Comma)},
                                std::pair{quitCommand_, QKeySequence(Qt::CTRL | Qt::Key_Q)}}) {
        command->setShortcut(key);
        command->setShortcutContext(Qt::WindowShortcut);
    }
    connect(settingsCommand_, &QAction::triggered, this, [this] {
        const bool inPopover = popoverWindow_ && QApplication::activeWindow() == popoverWindow_.get();
        openSettingsFrom(inPopover ? TableSurface::popover : TableSurface::window);
    });
    connect(quitCommand_, &QAction::triggered, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    connect(surfaces_.get(), &SurfaceCoordinator::visibilitySettled, this,
            [](bool visible) { SoundPlayer::shared().setSurfaceVisible(visible); });
    // Sees presses in this program's own windows while the popover shows, and the side windows closing.
    qApp->installEventFilter(this);
}

MenuBarHost::~MenuBarHost() {
    closePopoverForQuit();
    qApp->removeEventFilter(this);
    focusBack_.cancel();
    surfaces_->setHost(nullptr);
    rawPresses_.reset();
    keyPresses_.reset();
    trayPresses_.reset();
    delete tableWindow_.data();
    delete onboardingWindow_.data();
    delete settingsWindow_.data();
    popoverWindow_.reset();
    statusItem_.reset();
}

AppEnvironment MenuBarHost::environment() {
    return AppEnvironment{appState_.get(), controller_.get(),    surfaces_.get(),
                          hotkey_.get(),   launchAtLogin_.get(), this,
                          announcer_.get()};
}

// Launch ---------------------------------------------------------------------------------------

void MenuBarHost::applicationDidFinishLaunching(const QStringList& arguments) {
    const Profile& profile = appState_->profile();
    const LaunchFacts facts = launchFacts(arguments, profile.onboarded, profile.settings.launchSurface);
    qCInfo(surfacesLog).noquote() << launchLogLine(facts);
    const LaunchPlan plan = planLaunch(facts);

    if (plan.createsStatusItem) {
        createStatusItem();
    }
    syncSettings();
    connect(appState_.get(), &AppState::profileChanged, this, &MenuBarHost::syncSettings);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        const bool active = state == Qt::ApplicationActive;
        qCInfo(surfacesLog).noquote() << QStringLiteral("%1 %2").arg(
            active ? QStringLiteral("became active") : QStringLiteral("resigned active"), activationState());
        if (active) {
            presentation_->applicationActivated();
        } else {
            presentation_->applicationDeactivated();
        }
    });
    hotkey_->setAction([self = QPointer<MenuBarHost>(this)] {
        if (!self) {
            return;
        }
        qCInfo(surfacesLog).noquote()
            << QStringLiteral("hotkey popover=%1").arg(logFlag(self->isPopoverShown()));
        if (self->appState_->profile().onboarded) {
            if (!self->presentation_->bringForwardOnItsOwn()) {
                self->surfaces_->statusItemClicked();
            }
        } else {
            self->showOnboarding();
        }
    });
    if (plan.showsOnboarding) {
        showOnboarding();
    }

    // Nothing shows the table yet: a table started before any surface opens waits as hidden.
    surfaces_->update();

    // What a launch that shows no popover learns of the tray is for the popover shown later: after the
    // first-run window, from the table window, at the shortcut.
    const bool looksForTheIcon = plan.createsStatusItem && plan.shows != LaunchSurface::menuBar;
    if (!plan.shows) {
        if (looksForTheIcon) {
            presentation_->lookForTheIcon(launchIconTries);
        }
        return;
    }
    const LaunchSurface surface = *plan.shows;
    qCInfo(surfacesLog).noquote() << QStringLiteral("launch: showing %1").arg(surfaceName(surface));
    afterCurrentEvent([self = QPointer<MenuBarHost>(this), surface, looksForTheIcon] {
        if (!self) {
            return;
        }
        if (surface == LaunchSurface::window) {
            self->openWindow();
            if (looksForTheIcon) {
                self->presentation_->lookForTheIcon(launchIconTries);
            }
        } else {
            self->presentation_->showPopoverWhenIconIsUp(launchIconTries);
        }
    });
}

void MenuBarHost::reopen() {
    const Profile& profile = appState_->profile();
    switch (reopenAction(ownWindows(), isPopoverShown(), profile.onboarded, profile.settings.launchSurface)) {
    case ReopenAction::nothing:
        presentation_->bringForwardOnItsOwn();
        break;
    case ReopenAction::openWindow:
        openWindow();
        break;
    case ReopenAction::showPopover:
        // Started from a terminal or a launcher, where the tray may not be: place it anyway.
        showPopover(PopoverShowing::asked);
        break;
    case ReopenAction::showOnboarding:
        showOnboarding();
        break;
    case ReopenAction::focusTableWindow:
        focusWindow();
        break;
    case ReopenAction::focusSettings:
        showSettings();
        break;
    }
}

void MenuBarHost::syncSettings() {
    const AppSettings& settings = appState_->profile().settings;
    surfaces_->setIconOpens(settings.launchSurface);
    refreshTrayMenu();
    controller_->setBotSpeed(settings.botSpeed);
    controller_->setAutoDeal(settings.autoDeal);
    SoundPlayer& sound = SoundPlayer::shared();
    if (sound.soundsEnabled() != settings.soundsOn) {
        sound.setSoundsEnabled(settings.soundsOn);
    }
    if (!isTestHost()) {
        hotkey_->update(settings.hotkey.enabled ? std::optional(settings.hotkey.shortcut) : std::nullopt);
    }
}

// Status item ----------------------------------------------------------------------------------

void MenuBarHost::createStatusItem() {
    // Made blank: updateIcon paints the chip, once, before the icon is shown.
    statusItem_ = std::make_unique<QSystemTrayIcon>();
    trayKind_ = StatusNotifierTray::speaksStatusNotifierItem(*statusItem_) ? TrayKind::statusNotifier
                                                                           : TrayKind::embedding;
    connect(statusItem_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                noteIconPlace();
                handleIconClick(iconEvent(reason));
            });
    if (trayKind_ == TrayKind::statusNotifier) {
        trayPresses_ = X11TrayPresses::create();
    }
    if (trayKind_ == TrayKind::statusNotifier && StatusNotifierTray::watcherIsGnomeShell()) {
        leftClick_ = LeftClick::opensTheMenu;
        trayHolder_ = TrayHolder::gnomeTopBar;
    }
    if (trayDrawsTheMenu(trayKind_)) {
        trayMenu_ =
            std::make_unique<StatusMenu>(statusMenuItems(surfaces_->iconOpens(), leftClick_),
                                         [this](StatusMenuCommand command) { runMenuCommand(command); });
        // The tray asks as it opens the menu: the press on the icon and the keys its menu takes leave the
        // popover as the game's own menu leaves it.
        connect(trayMenu_.get(), &QMenu::aboutToShow, this, [this] {
            noteIconPlace();
            presentation_->trayMenuOpening();
            refreshTrayMenu();
        });
        // Qt turns a tray's "closed" event into this. KDE's panel sends one; Xfce's sends none, and there
        // the keys coming back to the program end the menu's hold on the popover.
        connect(trayMenu_.get(), &QMenu::aboutToHide, presentation_.get(),
                &PopoverPresentation::trayMenuClosed);
        // Given before the icon shows: a tray reads whether there is a menu as it takes the icon.
        statusItem_->setContextMenu(trayMenu_.get());
    }
    updateIcon();
    for (auto changed : {&GameController::stateChanged, &GameController::pauseReasonsChanged}) {
        connect(controller_.get(), changed, this, &MenuBarHost::updateIcon);
    }
    connect(appState_.get(), &AppState::profileChanged, this, &MenuBarHost::updateIcon);
    statusItem_->show();
}

void MenuBarHost::refreshTrayMenu() {
    if (trayMenu_) {
        trayMenu_->setItems(statusMenuItems(surfaces_->iconOpens(), leftClick_));
    }
}

void MenuBarHost::noteIconPlace() {
    if (!trayPresses_) {
        return;
    }
    const X11TrayPresses::Reading reading = trayPresses_->takeReading();
    const std::optional<QPoint> press = askingPress(reading.pointer, reading.buttonHeld, reading.lastPress);
    qCInfo(surfacesLog).noquote() << QStringLiteral("tray asks: %1")
                                         .arg(press ? QStringLiteral("pressed at ") + logPoint(*press)
                                                    : QStringLiteral("nothing pressed"));
    if (!press || !QGuiApplication::screenAt(*press)) {
        return;
    }
    const DesktopScreens screens = desktopScreens();
    const std::size_t screen = screens.at(*press);
    // A press beside the panel tells nothing: the place a press on it told stays.
    if (const QRect frame = clickedIconFrame(press, screens.geometries[screen], screens.workAreas[screen]);
        !frame.isEmpty()) {
        pressedIconFrame_ = frame;
    }
}

void MenuBarHost::updateIcon() {
    if (!statusItem_) {
        return;
    }
    const StatusIconState state = statusIconState(*controller_, appState_->profile());
    if (!drawnIcon_ || drawnIcon_->badge != state.badge) {
        statusItem_->setIcon(TrayIconArt::icon(state.badge));
    }
    if (!drawnIcon_ || *drawnIcon_ != state) {
        // A tray shows no title beside the icon: the chip count and the spoken label go in the tooltip.
        const QString title = statusIconTitle(state.stack);
        const QString label = statusItemLabel(state.badge, state.stack);
        statusItem_->setToolTip(title.isEmpty() ? label : title + QStringLiteral(" — ") + label);
    }
    drawnIcon_ = state;
}

void MenuBarHost::handleIconClick(std::optional<IconEvent> event) {
    const bool cancelled = presentation_->cancelPendingClose();
    qCInfo(surfacesLog).noquote() << QStringLiteral(
                                         "icon click: event=%1 popover=%2 cancelledOutsideClose=%3 window=%4")
                                         .arg(iconEventName(event), logFlag(isPopoverShown()),
                                              logFlag(cancelled), logFlag(surfaces_->windowOpen()));
    const bool controlHeld = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::MetaModifier);
    switch (iconClickOutcome(event, controlHeld, appState_->profile().onboarded)) {
    case IconClickOutcome::showMenu:
        showStatusMenu();
        break;
    case IconClickOutcome::toggleSurface:
        surfaces_->statusItemClicked();
        break;
    case IconClickOutcome::showOnboarding:
        showOnboarding();
        break;
    }
}

void MenuBarHost::showStatusMenu() {
    if (!statusItem_) {
        return;
    }
    auto* menu = new StatusMenu(statusMenuItems(surfaces_->iconOpens(), leftClick_),
                                [this](StatusMenuCommand command) { runMenuCommand(command); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QRect icon = iconFrame();
    const QPoint at = icon.isEmpty() ? QCursor::pos() : icon.bottomLeft() + QPoint(0, 4);
    // Qt talks to assistive programs only while one listens; only a screen reader among them needs the
    // item held.
    menu->open(at, statusMenuHoldsFirstItem(QAccessible::isActive() && ScreenReaderStatus::runsNow()));
}

void MenuBarHost::runMenuCommand(StatusMenuCommand command) {
    const bool onboarded = appState_->profile().onboarded;
    switch (command) {
    case StatusMenuCommand::openWindow:
        onboarded ? surfaces_->expandToWindow() : showOnboarding();
        break;
    case StatusMenuCommand::showPopover:
        onboarded ? surfaces_->collapseToPopover() : showOnboarding();
        break;
    case StatusMenuCommand::settings:
        openSettingsFrom(TableSurface::popover);
        break;
    case StatusMenuCommand::quit:
        QCoreApplication::quit();
        break;
    case StatusMenuCommand::separator:
        break;
    }
}

// Popover --------------------------------------------------------------------------------------

bool MenuBarHost::showPopover(PopoverShowing showing) {
    return presentation_->showPopover(showing);
}

void MenuBarHost::closePopover(const QString& reason) {
    presentation_->closePopover(reason);
}

bool MenuBarHost::isPopoverShown() const {
    return isShown();
}

bool MenuBarHost::hasStatusItem() const {
    return statusItem_ != nullptr;
}

bool MenuBarHost::isShown() const {
    return popoverWindow_ && popoverWindow_->isVisible();
}

bool MenuBarHost::isOnScreen() const {
    return isShown() && popoverWindow_->windowHandle() && popoverWindow_->windowHandle()->isExposed();
}

bool MenuBarHost::iconIsUp() const {
    if (!statusItem_) {
        return false;
    }
    const bool registered =
        trayKind_ == TrayKind::statusNotifier && StatusNotifierTray::holdsTheIcon(*statusItem_);
    return trayIconIsUp(trayKind_, statusItem_->isVisible(), statusItem_->geometry(), registered);
}

bool MenuBarHost::hasTheKeys() const {
    return isShown() && popoverWindow_->isActiveWindow();
}

QRect MenuBarHost::iconFrame() const {
    if (!statusItem_) {
        return {};
    }
    const QRect frame = statusItem_->geometry();
    return frame.isEmpty() ? pressedIconFrame_ : frame;
}

QPoint MenuBarHost::cursor() const {
    return QCursor::pos();
}

bool MenuBarHost::mouseButtonDown() const {
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

PopoverWindow* MenuBarHost::popoverWindow() {
    if (!popoverWindow_) {
        popoverWindow_ = std::make_unique<PopoverWindow>(environment());
        offerCommands(popoverWindow_.get());
        connect(popoverWindow_.get(), &PopoverWindow::shown, presentation_.get(),
                &PopoverPresentation::popoverDidShow);
        connect(popoverWindow_.get(), &PopoverWindow::hidden, presentation_.get(),
                &PopoverPresentation::popoverDidClose);
        connect(popoverWindow_.get(), &PopoverWindow::dismissed, presentation_.get(),
                [this] { presentation_->closePopover(QStringLiteral("Escape")); });
        connect(popoverWindow_.get(), &PopoverWindow::closeAsked, presentation_.get(),
                [this] { presentation_->closePopover(QStringLiteral("closed from the desktop")); });
    }
    return popoverWindow_.get();
}

void MenuBarHost::show(PopoverStanding standing) {
    popoverWindow()->setStanding(standing);
    focusBack_.cancel();
    if (!activeWindows_) {
        activeWindows_ = X11ActiveWindow::create();
    }
    activeBeforePopover_ = activeWindows_ ? activeWindows_->active() : std::nullopt;
    const QPoint pointer = QCursor::pos();
    const DesktopScreens screens = desktopScreens();
    const QRect icon = iconFrame();
    // A tray that draws the icon and has told no place sits on a panel, which the work area leaves out.
    const TrayAnchor anchor =
        icon.isEmpty() && trayKind_ == TrayKind::statusNotifier
            ? trayAnchor(screens.geometries, screens.workAreas, screens.primary, screens.panelBands,
                         trayHolder_)
            : TrayAnchor{icon, screens.workAreas[screens.at(icon.isEmpty() ? pointer : icon.center())]};
    popoverWindow_->setGeometry(popoverFrame(anchor.icon, pointer, anchor.area, popoverWindow_->size()));
    popoverWindow_->show();
    popoverWindow_->raise();
    popoverWindow_->activateWindow();
}

void MenuBarHost::close() {
    if (!popoverWindow_ || !popoverWindow_->isVisible()) {
        return;
    }
    popoverWindow_->hide();
    // Long enough for the window manager to move the focus by itself and for a window of ours that
    // the close makes way for to be shown; only when nothing has taken the focus is it handed back.
    focusBack_ = scheduler_.after(focusBackDelay, [this] { handFocusBack(); });
}

void MenuBarHost::askForTheKeys() {
    if (isShown()) {
        bringForward(popoverWindow_.get());
    }
}

void MenuBarHost::handFocusBack() {
    if (!activeWindows_ || !popoverWindow_ || isShown()) {
        return;
    }
    const bool ownWindowShowing = ownWindows().anyOnScreen();
    const std::optional<X11ActiveWindow::Window> activeNow = activeWindows_->active();
    const bool beforeIsStillThere =
        activeBeforePopover_ && activeWindows_->isStillThere(*activeBeforePopover_);
    const FocusHandBackRule::HandBack handBack = FocusHandBackRule::decide(
        activeBeforePopover_, activeNow, X11ActiveWindow::Window(popoverWindow_->winId()), ownWindowShowing,
        beforeIsStillThere);
    activeBeforePopover_.reset();
    if (!handBack.logLine.isEmpty()) {
        qCInfo(surfacesLog).noquote() << handBack.logLine;
    }
    if (handBack.target) {
        activeWindows_->activate(*handBack.target, activeNow.value_or(0));
    }
}

void MenuBarHost::watchOutsideClicks(bool on) {
    watchingOutside_ = on;
    if (on && !rawPresses_) {
        rawPresses_ = X11RawPresses::create([this] { rawPress(); });
    }
    if (rawPresses_) {
        rawPresses_->setWatching(on);
    }
}

void MenuBarHost::watchKeyPresses(bool on) {
    if (on && !keyPresses_) {
        keyPresses_ =
            X11RawPresses::create([this] { presentation_->keyPressed(); }, X11RawPresses::Kind::keys);
    }
    if (keyPresses_) {
        keyPresses_->setWatching(on);
    }
}

void MenuBarHost::rawPress() {
    // A press over one of this program's windows is seen by the event filter, which knows the window.
    presentation_->pressInAnotherApp();
}

void MenuBarHost::closePopoverForQuit() {
    // Quitting closes every window; a popover closed without a word from us would be logged as an
    // error, with the call stack.
    if (isShown()) {
        presentation_->closePopover(QStringLiteral("quit"));
        focusBack_.cancel();
    }
}

bool MenuBarHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Quit && watched == qApp) {
        closePopoverForQuit();
    }
    if (event->type() == QEvent::MouseButtonPress && watchingOutside_ && watched->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window != popoverWindow_.get() && window == watched) {
            presentation_->pressInOwnWindow(QString::fromLatin1(window->metaObject()->className()),
                                            window->windowType() == Qt::Popup
                                                ? PopoverPresentation::OwnWindow::menu
                                                : PopoverPresentation::OwnWindow::window);
        }
    }
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) &&
        watched->isWidgetType() && popoverWindow_ &&
        static_cast<QWidget*>(watched)->window() == popoverWindow_.get()) {
        presentation_->playerTurnedToPopover();
    }
    if (event->type() == QEvent::WindowActivate && popoverWindow_ && watched == popoverWindow_.get()) {
        presentation_->popoverHasTheKeys();
    }
    if (event->type() == QEvent::Close) {
        // The Settings view tells the coordinator itself when it leaves the screen.
        if (watched == onboardingWindow_) {
            onboardingWindowWillClose();
        }
    }
    return QObject::eventFilter(watched, event);
}

QString MenuBarHost::activationState() const {
    const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    // Which other application is in front is not known here without a window manager to ask.
    return QStringLiteral("active=%1 front=%2")
        .arg(logFlag(active), active ? QStringLiteral("Chipwhistle") : QStringLiteral("none"));
}

WindowRoot* MenuBarHost::tableWindow() const {
    return tableWindow_;
}

// Windows --------------------------------------------------------------------------------------

bool MenuBarHost::openWindow() {
    if (!tableWindow_) {
        auto* window = new WindowRoot(environment());
        window->setAttribute(Qt::WA_DeleteOnClose);
        attach(window);
        offerCommands(window);
        ScreenFit::open(*window,
                        tableWindowSize_.isValid() ? tableWindowSize_ : WindowChrome::defaultSize.toSize());
    }
    tableWindow_->show();
    tableWindow_->raise();
    tableWindow_->activateWindow();
    qCInfo(surfacesLog).noquote() << QStringLiteral("openWindow %1").arg(activationState());
    return true;
}

void MenuBarHost::attach(WindowRoot* window) {
    if (window == tableWindow_) {
        return;
    }
    tableWindow_ = window;
    connect(window, &WindowRoot::appeared, this, [this] {
        surfaces_->windowDidOpen();
        afterCurrentEvent([window = tableWindow_] {
            if (window) {
                window->raise();
                window->activateWindow();
            }
        });
    });
    connect(window, &WindowRoot::closing, this, [this, window] {
        // Its size before it was maximized, if it was: the size the player chose.
        tableWindowSize_ = window->normalGeometry().size();
    });
    connect(window, &WindowRoot::closing, surfaces_.get(), &SurfaceCoordinator::windowDidClose);
    connect(window, &WindowRoot::minimizedChanged, this, [this](bool minimized) {
        surfaces_->setWindowMinimized(minimized);
        surfaces_->update();
    });
}

void MenuBarHost::offerCommands(QWidget* window) {
    // Poker Basics is disabled while the window's screen publishes no guide, so its shortcut then does
    // nothing.
    window->addActions({pokerBasics_, settingsCommand_, quitCommand_});
}

void MenuBarHost::openSettingsFrom(TableSurface from) {
    surfaces_->openSettings(from, [self = QPointer<MenuBarHost>(this)] {
        if (self) {
            self->showSettings();
        }
    });
}

OwnWindows MenuBarHost::ownWindows() const {
    return {presenceOf(tableWindow_), presenceOf(settingsWindow_), presenceOf(onboardingWindow_)};
}

void MenuBarHost::bringForward(QWidget* window) {
    if (!activeWindows_) {
        activeWindows_ = X11ActiveWindow::create();
    }
    // A request of our own carries no recent press of the player's, and a window manager that
    // prevents focus stealing answers it by only flagging the window, as it does for a window on
    // another workspace; the player did ask, by a click or a second start, so the window first comes
    // to the player's workspace and the manager is asked as a task bar would ask it.
    const auto id = X11ActiveWindow::Window(window->winId());
    ActivationRequest request;
    if (activeWindows_) {
        request = activationRequest(activeWindows_->desktopOf(id), activeWindows_->currentDesktop(),
                                    X11ActiveWindow::serverTime());
        if (request.moveToDesktop) {
            activeWindows_->moveToDesktop(id, *request.moveToDesktop);
        }
    }
    // Restored as it was before it was minimised, maximised included.
    if (window->isMinimized()) {
        Qt::WindowStates state = window->windowState();
        state.setFlag(Qt::WindowMinimized, false);
        window->setWindowState(state);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (activeWindows_) {
        activeWindows_->activate(id, activeWindows_->active().value_or(0), request.timestamp);
    }
}

void MenuBarHost::focusWindow() {
    if (!tableWindow_) {
        openWindow();
        return;
    }
    bringForward(tableWindow_);
    qCInfo(surfacesLog).noquote()
        << QStringLiteral("focusWindow onActiveSpace=true %1").arg(activationState());
}

bool MenuBarHost::closeTableWindow() {
    if (!tableWindow_) {
        return false;
    }
    tableWindow_->close();
    return true;
}

void MenuBarHost::setActivationPolicy(ActivationPolicy policy) {
    // The desktop has no separate task-bar entry to switch; the request is kept and logged.
    ++policyRequest_;
    qCInfo(surfacesLog).noquote() << QStringLiteral("policy → %1 %2")
                                         .arg(policy == ActivationPolicy::regular
                                                  ? QStringLiteral("regular")
                                                  : QStringLiteral("accessory"),
                                              activationState());
}

void MenuBarHost::activateApplication() {
    // Windows activate themselves when shown; there is no application-wide activation on X11.
}

void MenuBarHost::afterCurrentEvent(std::function<void()> work) {
    scheduler_.post(std::move(work));
}

void MenuBarHost::showSettings() {
    if (!settingsWindow_) {
        auto* settings = new SettingsView(environment());
        settings->setAttribute(Qt::WA_DeleteOnClose);
        settings->setWindowTitle(QStringLiteral("Chipwhistle Settings"));
        offerCommands(settings);
        settingsWindow_ = settings;
        // The keys go back to the game's window they came from, as a window manager would give them;
        // without one nothing would, and the table's next key would reach no window.
        connect(settings, &QObject::destroyed, this,
                [this, cameFrom = QPointer<QWidget>(QApplication::activeWindow())] {
                    if (cameFrom && cameFrom->isVisible() && !QApplication::activeWindow())
                        bringForward(cameFrom);
                });
    }
    bringForward(settingsWindow_);
}

void MenuBarHost::showOnboarding() {
    if (!onboardingWindow_) {
        auto* onboarding = new OnboardingRoot(environment());
        onboarding->setAttribute(Qt::WA_DeleteOnClose);
        onboarding->setWindowTitle(QStringLiteral("Welcome to Chipwhistle"));
        offerCommands(onboarding);
        onboardingWindow_ = onboarding;
    }
    surfaces_->setOnboardingOpen(true);
    surfaces_->setDockIcon(true);
    if (!onboardingWindow_->isVisible()) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), onboardingWindow_->size());
            frame.moveCenter(screen->availableGeometry().center());
            onboardingWindow_->move(frame.topLeft());
        }
    }
    bringForward(onboardingWindow_);
}

void MenuBarHost::onboardingWindowWillClose() {
    onboardingWindow_ = nullptr;
    surfaces_->onboardingDidClose();
}

void MenuBarHost::finishOnboarding() {
    const LaunchSurface surface = appState_->profile().settings.launchSurface;
    qCInfo(surfacesLog).noquote()
        << QStringLiteral("finishOnboarding → %1 %2").arg(surfaceName(surface), activationState());
    surfaces_->finishOnboarding(surface);
    if (onboardingWindow_) {
        onboardingWindow_->close();
    }
}
