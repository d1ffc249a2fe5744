#include "Views/WindowRoot.h"

#include "AppState.h"
#include "GameController.h"
#include "MenuBarHost.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SymbolIcons.h"
#include "SurfaceCoordinator.h"
#include "Table/Screen/TopBarText.h"
#include "Views/RootContent.h"
#include "Views/RootTheme.h"
#include "Views/ShellPlaceholder.h"
#include "Views/Table/ActionLogView.h"
#include "Views/WindowChrome.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QIcon symbolIcon(const QString& name, const QColor& colour) {
    QPixmap pixmap(36, 36);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    SymbolIcons::paint(painter, name, QRectF(5, 5, 26, 26), colour);
    return QIcon(pixmap);
}

// The symbols this window names that our icon set draws under a nearby name.
QString drawnSymbol(const QString& name) {
    if (name == QLatin1String("gearshape")) {
        return QStringLiteral("gearshape.fill");
    }
    if (name == QLatin1String("questionmark.circle")) {
        return QStringLiteral("questionmark");
    }
    if (name == QLatin1String("sidebar.trailing")) {
        return QStringLiteral("book.fill");
    }
    return name;
}

void applyControl(QAction* action, const WindowChrome::Control& control, const QColor& colour) {
    action->setText(control.title);
    action->setToolTip(control.help);
    action->setIcon(symbolIcon(drawnSymbol(control.symbol), colour));
}

std::optional<GameMode> modeOf(const GameController* controller) {
    if (!controller || !controller->setup()) {
        return std::nullopt;
    }
    return controller->setup()->mode();
}

} // namespace

