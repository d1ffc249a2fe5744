#include "Views/WindowRoot.h"

#include "Views/Controls/SlidingPicker.h"

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FadeScaleEffect.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/BottomRow.h"
#include "Table/Screen/PlayerPause.h"
#include "Table/Screen/TopBarText.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/RootContent.h"
#include "Views/RootTheme.h"
#include "Views/Settings/SettingsLook.h"
#include "Views/Support/FocusChain.h"
#include "Views/Support/LookPalette.h"
#include "Views/Support/LostKeys.h"
#include "Views/Support/ToolButtonWidth.h"
#include "Views/Support/ToolbarIcons.h"
#include "Views/Table/ActionLogView.h"
#include "Views/WindowChrome.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

void applyControl(QAction* action, const WindowChrome::Control& control, ToolbarIcons& icons,
                  const QColor& colour) {
    action->setText(control.title);
    action->setToolTip(control.help);
    // The same icon set again would still repaint the button: only a new symbol or colour is set.
    const QIcon icon = icons.icon(control.symbol, colour);
    if (action->icon().cacheKey() != icon.cacheKey()) {
        action->setIcon(icon);
    }
}

std::optional<GameMode> modeOf(const GameController* controller) {
    if (!controller || !controller->setup()) {
        return std::nullopt;
    }
    return controller->setup()->mode();
}

// The sidebar's slide and its pages' change.
const AnimationCurve sidebarMotion = AnimationCurve::easeOut(0.2);
constexpr int sidebarMinimum = 260;

} // namespace

