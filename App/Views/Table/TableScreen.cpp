#include "Views/Table/TableScreen.h"

#include "AppState.h"
#include "Game/TableText.h"
#include "GameController.h"
#include "Learn/HandTag.h"
#include "Learn/ShowdownWhy.h"
#include "Scheduler.h"
#include "Sound/Playback/SoundPlayer.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "SurfaceCoordinator.h"
#include "System/PacedSignals.h"
#include "Table/RaiseTarget.h"
#include "Table/Screen/SeatClearance.h"
#include "Table/Screen/TableOverModel.h"
#include "Table/SeatModel.h"
#include "Table/TablePresenter.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Support/Announcer.h"
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

#include <QApplication>
#include <QPainter>
#include <QPointer>

using PokerEngine::HandEvent;
using PokerEngine::PlayerView;
using PokerEngine::Street;

namespace {

constexpr int bottomHeight = 124;
constexpr int popoverBar = 40;

TableStyleID drawnStyle(const AppState* appState) {
    if (!appState) {
        return TableStyleID::satin;
    }
    const TableStyleID stored = appState->profile().settings.style;
    return isOffered(stored) ? stored : TableStyleID::satin;
}

std::optional<QString> lastActionLine(const PlayerView& view, const TableText& text) {
    const auto told = StageLayout::toldEvent(view);
    return told ? text.sentence(view.log[*told]) : std::nullopt;
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
        services_.scheduler = environment_.scheduler;
    }
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
    presenter_->setCardSettle([this] {
        return TablePresenter::CardSettle{StageMotion::deal(theme_).duration(),
                                          StageMotion::boardSeen(theme_)};
    });

    // It holds the keys of the game, so a reader meets it: as the table's section, not a layout filler.
    // Not as a panel: a reader reads out every line inside a panel that takes the keys, and the keys come
    // back to the table after every amount typed and every question answered.
    StyleAccessibility::setRole(this, QAccessible::Section);
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
          &TablePresenter::cardsComingChanged}) {
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
        // Settings is time away from the table, and closing it comes back to the table. A window that
        // still has the keys hears its turn at once; one the keys are still to come back to hears it
        // as they do (see event()), after the reader has read where they landed: told as Settings
        // went, the turn came before the window and its focus, which the reader then read over it.
        connect(environment_.surfaces, &SurfaceCoordinator::isSettingsOpenChanged, this, [this] {
            if (environment_.surfaces->isSettingsOpen()) {
                speaker_.away();
            } else if (isActiveWindow()) {
                speaker_.back();
                speakTurn();
            }
        });
    }

    focusFrame_ = new FocusFrame(theme_, this);
    windowKeys_ = new UnclaimedWindowKeys(*this, [this](const QKeyEvent& key) {
        return handle(TableKeyPress{key.text(), key.key(), key.modifiers(), key.isAutoRepeat(), true});
    });

    target_->setFocus(TableFocus::table);
    // The look first: taking in the view draws the rows, and a row made without it (the pause message
    // of a table paused before this screen opened) keeps the colours of no style.
    updateTheme();
    generation_ = game->tableGeneration();
    presenter_->ingest(game->view(), static_cast<std::int64_t>(game->tableGeneration()));
    if (const auto view = game->view()) {
        leaving_ = leavingNow(*view);
    }
    resetRaise();
    refresh();
}

TableScreen::~TableScreen() {
    appearing_.cancel();
    comingBack_.cancel();
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
    if (guidePanel_) {
        guidePanel_->setTheme(theme_, guideLook());
    }
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

void TableScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    windowKeys_->follow();
    appearing_.cancel();
    // In a window still to get the keys (the table moved to the other surface), the turn waits for
    // them: told first, it would be cut off by the reader as the focus comes in.
    if (isActiveWindow()) {
        speaker_.back();
    } else {
        speaker_.away();
    }
    const bool cameUp = !event->spontaneous();
    if (cameUp) {
        readAsItStands();
        // A table stopped as it shows may be stopped only for its window being away, which lifts once the
        // window is up: what it shows is taken in then.
        if (TableScreenRules::isPaused(environment_.controller->pauseReasons())) {
            appearing_ = services_.scheduler->post([this] { appear(); });
        } else {
            appear();
        }
    }
    takeKeys();
    if (cameUp) {
        speakOnceRead();
    }
}

void TableScreen::readAsItStands() {
    // The table about to take the keys is read as it stands, the player's cards among it.
    const auto& shown = presenter_->shown();
    if (shown && row_ != BottomRow::tableOver && row_ != BottomRow::leaveConfirmation &&
        row_ != BottomRow::practiceCaption) {
        speaker_.arrived(environment_.controller->tableGeneration(), *shown, presenter_->cardsComing());
        describe();
    }
}

void TableScreen::speakOnceRead() {
    // Said once the reader has been told what the table's coming changed, the focus among it: said at
    // once, it came ahead of the table the reader then read, and a reader flooded by those changes drops
    // what is not about the focus. Only the latest coming counts: an earlier one's wait ending would
    // speak over the table still being read.
    const int reading = ++readings_;
    PacedSignals::afterWaiting(this, [this, reading] {
        if (reading == readings_) {
            speaker_.read();
            speakTurn();
        }
    });
}

