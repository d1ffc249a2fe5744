#include "Views/Table/TableScreen.h"

#include "AppState.h"
#include "Game/TableText.h"
#include "GameController.h"
#include "Learn/HandTag.h"
#include "Learn/ShowdownWhy.h"
#include "Scheduler.h"
#include "Sound/Playback/SoundPlayer.h"
#include "Style/Drawing/FadeScaleEffect.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "SurfaceCoordinator.h"
#include "Table/LogDiff.h"
#include "Table/RaiseTarget.h"
#include "Table/Screen/PlayerPause.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/ShowdownText.h"
#include "Table/Screen/StageLayout.h"
#include "Table/Screen/TableOverModel.h"
#include "Table/SeatModel.h"
#include "Table/TablePresenter.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/FocusReturn.h"
#include "Views/Support/LeavingPicture.h"
#include "Views/Table/ActionBar.h"
#include "Views/Table/ActionMessage.h"
#include "Views/Table/FeltLabels.h"
#include "Views/Table/FocusFrame.h"
#include "Views/Table/ShowdownBannerView.h"
#include "Views/Table/StageView.h"
#include "Views/Table/StatusLine.h"
#include "Views/Table/TopBarView.h"
#include "Views/Table/UnclaimedWindowKeys.h"

#include "PokerEngine/EngineError.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>

#include <cmath>

using PokerEngine::HandEvent;
using PokerEngine::PlayerView;
using PokerEngine::Street;

namespace {

constexpr int bottomHeight = 124;
// Room round the row under the table for what its controls draw beyond their faces.
constexpr int rowRoom = 8;
constexpr int popoverBar = 40;

TableStyleID drawnStyle(const AppState* appState) {
    if (!appState) {
        return TableStyleID::satin;
    }
    const TableStyleID stored = appState->profile().settings.style;
    return isOffered(stored) ? stored : TableStyleID::satin;
}

std::optional<QString> lastActionLine(const PlayerView& view, const TableText& text) {
    if (view.street == Street::handComplete) {
        return std::nullopt;
    }
    for (auto event = view.log.rbegin(); event != view.log.rend(); ++event) {
        if (event->is<HandEvent::BlindPosted>() || event->is<HandEvent::BoardDealt>() ||
            event->is<HandEvent::Acted>() || event->is<HandEvent::PotAwarded>()) {
            return text.sentence(*event);
        }
    }
    return std::nullopt;
}

} // namespace

TableScreen::TableScreen(const AppEnvironment& environment, TableSurface surface,
                         std::function<void()> openGuide, QWidget* parent)
    : TableScreen(environment, surface, std::move(openGuide), Services{}, parent) {}