WindowRoot::WindowRoot(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , theme_(new RootTheme(
          environment.appState, TableSurface::window,
          [this] {
              RootContent::setTheme(content_, theme_->theme());
              // The log is drawn in the theme too: a desktop turning dark must not leave it light.
              if (log_) {
                  log_->setTheme(theme_->theme());
              }
              if (guide_) {
                  // The guide draws in the window's new look where it stands.
                  guide_->setTheme(theme_->theme(), guideControls(theme_->theme()));
              }
              refreshChrome();
          },
          this))
    , toolbar_(new QToolBar(this))
    , splitter_(new QSplitter(Qt::Horizontal, this)) {
    setWindowTitle(QStringLiteral("Chipwhistle"));
    setMinimumSize(WindowChrome::minimumSize.toSize());
    resize(WindowChrome::defaultSize.toSize());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(splitter_, 1);
    splitter_->setChildrenCollapsible(false);
    // A hairline between the table and the sidebar, as an inspector column has; filled when the sidebar
    // comes in. A style sheet would draw it too, but would keep every palette set in the sidebar from
    // reaching the controls inside it.
    splitter_->setHandleWidth(1);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setMovable(false);
    // Titled in the game's typeface, not the desktop's, at the size the desktop sets its controls in.
    toolbar_->setFont(ThemeFonts::typeface());
    new LostKeys(*this, [this] { RootContent::takeKeys(content_); });

    GameController* controller = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    AppState* appState = environment_.appState;
    pause_ = toolbar_->addAction(QString(), this, [controller] { PlayerPause::toggle(*controller); });
    back_ = toolbar_->addAction(QString(), this, [surfaces] { surfaces->collapseToPopover(); });
    settings_ =
        toolbar_->addAction(QString(), this, [this] { openSettings(environment_, TableSurface::window); });
    leave_ = toolbar_->addAction(QString(), this, [surfaces] { surfaces->requestLeave(); });
    toolbar_->addSeparator();
    sound_ = toolbar_->addAction(QString(), this, [this] { toggleSounds(environment_); });
    guideItem_ = toolbar_->addAction(QString(), this, [this] {
        const auto next = WindowChrome::afterGuideControl({showsSidebar_, sidebarContent_});
        setSidebar(next.shown, next.content, true);
    });
    sidebarToggle_ = toolbar_->addAction(QString(), this, [this] {
        const auto next = WindowChrome::afterSidebarControl({showsSidebar_, sidebarContent_});
        setSidebar(next.shown, next.content);
    });

    // The toolbar is on the keyboard's way round the window like every other control, so leaving,
    // settings and the sidebar are in reach without the pointer; the line between its groups is not.
    for (QAction* action : toolbar_->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        if (QWidget* button = toolbar_->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            // Read as the game's own buttons are: a tooltip that only says the name again is no
            // description.
            StyleAccessibility::setRole(button, QAccessible::Button);
        }
    }
    connect(&clock_, &AnimationClock::ticked, this, &WindowRoot::tick);
    if (controller) {
        connect(controller, &GameController::stateChanged, this, [this] {
            if (environment_.controller->hasTable() != showsTable_) {
                showContent();
            }
            refreshGuide();
            refreshTitle();
        });
        connect(controller, &GameController::setupChanged, this, &WindowRoot::refreshChrome);
        for (auto signal : {&GameController::pauseReasonsChanged, &GameController::tableOverChanged,
                            &GameController::isShowingResultChanged}) {
            connect(controller, signal, this, &WindowRoot::refreshChrome);
        }
    }
    if (appState) {
        connect(appState, &AppState::profileChanged, this, &WindowRoot::refreshChrome);
    }
    sidebar_ = makeSidebar();
    showContent();
}

WindowRoot::~WindowRoot() = default;

const TableTheme& WindowRoot::theme() const {
    return theme_->theme();
}

TableTheme WindowRoot::guideControls(const TableTheme& window) {
    // Drawn in satin whatever the table's style, with the window's look and pixel unit.
    TableTheme satin = window;
    satin.style = TableStyleID::satin;
    satin.pixelUnit = 3;
    satin.palette = TableTheme::paletteFor(TableStyleID::satin, window.dark, window.increaseContrast);
    return satin;
}

QWidget* WindowRoot::makeSidebar() {
    auto* sidebar = new QWidget;
    sidebar->setMinimumWidth(sidebarMinimum);
    sidebar->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(sidebar);
    // The switch and the log keep 14 points from the sidebar's edges; the guide keeps its own padding,
    // so it takes the sidebar's whole width.
    layout->setContentsMargins(0, 10, 0, 2);
    // The game's own segmented control, as the guide's tabs: a desktop's checked push buttons read
    // the wrong way round in a dark theme. Untitled: a reader reaching it hears its two choices, not a
    // title it never shows.
    segments_ = new SlidingPicker(guideControls(theme_->theme()), QString(),
                                  {{QStringLiteral("Log"), 0, {}}, {QStringLiteral("Guide"), 0, {}}},
                                  int(sidebarContent_), sidebar);
    connect(segments_, &SlidingPicker::picked, this,
            [this](int id) { setSidebar(true, SidebarContent(id)); });
    auto* switchRow = new QHBoxLayout;
    switchRow->setContentsMargins(14, 0, 14, 0);
    switchRow->addWidget(segments_);
    layout->addLayout(switchRow);
    sidebarPages_ = new QStackedWidget(sidebar);
    // Only a holder of pages: a reader entering the sidebar hears the page, not the stack it lies in.
    StyleAccessibility::setRole(sidebarPages_, QAccessible::Client);
    log_ = new ActionLogView(theme_->theme(), environment_.controller, environment_.announcer);
    log_->setContentsMargins(14, 0, 14, 0);
    sidebarPages_->addWidget(log_);
    layout->addWidget(sidebarPages_, 1);
    return sidebar;
}

void WindowRoot::showContent() {
    showsTable_ = environment_.controller && environment_.controller->hasTable();
    QWidget* next = RootContent::make(
        environment_, TableSurface::window, theme_->theme(), [this] { openGuide(); }, !content_);
    if (content_) {
        content_->hide();
        content_->deleteLater();
    }
    splitter_->insertWidget(0, next);
    splitter_->setStretchFactor(0, 1);
    content_ = next;
    if (showsTable_) {
        // Ctrl+? opens the guide beside the table while this window has the keyboard.
        new PokerBasicsAction(next, [this] { openGuide(); });
    }
    if (!sidebar_->parent()) {
        splitter_->addWidget(sidebar_);
        splitter_->setStretchFactor(1, 0);
        QSplitterHandle* hairline = splitter_->handle(splitter_->indexOf(sidebar_));
        hairline->setBackgroundRole(QPalette::Mid);
        hairline->setAutoFillBackground(true);
    }
    refreshChrome();
    applySidebarWidths();
}

void WindowRoot::refreshChrome() {
    const std::optional<GameMode> mode = modeOf(environment_.controller);
    refreshTitle();
    toolbar_->setVisible(showsTable_);
    sidebar_->setVisible(showsTable_ && showsSidebar_);
    // The toolbar's buttons, the sidebar under the log and the log's scroll bar are the desktop's
    // controls: they take the game's light or dark look, which a desktop's palette may not match.
    const QPalette look = lookPalette(SettingsLook::colours(guideControls(theme_->theme())));
    for (QWidget* control :
         std::initializer_list<QWidget*>{toolbar_, sidebar_, log_->scrollArea()->verticalScrollBar()}) {
        control->setPalette(look);
    }
    // The icons take the toolbar's text colour, so they read in a dark desktop theme too.
    const QColor ink = toolbar_->palette().color(QPalette::ButtonText);
    applyControl(back_, {"Back to System Tray", "arrow.down.right.and.arrow.up.left", "Back to System Tray"},
                 icons_, ink);
    applyControl(settings_, {"Settings", "gearshape", "Settings"}, icons_, ink);
    applyControl(guideItem_, {"Poker Basics", "questionmark.circle", "Poker Basics (?)"}, icons_, ink);
    applyControl(pause_,
                 WindowChrome::pauseControl(environment_.controller ? environment_.controller->pauseReasons()
                                                                    : PauseReasons{}),
                 icons_, ink);
    // Once the game is over pausing holds nothing and leaving gives nothing up: no Tab stop, and read as
    // unavailable.
    pause_->setEnabled(!environment_.controller ||
                       TopBarText::pauseAvailable(environment_.controller->tableOver().has_value()));
    const QString leave = TopBarText::leaveTitle(mode);
    applyControl(leave_, {leave, "rectangle.portrait.and.arrow.right", leave}, icons_, ink);
    leave_->setEnabled(!environment_.controller ||
                       TopBarText::leaveAvailable(environment_.controller->tableOver().has_value()));
    applyControl(sound_,
                 WindowChrome::soundControl(!environment_.appState || environment_.appState->soundsOn()),
                 icons_, ink);
    applyControl(sidebarToggle_, WindowChrome::sidebarControl(showsSidebar_), icons_, ink);
    // A button keeps the width of its first title unless told that its title changed.
    for (QAction* action : {pause_, leave_, sound_, sidebarToggle_}) {
        if (QWidget* button = toolbar_->widgetForAction(action)) {
            button->updateGeometry();
        }
    }
    keepToolbarWidths();
    segments_->setTheme(guideControls(theme_->theme()));
    segments_->setSelected(int(sidebarContent_));
    refreshGuide();
    sidebarPages_->setCurrentWidget(sidebarContent_ == SidebarContent::guide && guide_
                                        ? static_cast<QWidget*>(guide_)
                                        : static_cast<QWidget*>(log_));
}

void WindowRoot::keepToolbarWidths() {
    for (const auto& [action, titles] :
         {std::pair{pause_, WindowChrome::pauseTitles()}, std::pair{sound_, WindowChrome::soundTitles()}}) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action))) {
            keepWidestTitle(*button, titles);
        }
    }
}