WindowRoot::WindowRoot(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , theme_(new RootTheme(
          environment.appState, TableSurface::window,
          [this] {
              RootContent::setTheme(content_, theme_->theme());
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
    // A hairline between the table and the sidebar, as an inspector column has.
    splitter_->setHandleWidth(1);
    splitter_->setStyleSheet(QStringLiteral("QSplitter::handle { background: palette(mid); }"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setMovable(false);

    GameController* controller = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    AppState* appState = environment_.appState;
    pause_ = toolbar_->addAction(QString(), this, [controller] {
        if (controller->pauseReasons().contains(PauseReason::user)) {
            controller->resume(PauseReason::user);
        } else {
            controller->pause(PauseReason::user);
        }
    });
    back_ = toolbar_->addAction(QString(), this, [surfaces] { surfaces->collapseToPopover(); });
    settings_ = toolbar_->addAction(QString(), this, [this, surfaces] {
        MenuBarHost* host = environment_.host;
        surfaces->openSettings(TableSurface::window, [host] {
            if (host) {
                host->showSettings();
            }
        });
    });
    leave_ = toolbar_->addAction(QString(), this, [surfaces] { surfaces->requestLeave(); });
    toolbar_->addSeparator();
    sound_ =
        toolbar_->addAction(QString(), this, [appState] { appState->setSoundsOn(!appState->soundsOn()); });
    guide_ = toolbar_->addAction(QString(), this, [this] {
        if (showsSidebar_ && sidebarContent_ == SidebarContent::guide) {
            setSidebar(true, SidebarContent::log);
        } else {
            openGuide();
        }
    });
    sidebarToggle_ =
        toolbar_->addAction(QString(), this, [this] { setSidebar(!showsSidebar_, sidebarContent_); });

    if (controller) {
        connect(controller, &GameController::stateChanged, this, [this] {
            if (environment_.controller->hasTable() != showsTable_) {
                showContent();
            }
        });
        connect(controller, &GameController::setupChanged, this, &WindowRoot::refreshChrome);
        connect(controller, &GameController::pauseReasonsChanged, this, &WindowRoot::refreshChrome);
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

QWidget* WindowRoot::makeSidebar() {
    auto* sidebar = new QWidget;
    sidebar->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(sidebar);
    layout->setContentsMargins(14, 10, 14, 2);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    segments_ = new QButtonGroup(sidebar);
    segments_->setExclusive(true);
    for (const auto& [title, content] : {std::pair{QStringLiteral("Log"), SidebarContent::log},
                                         {QStringLiteral("Guide"), SidebarContent::guide}}) {
        auto* segment = new QPushButton(title, sidebar);
        segment->setCheckable(true);
        segment->setAccessibleDescription(QStringLiteral("Sidebar content"));
        segments_->addButton(segment, int(content));
        row->addWidget(segment);
    }
    connect(segments_, &QButtonGroup::idClicked, this,
            [this](int id) { setSidebar(true, SidebarContent(id)); });
    layout->addLayout(row);
    sidebarPages_ = new QStackedWidget(sidebar);
    log_ = new ActionLogView(theme_->theme(), environment_.controller);
    auto* guide = new ShellPlaceholder(theme_->theme());
    guide->setText(QStringLiteral("Poker Basics"),
                   QStringLiteral("The Poker Basics guide is not built yet."));
    sidebarPages_->addWidget(log_);
    sidebarPages_->addWidget(guide);
    layout->addWidget(sidebarPages_, 1);
    return sidebar;
}

void WindowRoot::showContent() {
    showsTable_ = environment_.controller && environment_.controller->hasTable();
    QWidget* next = RootContent::make(environment_, TableSurface::window, theme_->theme());
    if (content_) {
        content_->hide();
        content_->deleteLater();
    }
    splitter_->insertWidget(0, next);
    splitter_->setStretchFactor(0, 1);
    content_ = next;
    if (!sidebar_->parent()) {
        splitter_->addWidget(sidebar_);
        splitter_->setStretchFactor(1, 0);
    }
    refreshChrome();
    applySidebarWidths();
}

void WindowRoot::refreshChrome() {
    const std::optional<GameMode> mode = modeOf(environment_.controller);
    setWindowTitle(showsTable_ ? WindowChrome::title(mode) : QStringLiteral("Chipwhistle"));
    toolbar_->setVisible(showsTable_);
    sidebar_->setVisible(showsTable_ && showsSidebar_);
    // The icons take the toolbar's text colour, so they read in a dark desktop theme too.
    const QColor ink = toolbar_->palette().color(QPalette::ButtonText);
    applyControl(back_, {"Back to Menu Bar", "arrow.down.right.and.arrow.up.left", "Back to Menu Bar"}, ink);
    applyControl(settings_, {"Settings", "gearshape", "Settings"}, ink);
    applyControl(guide_, {"Poker Basics", "questionmark.circle", "Poker Basics (?)"}, ink);
    applyControl(pause_,
                 WindowChrome::pauseControl(environment_.controller ? environment_.controller->pauseReasons()
                                                                    : PauseReasons{}),
                 ink);
    const QString leave = TopBarText::leaveTitle(mode);
    applyControl(leave_, {leave, "rectangle.portrait.and.arrow.right", leave}, ink);
    applyControl(
        sound_, WindowChrome::soundControl(!environment_.appState || environment_.appState->soundsOn()), ink);
    applyControl(sidebarToggle_, WindowChrome::sidebarControl(showsSidebar_), ink);
    // A button keeps the width of its first title unless told that its title changed.
    for (QAction* action : {pause_, leave_, sound_, sidebarToggle_}) {
        if (QWidget* button = toolbar_->widgetForAction(action)) {
            button->updateGeometry();
        }
    }
    segments_->button(int(sidebarContent_))->setChecked(true);
    sidebarPages_->setCurrentIndex(int(sidebarContent_));
}

void WindowRoot::setSidebar(bool shown, SidebarContent content) {
    showsSidebar_ = shown;
    sidebarContent_ = content;
    refreshChrome();
    applySidebarWidths();
}

void WindowRoot::openGuide() {
    setSidebar(true, SidebarContent::guide);
}

void WindowRoot::applySidebarWidths(bool startAtIdeal) {
    if (!showsTable_ || !showsSidebar_) {
        return;
    }
    const auto widths = WindowChrome::sidebarWidths(QSizeF(size()), theme_->theme().style);
    sidebar_->setMaximumWidth(int(widths.max));
    if (startAtIdeal) {
        // The splitter lays a newly shown sidebar out after this event; size it once it has.
        QTimer::singleShot(0, this, [this, ideal = int(widths.ideal)] {
            splitter_->setSizes({splitter_->width() - ideal, ideal});
        });
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
}

void WindowRoot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The player's drag of the sidebar stays; only its limit follows the window.
    applySidebarWidths(false);
}