TableScreen::TableScreen(const AppEnvironment& environment, TableSurface surface,
                         std::function<void()> openGuide, Services services, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , surface_(surface)
    , openGuide_(std::move(openGuide))
    , services_(std::move(services)) {
    if (!services_.scheduler) {
        ownScheduler_ = std::make_unique<QTimerScheduler>();
        services_.scheduler = ownScheduler_.get();
    }
    if (!services_.sounds) {
        services_.sounds = &SoundPlayer::shared();
    }
    if (!services_.announcer) {
        services_.announcer = environment_.announcer;
    }
    if (!services_.announcer) {
        ownAnnouncer_ = std::make_unique<Announcer>();
        services_.announcer = ownAnnouncer_.get();
    }
    if (!services_.now) {
        services_.now = [] { return std::chrono::system_clock::now(); };
    }
    announcer_ = services_.announcer;
    presenter_ = std::make_unique<TablePresenter>(*services_.scheduler, *services_.sounds);
    QPointer<AppState> appState(environment_.appState);
    QPointer<GameController> controller(environment_.controller);
    presenter_->setSoundsAllowed([appState, controller] {
        return appState && controller && appState->profile().settings.soundsOn &&
               !TableScreenRules::isPaused(controller->pauseReasons());
    });
    presenter_->setStyle([appState] { return drawnStyle(appState.data()); });
    presenter_->setDealSettle([this] { return StageMotion::deal(theme_).duration(); });

    // It holds the keys of the game, so a reader meets it: as the table's panel, not a layout filler.
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    setFocusPolicy(Qt::StrongFocus);
    StyleAccessibility::setName(this, QStringLiteral("Table"));
    if (surface_ == TableSurface::popover) {
        topBar_ = new TopBarView(
            environment_, surface_, [this] { showGuide(true); }, this);
    }
    stage_ = new StageView(this);
    target_ = std::make_unique<RaiseTarget>();
    bottom_ = new QWidget(this);
    const TableTheme initial = TableTheme::standard();
    banner_ = new ShowdownBannerView(initial, *environment_.controller, services_.now, bottom_);
    line_ = new StatusLine(initial, QStringLiteral(" "), bottom_);
    actionBar_ = new ActionBar(initial, environment_.controller, *target_, bottom_);
    actionBar_->setAnnouncer(announcer_);
    connect(&clock_, &AnimationClock::ticked, this, &TableScreen::tick);
    connect(target_.get(), &RaiseTarget::focusChanged, this, [this] {
        // Leaving the amount field by Return or Escape hands the keys back to the table; Tab or a
        // click has given them to another control already, and they stay there.
        if (target_->focus() != TableFocus::raiseField && !QApplication::focusWidget()) {
            setFocus();
        }
    });

    GameController* game = environment_.controller;
    connect(game, &GameController::stateChanged, this, &TableScreen::viewChanged);
    for (auto signal : {&GameController::pauseReasonsChanged, &GameController::isShowingResultChanged,
                        &GameController::tableOverChanged, &GameController::practiceChanged,
                        &GameController::thinkingSeatChanged, &GameController::autoDealAtChanged,
                        &GameController::isResultHeldChanged, &GameController::setupChanged}) {
        connect(game, signal, this, &TableScreen::refresh);
    }
    // First, so the rows that follow a new batch count its timeline from now.
    connect(presenter_.get(), &TablePresenter::cuesChanged, this, [this] { cuesAt_ = clock_.now(); });
    for (auto signal :
         {&TablePresenter::shownChanged, &TablePresenter::cuesChanged, &TablePresenter::betExitsChanged,
          &TablePresenter::knocksChanged, &TablePresenter::flightsChanged, &TablePresenter::holdsDealChanged,
          &TablePresenter::dealingToPlayerChanged}) {
        connect(presenter_.get(), signal, this, &TableScreen::refresh);
    }
    if (environment_.appState) {
        connect(environment_.appState, &AppState::profileChanged, this, [this] {
            updateTheme();
            refresh();
        });
    }
    if (environment_.surfaces) {
        connect(environment_.surfaces, &SurfaceCoordinator::isConfirmingLeaveChanged, this,
                &TableScreen::refresh);
    }

    focusFrame_ = new FocusFrame(theme_, this);
    windowKeys_ = new UnclaimedWindowKeys(*this, [this](const QKeyEvent& key) {
        return handle(TableKeyPress{key.text(), key.key(), key.modifiers(), key.isAutoRepeat(), true});
    });

    target_->setFocus(TableFocus::table);
    // The look first: taking in the view draws the rows, and a row made without it (the pause message
    // of a table paused before this screen opened) keeps the colours of no style.
    updateTheme();
    lastView_ = game->view();
    generation_ = game->tableGeneration();
    presenter_->ingest(lastView_, static_cast<std::int64_t>(game->tableGeneration()));
    resetRaise();
    refresh();
}

TableScreen::~TableScreen() {
    // A screen gone with its guide open takes the guide's pause with it.
    if (guideOpen_) {
        environment_.controller->resume(PauseReason::guide);
    }
    // Children that read the presenter go before it, and the action bar before the raise target it
    // writes: an amount field that held the keys writes to it as it lets them go.
    delete stage_;
    stage_ = nullptr;
    delete bottom_;
    bottom_ = nullptr;
}

void TableScreen::setAppearance(AppearanceFlags appearance) {
    appearance_ = appearance;
    updateTheme();
    refresh();
}

void TableScreen::setPreviewStyle(std::optional<TableStyleID> style) {
    previewStyle_ = style;
    updateTheme();
    refresh();
}

bool TableScreen::learning() const {
    const auto& setup = environment_.controller->setup();
    return TableScreenRules::isLearning(environment_.appState &&
                                            environment_.appState->profile().settings.learningMode,
                                        setup ? std::optional(setup->mode()) : std::nullopt);
}

AvatarModel TableScreen::avatarOf(std::int64_t seat) const {
    const auto profile = environment_.controller->profileOfSeat(seat);
    if (!profile) {
        return AvatarModel::hero();
    }
    AvatarModel avatar;
    avatar.initial = profile->name.empty() ? std::string() : profile->name.substr(0, 1);
    avatar.backdrop = CharacterBackdrop::color(profile->avatar, RGB::bytes(142, 142, 147));
    if (!profile->avatar.empty()) {
        avatar.slug = profile->avatar;
    }
    return avatar;
}

std::map<std::int64_t, std::vector<PokerEngine::Card>>
TableScreen::unshownCards(const PlayerView& view) const {
    const auto record = environment_.controller->unshownCards();
    return TableScreenRules::explainedUnshownCards(learning(), view,
                                                   record ? std::optional(record->hand) : std::nullopt,
                                                   record ? record->cards : decltype(record->cards){});
}

void TableScreen::updateTheme() {
    const TableStyleID style = previewStyle_.value_or(drawnStyle(environment_.appState));
    const double unit = surface_ == TableSurface::popover ? 2 : 3;
    const bool fourColors = environment_.appState && environment_.appState->profile().settings.fourColorDeck;
    theme_ = previewStyle_ ? TableTheme::drawnIn(style, surface_, unit, appearance_, fourColors)
                           : TableTheme::make(style, surface_, unit, appearance_, fourColors);
    focusFrame_->setTheme(theme_);
    if (surface_ == TableSurface::popover) {
        geometry_ = SeatClearance::popoverGeometry(style);
    } else {
        const double stageHeight = std::max(height() - bottomHeight - 12.0, 300.0);
        geometry_ = SeatClearance::windowGeometry(QSizeF(std::max(width(), 1), stageHeight), style);
    }
    theme_.pixelUnit = geometry_.pixelUnit;
    if (topBar_) {
        topBar_->setTheme(theme_);
    }
    banner_->setTheme(theme_);
    line_->setTheme(theme_);
    actionBar_->setTheme(theme_);
    if (message_) {
        message_->setTheme(theme_);
    }
    if (caption_) {
        caption_->setTheme(theme_);
    }
    layoutRows();
    update();
}

void TableScreen::layoutRows() {
    int y = 0;
    if (topBar_) {
        topBar_->setGeometry(0, 0, width(), popoverBar);
        y = popoverBar;
    }
    const QSize stage = geometry_.stage.toSize();
    stage_->setGeometry((width() - stage.width()) / 2, y, stage.width(), stage.height());
    y += stage.height();
    const int padding = surface_ == TableSurface::popover ? 16 : 24;
    const int bottomWidth =
        surface_ == TableSurface::popover ? width() - 2 * padding : std::min(560, width() - 2 * padding);
    // The area reaches a little past its row, so the row's shadows and focus rings are not cut off.
    bottom_->setGeometry(QRect((width() - bottomWidth) / 2, y, bottomWidth, bottomHeight)
                             .adjusted(-rowRoom, -rowRoom, rowRoom, rowRoom));
    for (QWidget* row :
         {static_cast<QWidget*>(message_), static_cast<QWidget*>(banner_), static_cast<QWidget*>(line_),
          static_cast<QWidget*>(caption_), static_cast<QWidget*>(ghost_)}) {
        if (row) {
            row->setGeometry(rowRect());
        }
    }
    // The bar's buttons stand on the row's bottom edge; their shadows reach into the area's margin.
    actionBar_->setReach(rowRoom);
    actionBar_->setGeometry(bottom_->rect());
    placeGuide();
    banner_->refresh();
}

void TableScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateTheme();
    refreshStage();
    if (focusFrame_->isVisible()) {
        focusFrame_->ring(rect());
    }
}