void WindowRoot::refreshTitle() {
    const GameController* controller = environment_.controller;
    setWindowTitle(WindowChrome::windowTitle(showsTable_, modeOf(controller),
                                             controller ? controller->view() : std::nullopt));
}

PokerBasicsView* WindowRoot::guide() const {
    return guide_.data();
}

void WindowRoot::refreshGuide() {
    const bool wanted = WindowChrome::guideLives(showsTable_, {showsSidebar_, sidebarContent_});
    GameController* controller = environment_.controller;
    const auto view = controller ? controller->view() : std::nullopt;
    const bool learning = TableScreenRules::isLearning(
        environment_.appState && environment_.appState->profile().settings.learningMode, modeOf(controller));
    const auto hand = TableScreenRules::heroHand(view);
    const auto held = TableScreenRules::guideHeldRank(learning, view);
    if (guide_ && !wanted) {
        if (sidebarPages_->currentWidget() == guide_) {
            sidebarPages_->setCurrentWidget(log_);
        }
        delete guide_;
        return;
    }
    if (guide_) {
        guide_->setPlayerHand(hand, held);
        return;
    }
    if (!wanted) {
        return;
    }
    PokerBasicsView::Setup setup;
    setup.art = theme_->theme();
    setup.theme = guideControls(theme_->theme());
    setup.presentation = PokerBasicsView::Presentation::sidebar;
    setup.currentHand = hand;
    setup.heldRank = held;
    setup.announcer = environment_.announcer;
    guide_ = new PokerBasicsView(std::move(setup));
    sidebarPages_->addWidget(guide_);
    // Built after the table, it would be reached after the action bar; it follows the sidebar's switch.
    FocusChain::placeAfter(segments_->segments().back(), guide_);
}