void TableScreen::hideEvent(QHideEvent* event) {
    if (guideOpen_) {
        showGuide(false);
    }
    // Shown again, an open turn is told again.
    speaker_.away();
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
    // The keys are elsewhere (on the panel that ended the last game): a new game brings them to the
    // table, where the reader reads it.
    const bool keysComing = QApplication::focusWidget() != this;
    if (next && game->tableGeneration() != generation_) {
        // A new table (a Quick Hand after the practice hand) is told from its first event, though its
        // hand number may be the one the reader last heard of.
        speaker_.newTable();
    }
    // The presenter tells of its new view, timeline, flights and exits one after another; drawn after
    // each, the table would pass through mixes of old and new, each told to the reader. It is drawn once,
    // when all of them are in.
    ingesting_ = true;
    presenter_->ingest(next, static_cast<std::int64_t>(game->tableGeneration()));
    ingesting_ = false;
    if (next) {
        tell(*next);
        leaving_ = leavingNow(*next);
    } else {
        tellLeaving();
    }
    refresh();
    if (next && game->tableGeneration() != generation_) {
        generation_ = game->tableGeneration();
        // A new game is played from the table, wherever the press that started it was made.
        if (keysComing) {
            readAsItStands();
        }
        takeKeys();
        if (keysComing) {
            speakOnceRead();
        }
    }
}

void TableScreen::joinTableUnderWay() {
    if (const auto now = environment_.controller->view()) {
        speaker_.joined(environment_.controller->tableGeneration(), *now);
    }
}

void TableScreen::tell(const PlayerView& to) {
    if (appearing_.isPending()) {
        return;
    }
    // A hidden screen says nothing (another surface may be speaking the same game); shown again, it
    // tells the table as it then stands.
    speaker_.viewChanged(environment_.controller->tableGeneration(), to, heard(), tableText(), learning());
}

void TableScreen::appear() {
    const auto now = environment_.controller->view();
    if (!now) {
        return;
    }
    speaker_.viewChanged(environment_.controller->tableGeneration(), *now, heard(), tableText(), learning());
    speakTurn();
}

bool TableScreen::heard() const {
    return !guideOpen_ && isVisible() && !appearing_.isPending();
}

void TableScreen::speakTurn() {
    GameController* game = environment_.controller;
    const auto& shown = presenter_->shown();
    const auto current = game->view();
    const auto& setup = game->setup();
    TableSpeaker::Moment moment;
    moment.table = game->tableGeneration();
    moment.current = current ? &*current : nullptr;
    moment.shown = shown ? &*shown : nullptr;
    moment.cardsComing = presenter_->cardsComing();
    moment.heard = heard();
    moment.turnOpen = turnOpen_;
    moment.learning = learning();
    moment.namingKeys = setup && setup->mode() == GameMode::practice;
    moment.resultWaits = row_ == BottomRow::showdownBanner && game->isShowingResult() && !game->autoDeal();
    moment.over = game->tableOver().has_value();
    const bool captionWaited = speaker_.captionWaits();
    const QString said = speaker_.speak(moment);
    if (captionWaited && !speaker_.captionWaits()) {
        tellCaption(said);
    } else if (!said.isEmpty()) {
        announcer_->announce(said);
    }
    // The player's cards join the table's own words once they have been heard.
    describe();
}

std::optional<TableOverModel::Leaving> TableScreen::leavingNow(const PlayerView& view) const {
    GameController* game = environment_.controller;
    if (!game->setup() || game->tableOver() || !view.seatIndex) {
        return std::nullopt;
    }
    for (const auto& seat : view.seats) {
        if (seat.index == *view.seatIndex) {
            return TableOverModel::leaving(*game->setup(), seat.stack, game->leaveForfeit());
        }
    }
    return std::nullopt;
}

void TableScreen::tellLeaving() {
    const auto leaving = std::exchange(leaving_, std::nullopt);
    if (!leaving || environment_.controller->hasTable() || !environment_.appState) {
        return;
    }
    // Told as the table ends, not as its screen is put away: Settings opened over the popover have put
    // it away already, and the window may never have shown the table. Every screen of the game sees
    // the end; the first to claim it speaks.
    if (environment_.surfaces && !environment_.surfaces->claimLeaveNotice(generation_)) {
        return;
    }
    announcer_->announce(TableOverModel::leftTable(*leaving, environment_.appState->profile().bankroll));
}

TableText TableScreen::tableText() const {
    return TableText{[this](std::int64_t seat) { return environment_.controller->nameOfSeat(seat); }};
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
    refreshBottom();
    refreshStage();
    if (topBar_ && shown) {
        topBar_->refresh(*shown);
    }
    showContent();
    if (guidePanel_) {
        const auto view = environment_.controller->view();
        guidePanel_->setPlayerHand(TableScreenRules::heroHand(view),
                                   TableScreenRules::guideHeldRank(learning(), view));
    }
    speakTurn();
    update();
}

void TableScreen::describe() {
    const auto& shown = presenter_->shown();
    StyleAccessibility::setAskedDescription(
        this, shown ? speaker_.standing(environment_.controller->tableGeneration(), *shown, learning())
                    : QString());
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
                                    !turnOpen_};
    inputs.lastAction = lastActionLine(*shown, TableText{name});
    inputs.paused = TableScreenRules::isPaused(game->pauseReasons());
    inputs.cashTable = true;
    if (learning()) {
        inputs.handTag = HandTag::make(*shown);
        inputs.litCards = ShowdownWhy::winningFive(*shown);
    }
    stage_->show(std::move(inputs));
}

void TableScreen::resetRaise() {
    target_->setChosenPreset(std::nullopt);
    const auto& shown = presenter_->shown();
    const auto view = shown ? shown : environment_.controller->view();
    if (view && view->legalActions && view->legalActions->minRaiseTo) {
        target_->setRaiseTo(*view->legalActions->minRaiseTo);
    }
}