void TableScreen::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // A player going round the window with Tab sees the table take the keys; a click, or the table
    // taking them back from its own rows, rings nothing.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        focusFrame_->ring(rect());
    }
}

void TableScreen::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusFrame_->hide();
}

void TableScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    windowKeys_->follow();
    takeKeys();
}

void TableScreen::takeKeys() {
    target_->setFocus(TableFocus::table);
    if (row_ == BottomRow::tableOver && message_) {
        // Its primary button, with its ring showing; the reader names it as it takes them.
        message_->primaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::leaveConfirmation && message_ && message_->secondaryButton()) {
        // The safe answer, ringed, as the lobby's and Settings' questions give it.
        message_->secondaryButton()->setFocus(Qt::TabFocusReason);
    } else if (row_ == BottomRow::practiceCaption && caption_) {
        caption_->setFocus(Qt::OtherFocusReason);
    } else {
        setFocus();
    }
}

QWidget* TableScreen::focusFrame() const {
    return focusFrame_;
}

TableFocus TableScreen::focus() const {
    return target_->focus().value_or(TableFocus::table);
}

void TableScreen::putMessage(const QString& title, const std::optional<QString>& detail,
                             const QString& button, ControlKind kind,
                             std::optional<std::pair<QString, std::function<void()>>> secondary,
                             std::function<void()> action) {
    // A message is made anew only when its words change, so it is announced once.
    const QString words = title + QLatin1Char('\n') + detail.value_or(QString()) + QLatin1Char('\n') + button;
    if (message_ && message_->property("words").toString() == words) {
        message_->show();
        return;
    }
    if (message_) {
        hideRow(message_);
        message_->deleteLater();
    }
    message_ = new ActionMessage(theme_, title, detail, button, kind, std::move(secondary), std::move(action),
                                 announcer_, bottom_);
    message_->setProperty("words", words);
    messageTitle_ = title;
    message_->setGeometry(rowRect());
    message_->show();
}