void WindowRoot::setSidebar(bool shown, SidebarContent content, bool animated) {
    const bool appears = shown && !showsSidebar_;
    const bool turns = shown && showsSidebar_ && content != sidebarContent_;
    const bool guideComesOut =
        WindowChrome::guideComesOut(showsTable_, {showsSidebar_, sidebarContent_}, {shown, content});
    showsSidebar_ = shown;
    sidebarContent_ = content;
    refreshChrome();
    if (guideComesOut && guide_) {
        // The keys stay with the table, so the page the guide opens on is read out.
        guide_->readBasicsPage();
    }
    const double now = clock_.now();
    if (animated && appears && showsTable_) {
        // It slides out from the window's trailing edge, the table giving way.
        sidebar_->setMinimumWidth(0);
        slide_ = Transition{sidebarMotion, now, 0, 1};
        applySidebarWidths(false);
        tick();
        clock_.start();
        return;
    }
    if (animated && turns) {
        pageFade_ = Transition{sidebarMotion, now, 0, 1};
        sidebarPages_->currentWidget()->setGraphicsEffect(new FadeScaleEffect(
            [this] {
                return FadeScaleEffect::Look{pageFade_ ? pageFade_->value(clock_.now()) : 1.0, 1};
            },
            sidebarPages_->currentWidget()));
        clock_.start();
    }
    applySidebarWidths();
}

void WindowRoot::openGuide() {
    if (guide_ && WindowChrome::guideLives(showsTable_, {showsSidebar_, sidebarContent_})) {
        // Already beside the table, where the player may not be looking: a reader hears where it stands.
        guide_->readTab();
        return;
    }
    setSidebar(true, SidebarContent::guide, true);
}

void WindowRoot::tick() {
    const double now = clock_.now();
    if (slide_) {
        const double ideal = WindowChrome::sidebarWidths(QSizeF(size()), theme_->theme().style).ideal;
        const int width = static_cast<int>(std::round(ideal * std::clamp(slide_->value(now), 0.0, 1.0)));
        setSidebarWidth(width);
        if (slide_->isFinished(now)) {
            slide_.reset();
            sidebar_->setMinimumWidth(sidebarMinimum);
            setSidebarWidth(static_cast<int>(ideal));
        }
    }
    if (pageFade_) {
        QWidget* page = sidebarPages_->currentWidget();
        if (!page || !page->graphicsEffect() || pageFade_->isFinished(now)) {
            if (page) {
                page->setGraphicsEffect(nullptr);
            }
            pageFade_.reset();
        } else {
            page->graphicsEffect()->update();
        }
    }
    if (!slide_ && !pageFade_) {
        clock_.stop();
    }
}

void WindowRoot::setSidebarWidth(int width) {
    // The table takes the rest; a screen on its way out (still in the splitter until it is deleted)
    // takes nothing.
    QList<int> sizes;
    for (int i = 0; i < splitter_->count(); ++i) {
        const QWidget* widget = splitter_->widget(i);
        sizes << (widget == sidebar_ ? width : widget == content_ ? splitter_->width() - width : 0);
    }
    splitter_->setSizes(sizes);
}

void WindowRoot::applySidebarWidths(bool startAtIdeal) {
    if (!showsTable_ || !showsSidebar_) {
        return;
    }
    const auto widths = WindowChrome::sidebarWidths(QSizeF(size()), theme_->theme().style);
    sidebar_->setMaximumWidth(int(widths.max));
    if (startAtIdeal) {
        // The splitter lays a newly shown sidebar out after this event; size it once it has.
        QTimer::singleShot(0, this, [this, ideal = int(widths.ideal)] { setSidebarWidth(ideal); });
    }
}

void WindowRoot::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    theme_->appeared();
    applySidebarWidths();
    emit appeared();
}

void WindowRoot::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

void WindowRoot::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        emit minimizedChanged(isMinimized());
    }
    // The desktop's font changed the size of the toolbar's titles: the widths kept for the longest are
    // measured again.
    if (event->type() == QEvent::FontChange) {
        keepToolbarWidths();
    }
}

void WindowRoot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The player's drag of the sidebar stays; only its limit follows the window.
    applySidebarWidths(false);
}