void TableScreen::hideEvent(QHideEvent* event) {
    if (guideOpen_) {
        showGuide(false);
    }
    QWidget::hideEvent(event);
}

void TableScreen::paintEvent(QPaintEvent*) {
    if (!presenter_->shown()) {
        return;
    }
    QPainter painter(this);
    PageBackground::paint(painter, rect(), theme_);
}

void TableScreen::viewChanged() {
    GameController* game = environment_.controller;
    const auto next = game->view();
    // The presenter tells of its new view, timeline, flights and exits one after another; drawn after
    // each, the table would pass through mixes of old and new, each told to the reader. It is drawn once,
    // when all of them are in.
    ingesting_ = true;
    presenter_->ingest(next, static_cast<std::int64_t>(game->tableGeneration()));
    ingesting_ = false;
    if (next) {
        announce(lastView_, *next);
    }
    lastView_ = next;
    refresh();
    if (next && game->tableGeneration() != generation_) {
        generation_ = game->tableGeneration();
        // A new game is played from the table, wherever the press that started it was made.
        takeKeys();
    }
}

void TableScreen::announce(const std::optional<PlayerView>& from, const PlayerView& to) {
    if (guideOpen_) {
        return;
    }
    const bool turnBegins = to.legalActions && (!from || !from->legalActions);
    const TableText text{[this](std::int64_t seat) { return environment_.controller->nameOfSeat(seat); }};
    const QStringList lines = TableAnnouncer::lines(LogDiff::newEvents(from, to), to.seatIndex,
                                                    turnBegins ? to.legalActions : std::nullopt, text);
    announcer_->announce(lines.join(QLatin1Char(' ')));
}

void TableScreen::refresh() {
    if (ingesting_) {
        return;
    }
    const auto& shown = presenter_->shown();
    const std::optional<PokerEngine::LegalActions> legal = shown ? shown->legalActions : std::nullopt;
    if (legal != shownLegal_) {
        shownLegal_ = legal;
        resetRaise();
    }
    refreshStage();
    refreshBottom();
    if (topBar_ && shown) {
        topBar_->refresh(*shown);
    }
    showContent();
    if (guidePanel_) {
        const auto view = environment_.controller->view();
        guidePanel_->setPlayerHand(TableScreenRules::heroHand(view),
                                   TableScreenRules::guideHeldRank(learning(), view));
    }
    update();
}

void TableScreen::refreshStage() {
    const auto& shown = presenter_->shown();
    if (!shown || !stage_) {
        return;
    }
    GameController* game = environment_.controller;
    const auto name = [game](std::int64_t seat) { return game->nameOfSeat(seat); };
    StageView::Inputs inputs;
    inputs.view = *shown;
    inputs.seats = SeatModel::seats(
        *shown, name, [this](std::int64_t seat) { return avatarOf(seat); }, unshownCards(*shown));
    inputs.geometry = geometry_;
    inputs.theme = theme_;
    // A low window table is drawn at the popover's sizes, its words and tags too.
    inputs.theme.surface = geometry_.metrics.surface;
    inputs.timeline = StageTimeline{{presenter_->cues().begin(), presenter_->cues().end()},
                                    presenter_->betExits(),
                                    presenter_->knocks(),
                                    presenter_->flights(),
                                    presenter_->holdsDeal(),
                                    presenter_->dealingToPlayer()};
    inputs.lastAction = lastActionLine(*shown, TableText{name});
    inputs.paused = TableScreenRules::isPaused(game->pauseReasons());
    inputs.cashTable = true;
    if (learning()) {
        inputs.handTag = HandTag::make(*shown);
        inputs.litCards = ShowdownWhy::winningFive(*shown);
    }
    stage_->show(std::move(inputs));
}

void TableScreen::refreshBottom() {
    const auto& shown = presenter_->shown();
    if (!shown) {
        return;
    }
    GameController* game = environment_.controller;
    SurfaceCoordinator* surfaces = environment_.surfaces;
    std::optional<PracticeCaption> caption;
    if (game->practice()) {
        caption = game->practice()->caption(*shown);
    }
    BottomRowInputs inputs;
    inputs.confirmingLeave = surfaces && surfaces->isConfirmingLeave();
    inputs.tableOver = game->tableOver().has_value();
    inputs.showingResult = game->isShowingResult();
    inputs.practiceCaption = caption.has_value();
    inputs.pauseReasons = game->pauseReasons();
    inputs.shownStreet = shown->street;
    inputs.shownHasLegalActions = shown->legalActions.has_value();
    inputs.dealingToPlayer = presenter_->dealingToPlayer();
    const BottomRow previous = row_;
    const ActionMessage* previousMessage = message_;
    QWidget* leaving = rowWidget(previous);
    row_ = TableScreenRules::bottomRow(inputs);
    // Shown within the screen, whether or not the screen's window is up yet.
    const bool handsOver = row_ != previous && leaving && leaving->isVisibleTo(this);
    if (handsOver) {
        moveRows(previous, leaving);
    }

    for (QWidget* row :
         {static_cast<QWidget*>(message_), static_cast<QWidget*>(banner_), static_cast<QWidget*>(line_),
          static_cast<QWidget*>(actionBar_), static_cast<QWidget*>(caption_)}) {
        if (row && row != rowWidget(row_)) {
            hideRow(row);
        }
    }
    const std::optional<GameMode> mode =
        game->setup() ? std::optional<GameMode>(game->setup()->mode()) : std::nullopt;
    switch (row_) {
    case BottomRow::leaveConfirmation: {
        const auto confirm = TableScreenRules::leaveConfirmation(mode, game->leaveForfeit());
        putMessage(confirm.title, confirm.detail, confirm.button, ControlKind::danger(),
                   std::make_pair(QStringLiteral("Keep Playing"), std::function<void()>([this] {
                                      environment_.surfaces->setConfirmingLeave(false);
                                  })),
                   [this] {
                       environment_.surfaces->setConfirmingLeave(false);
                       environment_.controller->leaveTable();
                   });
        break;
    }
    case BottomRow::practiceCaption:
        showPracticeCaption(*caption);
        break;
    case BottomRow::tableOver: {
        AppState* appState = environment_.appState;
        TableOverModel::Inputs in{*game->tableOver(),
                                  game->setup(),
                                  appState ? appState->choices() : NewGameChoices{},
                                  appState ? appState->profile().bankroll : 0,
                                  appState ? appState->spendable() : 0,
                                  appState && appState->savedGame().has_value(),
                                  QRandomGenerator::system()->generate64()};
        const TableOverModel panel = TableOverModel::make(in);
        const auto press = [this, panel](TableOverModel::Action action) {
            return std::function<void()>([this, panel, action] {
                if (action == TableOverModel::Action::home || action == TableOverModel::Action::leaveTable) {
                    environment_.controller->leaveTable();
                    return;
                }
                // The chips are checked again at the press: they may have gone since the panel showed.
                const std::int64_t spendable = environment_.appState ? environment_.appState->spendable() : 0;
                if (!panel.offer || spendable < panel.offerCost) {
                    refusal_ = TableOverModel::refusal(panel.offerCost, spendable);
                    refreshBottom();
                    return;
                }
                refusal_.reset();
                environment_.controller->start(*panel.offer);
            });
        };
        std::optional<std::pair<QString, std::function<void()>>> secondary;
        if (panel.secondary) {
            secondary = std::make_pair(panel.secondary->title, press(panel.secondary->action));
        }
        putMessage(panel.title, refusal_.value_or(panel.detail), panel.primary.title, ControlKind::confirm(),
                   secondary, press(panel.primary.action));
        break;
    }
    case BottomRow::paused:
        putMessage(QStringLiteral("Paused"), QStringLiteral("Press P or click Resume"),
                   QStringLiteral("Resume"), ControlKind::confirm(), std::nullopt,
                   [this] { PlayerPause::toggle(*environment_.controller); });
        break;
    case BottomRow::showdownBanner: {
        const auto name = [game](std::int64_t seat) { return game->nameOfSeat(seat); };
        auto rows = ShowdownRow::rows(shown->log, name);
        std::optional<QString> why;
        if (learning() && rows.size() == 1) {
            why = ShowdownWhy::line(shown->log, shown->seatIndex, name, shown->board, unshownCards(*shown));
        }
        banner_->setResult(std::move(rows), why, [this](std::int64_t seat) { return avatarOf(seat); });
        banner_->show();
        banner_->refresh();
        break;
    }
    case BottomRow::waitingLine: {
        std::optional<QString> thinking;
        if (game->thinkingSeat()) {
            thinking = game->nameOfSeat(*game->thinkingSeat());
        }
        std::optional<QString> acting;
        if (const auto seat = TableScreenRules::awaitedSeat(*shown)) {
            acting = game->nameOfSeat(*seat);
        }
        line_->setText(TableScreenRules::waitingLine(thinking, acting));
        line_->show();
        break;
    }
    case BottomRow::actionBar:
        actionBar_->setView(*shown);
        actionBar_->show();
        break;
    }
    if (row_ != BottomRow::tableOver) {
        refusal_.reset();
    }
    if (row_ != previous && row_ == BottomRow::actionBar) {
        controlsShownAt_ = clock_.now();
    }
    if (TableScreenRules::takesKeys(row_) && (row_ != previous || message_ != previousMessage)) {
        takeKeys();
    }
    if (row_ != previous) {
        arrive(row_, handsOver ? std::optional(previous) : std::nullopt);
    }
}

void TableScreen::arrive(BottomRow row, std::optional<BottomRow> after) {
    const double timeline =
        TableScreenRules::timelineLeft(StageLayout::potLanded(presenter_->cues()), clock_.now() - cuesAt_);
    if (const auto motion = TableScreenRules::rowHandOff(after, row, theme_, timeline)) {
        QWidget* arriving = rowWidget(row);
        if (arrival_ && arrival_->widget) {
            arrival_->widget->setGraphicsEffect(nullptr);
        }
        arrival_ = Arrival{arriving, *motion, clock_.now()};
        arriving->setGraphicsEffect(new FadeScaleEffect([this] { return arrivalLook(); }, arriving));
        clock_.start();
    }
}

QRect TableScreen::rowRect() const {
    return bottom_->rect().adjusted(rowRoom, rowRoom, -rowRoom, -rowRoom);
}

QWidget* TableScreen::rowWidget(BottomRow row) const {
    switch (row) {
    case BottomRow::leaveConfirmation:
    case BottomRow::tableOver:
    case BottomRow::paused:
        return message_;
    case BottomRow::practiceCaption:
        return caption_;
    case BottomRow::showdownBanner:
        return banner_;
    case BottomRow::waitingLine:
        return line_;
    case BottomRow::actionBar:
        return actionBar_;
    }
    return nullptr;
}

void TableScreen::hideRow(QWidget* row) {
    // A row that held the keys (the narration takes them while it speaks) hands them back to the
    // table; left to itself, a window in the background would keep sending them to the hidden row. They
    // are handed over before the row goes: hiding the control that holds them makes Qt pass them on as
    // if Tab had been pressed, and the table would ring itself though no key moved them there.
    const QWidget* keys = window()->focusWidget();
    if (keys && (keys == row || row->isAncestorOf(keys))) {
        setFocus(Qt::OtherFocusReason);
    }
    row->hide();
}

void TableScreen::moveRows(BottomRow from, QWidget* leaving) {
    // A row coming in that another change replaces stops where it is.
    if (arrival_ && arrival_->widget) {
        arrival_->widget->setGraphicsEffect(nullptr);
    }
    arrival_.reset();
    delete ghost_;
    ghost_ = nullptr;
    const auto motion = TableScreenRules::rowRemoval(from);
    if (!motion) {
        return;
    }
    // What was there fades from a picture of it, so its widget is free for the next row at once.
    auto* ghost = new LeavingPicture(leaving->grab(), bottom_);
    ghost->setGeometry(leaving->geometry());
    ghostFade_ = Transition{motion->curve, clock_.now() + motion->delay, 1, 0};
    ghost->lower();
    ghost->show();
    ghost_ = ghost;
    clock_.start();
}

FadeScaleEffect::Look TableScreen::arrivalLook() const {
    if (!arrival_) {
        return {};
    }
    const auto& motion = arrival_->motion;
    const double elapsed = clock_.now() - arrival_->startedAt - motion.delay;
    const double share =
        elapsed <= 0 ? 0 : (motion.curve.isFinished(elapsed) ? 1 : motion.curve.progress(elapsed));
    return {share, motion.scaleFrom + (1 - motion.scaleFrom) * share};
}

const FadeScaleEffect* TableScreen::rowEffect() const {
    return arrival_ && arrival_->widget ? qobject_cast<FadeScaleEffect*>(arrival_->widget->graphicsEffect())
                                        : nullptr;
}

void TableScreen::showPracticeCaption(const PracticeCaption& caption) {
    if (!caption_) {
        PracticeCaptionView::Actions actions;
        actions.gotIt = [this] { environment_.controller->acknowledgePracticeStep(); };
        actions.tryAgain = [this] { environment_.controller->start(GameSetup::practice(PracticeSetup{})); };
        actions.home = [this] { environment_.controller->leaveTable(); };
        caption_ = new PracticeCaptionView(theme_, caption, std::move(actions), announcer_, bottom_);
        caption_->setGeometry(rowRect());
    } else {
        const bool replaced =
            !caption_->isHidden() && TableScreenRules::captionIdentity(caption_->caption()) !=
                                         TableScreenRules::captionIdentity(caption);
        if (replaced) {
            // The old caption fades out from its picture as the new one fades in over it.
            moveRows(BottomRow::practiceCaption, caption_);
        }
        caption_->setCaption(caption);
        if (replaced) {
            arrive(BottomRow::practiceCaption);
        }
    }
    caption_->show();
}

void TableScreen::tick() {
    const double now = clock_.now();
    bool moving = false;
    if (arrival_) {
        const auto& motion = arrival_->motion;
        QWidget* widget = arrival_->widget;
        if (!widget || motion.curve.isFinished(now - arrival_->startedAt - motion.delay)) {
            if (widget) {
                widget->setGraphicsEffect(nullptr);
            }
            arrival_.reset();
        } else {
            if (widget->graphicsEffect()) {
                widget->graphicsEffect()->update();
            }
            moving = true;
        }
    }
    if (ghost_) {
        if (ghostFade_.isFinished(now)) {
            delete ghost_;
            ghost_ = nullptr;
        } else {
            ghost_->setOpacity(now < ghostFade_.startedAt ? 1 : ghostFade_.value(now));
            moving = true;
        }
    }
    if (guidePanel_) {
        placeGuide();
        if (guide_.isFinished(now)) {
            if (!guideOpen_) {
                closedGuide();
            }
        } else {
            moving = true;
        }
    }
    if (!moving) {
        clock_.stop();
    }
}

QString TableScreen::bottomText() const {
    switch (row_) {
    case BottomRow::waitingLine:
        return line_->text();
    case BottomRow::showdownBanner:
        return banner_->accessibleName();
    case BottomRow::actionBar:
        return actionBar_->model().passiveTitle();
    default:
        return messageTitle_;
    }
}

void TableScreen::resetRaise() {
    target_->setChosenPreset(std::nullopt);
    const auto& shown = presenter_->shown();
    const auto view = shown ? shown : environment_.controller->view();
    if (view && view->legalActions && view->legalActions->minRaiseTo) {
        target_->setRaiseTo(*view->legalActions->minRaiseTo);
    }
}

void TableScreen::showGuide(bool open) {
    if (open && openGuide_) {
        openGuide_();
        return;
    }
    if (open == guideOpen_) {
        return;
    }
    GameController* game = environment_.controller;
    open ? game->pause(PauseReason::guide) : game->resume(PauseReason::guide);
    guideOpen_ = open;
    const double now = clock_.now();
    const AnimationCurve curve =
        theme_.reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::easeOut(0.24);
    guide_ = Transition{curve, now, guide_.value(now), open ? 1.0 : 0.0};
    if (open && !guidePanel_) {
        // The guide always draws in satin, whatever the table's style.
        const TableTheme satin = TableTheme::make(TableStyleID::satin, surface_, theme_.pixelUnit,
                                                  appearance_, theme_.fourColorDeck);
        PokerBasicsView::Setup setup;
        setup.art = theme_;
        setup.theme = satin;
        setup.presentation = PokerBasicsView::Presentation::panel;
        setup.currentHand = TableScreenRules::heroHand(game->view());
        setup.heldRank = TableScreenRules::guideHeldRank(learning(), game->view());
        setup.onDone = [this] { showGuide(false); };
        setup.announcer = announcer_;
        guidePanel_ = new PokerBasicsView(std::move(setup), this);
        if (theme_.reduceMotion) {
            guidePanel_->setGraphicsEffect(new FadeScaleEffect(
                [this] {
                    return FadeScaleEffect::Look{guide_.value(clock_.now()), 1};
                },
                guidePanel_));
        }
        guidePanel_->show();
    }
    guidePanel_->raise();
    placeGuide();
    for (QWidget* content : {static_cast<QWidget*>(topBar_), static_cast<QWidget*>(stage_), bottom_}) {
        if (content) {
            content->setEnabled(!open);
        }
    }
    if (open) {
        FocusReturn::enter(guidePanel_);
    } else {
        refresh();
        takeKeys();
    }
    clock_.start();
}

void TableScreen::placeGuide() {
    if (!guidePanel_) {
        return;
    }
    const double shown = guide_.value(clock_.now());
    if (auto* fade = guidePanel_->graphicsEffect()) {
        // Reduce Motion: the panel fades in place.
        fade->update();
        guidePanel_->setGeometry(rect());
    } else {
        // It rises from the bottom edge and goes back down.
        guidePanel_->setGeometry(rect().translated(0, static_cast<int>(std::round((1 - shown) * height()))));
    }
    showContent();
}

void TableScreen::showContent() {
    // Nothing before the first view; and once the guide covers the table, the table is hidden from
    // screen readers too.
    const bool covered = guideOpen_ && guide_.isFinished(clock_.now());
    const bool visible = presenter_->shown().has_value() && !covered;
    for (QWidget* content : {static_cast<QWidget*>(topBar_), static_cast<QWidget*>(stage_), bottom_}) {
        if (content && content->isHidden() == visible) {
            content->setVisible(visible);
        }
    }
}

void TableScreen::closedGuide() {
    guidePanel_->hide();
    guidePanel_->deleteLater();
    guidePanel_ = nullptr;
}

bool TableScreen::handle(const TableKeyPress& press) {
    GameController* game = environment_.controller;
    const auto view = game->view();
    TableKeyContext context;
    context.view = view ? &*view : nullptr;
    context.confirmingLeave = environment_.surfaces && environment_.surfaces->isConfirmingLeave();
    context.guideOpen = guideOpen_;
    context.focus = focus();
    if (view && game->practice()) {
        context.caption = game->practice()->caption(*view);
    }
    context.pauseReasons = game->pauseReasons();
    context.showingResult = game->isShowingResult();
    context.raiseTo = target_->raiseTo();
    context.dealingToPlayer = presenter_->dealingToPlayer();
    context.controlsSeen =
        row_ == BottomRow::actionBar && clock_.now() - controlsShownAt_ >= TableKeys::controlsSettleSeconds;
    const auto command = TableKeys::handle(press, context);
    if (!command) {
        return false;
    }
    carryOut(*command);
    return true;
}

void TableScreen::carryOut(const TableKeyCommand& command) {
    GameController* game = environment_.controller;
    std::visit(
        [&](const auto& step) {
            using Step = std::decay_t<decltype(step)>;
            if constexpr (std::is_same_v<Step, TableCommand::FocusTable>) {
                target_->setFocus(TableFocus::table);
            } else if constexpr (std::is_same_v<Step, TableCommand::FocusRaiseField>) {
                target_->setFocus(TableFocus::raiseField);
            } else if constexpr (std::is_same_v<Step, TableCommand::OpenGuide>) {
                showGuide(true);
            } else if constexpr (std::is_same_v<Step, TableCommand::PracticeAgain>) {
                game->start(GameSetup::practice(PracticeSetup{}));
            } else if constexpr (std::is_same_v<Step, TableCommand::AcknowledgePractice>) {
                game->acknowledgePracticeStep();
            } else if constexpr (std::is_same_v<Step, TableCommand::TogglePause>) {
                PlayerPause::toggle(*game);
            } else if constexpr (std::is_same_v<Step, TableCommand::DealNextHand>) {
                game->dealNextHand();
            } else if constexpr (std::is_same_v<Step, TableCommand::Act>) {
                try {
                    game->act(step.action);
                } catch (const GameControllerError&) {
                } catch (const PokerEngine::EngineError&) {
                    // A refused action leaves the table as it was; the key still counts.
                }
            } else if constexpr (std::is_same_v<Step, TableCommand::ChoosePreset>) {
                target_->choose(step.preset, step.raiseTo);
            }
        },
        command);
}

void TableScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && guideOpen_) {
        showGuide(false);
        event->accept();
        return;
    }
    if (handle(TableKeyPress{event->text(), event->key(), event->modifiers(), event->isAutoRepeat()})) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
