#include "Views/Home/HomeView.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/FocusRingStyle.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "SurfaceCoordinator.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/HomePieces.h"
#include "Views/Home/LobbyText.h"
#include "Views/Home/LobbyWidgets.h"
#include "Views/Home/NewGameSheet.h"
#include "Views/Learn/PokerBasicsCommand.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Support/FocusedButton.h"

namespace {

QFrame* divider(bool dark, QWidget* parent) {
    auto* line = new QFrame(parent);
    // A reader names it a separator and moves on, instead of meeting an unnamed frame.
    StyleAccessibility::setRole(line, QAccessible::Separator);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, toQColor((dark ? RGB::white : RGB::black).withAlpha(0.1)));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

// The footer's borderless button, ringed like every other control when it has the focus.
class FooterButton final : public QPushButton {
  public:
    FooterButton(const QString& title, const TableTheme& theme, QWidget* parent)
        : QPushButton(title, parent)
        , theme_(theme) {
        setTheme(theme);
        setFlat(true);
        setProperty(FocusRingStyle::ownRingProperty, true);
    }
    void setTheme(const TableTheme& theme) {
        theme_ = theme;
        QPalette colours = palette();
        colours.setColor(QPalette::ButtonText,
                         toQColor(LabelColors::secondary(theme.dark, theme.increaseContrast)));
        setPalette(colours);
        update();
    }
    // As wide as its title and the room its ring takes on either side, so the title ends where the
    // column's cards end and not short of them as a push button's own width would leave it.
    static constexpr int ringRoom = 8;
    QSize sizeHint() const override {
        return {fontMetrics().horizontalAdvance(text()) + 2 * ringRoom, QPushButton::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            FocusRingPainter::paintInside(painter, rect(), theme_, FocusRingPainter::Outline::rounded, 8);
        }
    }

  private:
    TableTheme theme_;
};

} // namespace

HomeView::HomeView(const AppEnvironment& environment, TableSurface surface, const TableTheme& art,
                   std::optional<QSize> column, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , surface_(surface)
    , art_(art)
    , lobby_(HomeLook::lobbyTheme(art))
    , columnSize_(column)
    , model_(std::make_unique<HomeModel>(*environment.appState, *environment.controller)) {
    column_ = new QWidget(this);
    auto* layout = new QVBoxLayout(column_);
    // The panels keep room round their cards for shadows; the column's 18 is measured to the cards.
    const QMargins room = SatinPanel::shadowMargins();
    layout->setContentsMargins(18 - room.left(), 18, 18 - room.right(), 18);
    layout->setSpacing(0);
    buildHeader(layout);
    body_ = new QVBoxLayout;
    body_->setSpacing(0);
    layout->addLayout(body_);
    // At least 8 between the last panel and the footer: the panel's shadow room gives more than that.
    layout->addStretch(1);
    buildFooter(layout);

    // Return presses the focused button, else the hero card's primary one, unless a notice or a
    // sheet is up (they take the keys).
    deal_ = new QShortcut(QKeySequence(Qt::Key_Return), this);
    deal_->setAutoRepeat(false);
    connect(deal_, &QShortcut::activated, this,
            [this] { FocusedButton::pressOr(this, hero_ ? hero_->primaryButton() : nullptr); });

    AppState& state = *environment.appState;
    connect(&state, &AppState::profileChanged, this, &HomeView::refresh);
    connect(&state, &AppState::savedGameChanged, this, &HomeView::refresh);
    connect(&state, &AppState::lastRefillAmountChanged, this, &HomeView::refresh);
    connect(model_.get(), &HomeModel::noticeChanged, this, &HomeView::showNotice);
    connect(model_.get(), &HomeModel::sheetChanged, this, &HomeView::showSheet);
    connect(model_.get(), &HomeModel::guideChanged, this, &HomeView::showGuide);
    connect(&clock_, &AnimationClock::ticked, this, &HomeView::place);
    // The window's "Poker Basics" command opens the guide over the lobby; the popover has no such command.
    // Asked again while the guide shows, it leaves the player where they are and a reader hears where
    // that is, as the press would otherwise go unanswered.
    if (surface_ == TableSurface::window)
        new PokerBasicsAction(this, [this] {
            if (guide_) {
                guide_->readTab();
                return;
            }
            model_->openGuide(GuideDestination::basics(0));
        });
    refresh();
}

HomeView::~HomeView() = default;

void HomeView::buildHeader(QVBoxLayout* column) {
    const bool dark = lobby_.dark;
    auto* header = new QHBoxLayout;
    header->setContentsMargins(SatinPanel::shadowMargins().left(), 0, SatinPanel::shadowMargins().right(), 0);
    auto* bank = new QVBoxLayout;
    bank->setSpacing(0);
    caption_ = LobbyWidgets::label(QStringLiteral("Bankroll"), 12, FontWeight::semibold,
                                   LabelColors::secondary(dark, lobby_.increaseContrast), column_);
    StyleAccessibility::setHidden(caption_);
    bank->addWidget(caption_);
    auto* amountLine = new QHBoxLayout;
    amountLine->setSpacing(6);
    amount_ = new BankrollAmount(lobby_, QString(), column_);
    amount_->setMinimumHeight(amount_->sizeHint().height());
    amountLine->addWidget(amount_, 0, Qt::AlignBottom);
    chipsWord_ = LobbyWidgets::partLabel(QStringLiteral("chips"), 14, FontWeight::medium,
                                         LabelColors::secondary(dark, lobby_.increaseContrast), column_);
    amountLine->addWidget(chipsWord_, 0, Qt::AlignBottom);
    amountLine->addStretch(1);
    // One element for screen readers: "Bankroll: 10,000 chips".
    auto* amountGroup = new QWidget(column_);
    amountGroup->setLayout(amountLine);
    amountLine->setContentsMargins(0, 0, 0, 8);
    StyleAccessibility::setRole(amountGroup, QAccessible::StaticText);
    bankrollLine_ = amountGroup;
    bank->addWidget(amountGroup);
    status_ = LobbyWidgets::label(QString(), 12, FontWeight::regular,
                                  LabelColors::secondary(dark, lobby_.increaseContrast), column_);
    bank->addWidget(status_);
    header->addLayout(bank);
    header->addStretch(1);

    auto* icons = new QHBoxLayout;
    icons->setSpacing(8);
    guideButton_ = new StyledIconButton(
        lobby_, QStringLiteral("questionmark"), {".###.", "#...#", "..##.", ".....", "..#.."},
        StyledIconButton::Tint::neutral, QStringLiteral("Poker Basics"),
        [this] { model_->openGuide(GuideDestination::basics(0)); }, column_);
    const SurfaceSwitch surfaceSwitch = HomeLook::surfaceSwitch(surface_);
    surfaceButton_ = new StyledIconButton(
        lobby_, surfaceSwitch.systemImage, surfaceSwitch.pixelIcon, StyledIconButton::Tint::teal,
        surfaceSwitch.help,
        [this] {
            if (SurfaceCoordinator* surfaces = environment_.surfaces) {
                if (surface_ == TableSurface::window)
                    surfaces->collapseToPopover();
                else
                    surfaces->expandToWindow();
            }
        },
        column_);
    settingsButton_ = new StyledIconButton(
        lobby_, QStringLiteral("gearshape.fill"), {".#.#.", "#####", ".#.#.", "#####", ".#.#."},
        StyledIconButton::Tint::tomato, QStringLiteral("Settings"),
        [this] { openSettings(environment_, surface_); }, column_);
    icons->addWidget(guideButton_);
    icons->addWidget(surfaceButton_);
    icons->addWidget(settingsButton_);
    header->addLayout(icons);
    header->setAlignment(icons, Qt::AlignTop);
    column->addLayout(header);
}

void HomeView::buildFooter(QVBoxLayout* column) {
    const bool dark = lobby_.dark;
    auto* footer = new QHBoxLayout;
    // Quit's title, not its ring's room, lines up with the cards' edge.
    footer->setContentsMargins(SatinPanel::shadowMargins().left(), 0,
                               SatinPanel::shadowMargins().right() - FooterButton::ringRoom, 0);
    footnote_ = LobbyWidgets::label(QStringLiteral("Play money only. Chips have no value."), 11.5,
                                    FontWeight::regular,
                                    LabelColors::secondary(dark, lobby_.increaseContrast), column_);
    footer->addWidget(footnote_);
    footer->addStretch(1);
    auto* quit = new FooterButton(QStringLiteral("Quit"), lobby_, column_);
    quit_ = quit;
    quit->setFont(ThemeFonts::system(11.5, FontWeight::regular));
    quit->setToolTip(QStringLiteral("Quit Chipwhistle (Ctrl+Q)"));
    quit->setCursor(Qt::PointingHandCursor);
    // Nothing to save: every change was written when it happened.
    connect(quit, &QPushButton::clicked, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    footer->addWidget(quit);
    column->addLayout(footer);
}

void HomeView::setTheme(const TableTheme& art) {
    art_ = art;
    lobby_ = HomeLook::lobbyTheme(art);
    amount_->setTheme(lobby_);
    for (QLabel* label : {caption_, chipsWord_, status_, footnote_})
        LobbyWidgets::recolor(label, LabelColors::secondary(lobby_.dark, lobby_.increaseContrast));
    for (StyledIconButton* button : {guideButton_, surfaceButton_, settingsButton_})
        button->setTheme(lobby_);
    static_cast<FooterButton*>(quit_)->setTheme(lobby_);
    rebuildBody();
    showNotice(false);
    if (sheet_)
        sheet_->setTheme(lobby_, art_);
    // The guide redraws where it stands: the player keeps their tab, page and place on it.
    if (guide_ && model_->guide())
        guide_->setTheme(art_, lobby_);
    else
        showGuide(false);
    update();
}

void HomeView::refresh() {
    const HomeScreenModel next = HomeScreenModel::make(*environment_.appState);
    const bool bodyChanged = next.heroCard != screen_.heroCard || next.rows != screen_.rows ||
                             next.offersPractice != screen_.offersPractice || next.hero != screen_.hero ||
                             !bodyContent_;
    screen_ = next;
    amount_->setAmount(screen_.bankroll);
    bankrollLine_->setAccessibleName(screen_.bankrollSpoken);
    status_->setText(screen_.status.value_or(QString()));
    status_->setVisible(screen_.status.has_value());
    if (bodyChanged)
        rebuildBody();
    if (notice_)
        showNotice(false);
}

void HomeView::rebuildBody() {
    // The suggestion closed for good fades where it stood; nothing under it moves.
    if (practice_ && !screen_.offersPractice)
        practiceLayer_.leave(practice_, motion(true), art_.reduceMotion);
    // The keys, and where each layer gives them back, go to the same controls of the new body: known
    // by what they do, since their widgets go with the old one.
    const std::optional<BodyControl> keys = bodyControl(window()->focusWidget());
    const std::array<FocusReturn*, 3> returns{&noticeReturn_, &sheetReturn_, &guideReturn_};
    std::array<std::optional<BodyControl>, 3> returnsTo;
    for (std::size_t index = 0; index < returns.size(); ++index)
        returnsTo[index] = bodyControl(returns[index]->held());
    QWidget* old = std::exchange(bodyContent_, nullptr);
    rows_.clear();
    hero_ = nullptr;
    practice_ = nullptr;
    bodyContent_ = new QWidget(column_);
    body_->addWidget(bodyContent_);
    auto* layout = new QVBoxLayout(bodyContent_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QMargins room = SatinPanel::shadowMargins();
    const bool dark = lobby_.dark;

    layout->addSpacing(14 - room.top());
    const HomeHero hero = screen_.hero;
    const std::function<void()> options =
        hero.mode ? std::function<void()>([this, mode = *hero.mode] { model_->openSheet(mode); }) : nullptr;
    hero_ = new HeroCard(
        lobby_, art_, hero, screen_.heroCard,
        [this, hero] {
            if (hero.isResume())
                model_->resume();
            else
                model_->play(*hero.mode);
        },
        options, bodyContent_);
    layout->addWidget(hero_);

    auto* heading = LobbyWidgets::label(screen_.sectionHeading, 12, FontWeight::semibold,
                                        LabelColors::secondary(dark, lobby_.increaseContrast), bodyContent_);
    StyleAccessibility::setRole(heading, QAccessible::Heading);
    heading->setAccessibleName(screen_.sectionHeading);
    heading->setContentsMargins(room.left() + 2, 16 - room.bottom(), 0, 8 - room.top());
    layout->addWidget(heading);

    auto* panel = new SatinPanel(lobby_, false, 12, bodyContent_);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    for (std::size_t index = 0; index < screen_.rows.size(); ++index) {
        if (index > 0) {
            auto* line = divider(dark, panel);
            line->setContentsMargins(68, 0, 0, 0);
            auto* inset = new QHBoxLayout;
            inset->setContentsMargins(68, 0, 0, 0);
            inset->addWidget(line);
            rows->addLayout(inset);
        }
        auto* row = new ModeRow(lobby_, art_, screen_.rows[index], panel);
        connect(row, &QAbstractButton::clicked, this,
                [this, mode = screen_.rows[index].mode] { model_->choose(mode); });
        rows_.push_back(row);
        rows->addWidget(row);
    }
    layout->addWidget(panel);

    if (screen_.offersPractice) {
        layout->addSpacing(10 - room.bottom() - room.top());
        practice_ = new PracticeRow(
            lobby_, [this] { model_->startPractice(); }, [this] { model_->dismissPracticeRow(); },
            bodyContent_);
        layout->addWidget(practice_);
    }
    // The body is built after the footer, so Tab would reach Quit before the hero card: Quit goes
    // after the body's last control, as it stands on screen.
    QWidget* last = bodyContent_;
    for (QWidget* next = last->nextInFocusChain(); bodyContent_->isAncestorOf(next);
         next = next->nextInFocusChain())
        last = next;
    QWidget::setTabOrder(last, quit_);
    // Now, not when the layout would get round to it: a lobby rebuilt on screen never shows blank.
    bodyContent_->show();
    // Before the old body goes, so the keys never pass through another control on the way.
    QWidget* focus = keys ? bodyWidget(screen_.keep(*keys)) : nullptr;
    if (focus)
        focus->setFocus(Qt::TabFocusReason);
    for (std::size_t index = 0; index < returns.size(); ++index)
        if (returnsTo[index])
            returns[index]->hold(bodyWidget(screen_.keep(*returnsTo[index])));
    // Out of the column's measure at once: the suggestion is fitted to the room the new body leaves.
    if (old)
        body_->removeWidget(old);
    dropLayer(old);
    place();
    // A suggestion the column has no room for leaves the keys where Return deals.
    if (focus && !focus->isVisible() && isVisible() && hero_)
        hero_->primaryButton()->setFocus(Qt::TabFocusReason);
}

std::optional<BodyControl> HomeView::bodyControl(const QWidget* widget) const {
    using Part = BodyControl::Part;
    if (!widget || !bodyContent_ || !bodyContent_->isAncestorOf(widget))
        return std::nullopt;
    if (hero_ && widget == hero_->primaryButton())
        return BodyControl{Part::heroPrimary};
    if (hero_ && widget == hero_->optionsButton())
        return BodyControl{Part::heroOptions};
    if (practice_ && widget == practice_->playButton())
        return BodyControl{Part::practicePlay};
    if (practice_ && widget == practice_->closeButton())
        return BodyControl{Part::practiceClose};
    for (const ModeRow* row : rows_)
        if (widget == row)
            return BodyControl::row(row->model().mode);
    return std::nullopt;
}

QWidget* HomeView::bodyWidget(const BodyControl& control) const {
    using Part = BodyControl::Part;
    QWidget* widget = nullptr;
    switch (control.part) {
    case Part::heroPrimary:
        break;
    case Part::heroOptions:
        widget = hero_ ? hero_->optionsButton() : nullptr;
        break;
    case Part::row:
        for (ModeRow* row : rows_)
            if (row->model().mode == control.mode)
                widget = row;
        break;
    case Part::practicePlay:
        widget = practice_ ? practice_->playButton() : nullptr;
        break;
    case Part::practiceClose:
        widget = practice_ ? practice_->closeButton() : nullptr;
        break;
    }
    if (!widget && hero_)
        widget = hero_->primaryButton();
    return widget;
}

Transition HomeView::motion(bool animated) {
    return Transition{animated ? HomeLook::lobbyMotion() : AnimationCurve::linear(0), clock_.now(), 0, 1};
}

void HomeView::showNotice(bool animated) {
    const Transition change = motion(animated);
    const bool closing = notice_ && !model_->notice();
    if (!notice_ && model_->notice())
        noticeReturn_.remember(this);
    noticeLayer_.leave(notice_, change, art_.reduceMotion);
    dimLayer_.leave(dim_, change, art_.reduceMotion);
    dropLayer(notice_);
    dropLayer(dim_);
    if (const auto& notice = model_->notice()) {
        dim_ = new CardShade([this] { model_->dismissNotice(); }, this);
        dim_->show();
        const AppState& state = *environment_.appState;
        notice_ = new NoticePanel(
            lobby_, art_, *notice, LobbyText::noticeTitle(*notice, state.savedGame()),
            LobbyText::noticeMessage(*notice, state.savedGame(), state.spendable()),
            [this] { model_->dismissNotice(); }, [this](const GameSetup& setup) { model_->begin(setup); },
            this);
        notice_->show();
        // The safe answer takes the keys, with its ring showing.
        if (!model_->guide())
            notice_->dismissButton()->setFocus(Qt::TabFocusReason);
        dimLayer_.enter(dim_, change, art_.reduceMotion);
        noticeLayer_.enter(notice_, change, art_.reduceMotion);
    }
    settle();
    // Back where the keys were, once the layers below take input again.
    if (closing && !model_->guide() && !model_->sheet())
        noticeReturn_.restore(FocusReturn::firstControl(column_));
}

void HomeView::showSheet(bool animated) {
    const Transition change = motion(animated);
    const bool opening = model_->sheet() && !sheet_;
    if (opening)
        sheetReturn_.remember(this);
    sheetLayer_.leave(sheet_, change, art_.reduceMotion);
    dropLayer(sheet_);
    // The column fades out under a sheet coming in and back in as the sheet goes.
    if (opening)
        columnLayer_.leave(column_, change, art_.reduceMotion);
    else if (!model_->sheet() && !column_->isVisible())
        columnLayer_.enter(column_, change, art_.reduceMotion);
    column_->setVisible(!model_->sheet());
    if (const auto& sheet = model_->sheet()) {
        sheet_ = new NewGameSheet(lobby_, art_, *environment_.appState, *sheet, environment_.announcer,
                                  columnSize_, this);
        connect(sheet_, &NewGameSheet::cancelled, this, [this] { model_->closeSheet(); });
        connect(sheet_, &NewGameSheet::started, this,
                [this](const GameSetup& setup) { model_->begin(setup); });
        connect(sheet_, &NewGameSheet::guideRequested, this,
                [this](const GuideDestination& destination) { model_->openGuide(destination); });
        sheet_->show();
        if (!model_->guide())
            sheet_->takeKeys();
        sheetLayer_.enter(sheet_, change, art_.reduceMotion);
    }
    settle();
    if (!sheet_ && column_->isVisible() && !model_->notice() && !model_->guide())
        sheetReturn_.restore(FocusReturn::firstControl(column_));
}

void HomeView::showGuide(bool animated) {
    const Transition change = motion(animated);
    // A new look redraws the layers with no guide coming or going: the keys stay where they are.
    const bool closing = guide_ && !model_->guide();
    if (!guide_ && model_->guide())
        guideReturn_.remember(this);
    guideLayer_.leave(guide_, change, art_.reduceMotion);
    dropLayer(guide_);
    if (const auto& destination = model_->guide()) {
        PokerBasicsView::Setup setup;
        setup.art = art_;
        setup.theme = lobby_;
        setup.presentation = PokerBasicsView::Presentation::panel;
        setup.playPractice = [this] { model_->startPractice(); };
        setup.onDone = [this] { model_->closeGuide(); };
        setup.opening = *destination;
        setup.announcer = environment_.announcer;
        guide_ = new PokerBasicsView(std::move(setup), this);
        guide_->show();
        FocusReturn::enter(guide_);
        guideLayer_.enter(guide_, change, art_.reduceMotion);
    } else {
        cover(false);
    }
    settle();
    if (closing) {
        // What was under the guide is back and takes input again: the keys go where they were.
        QWidget* top = notice_ ? notice_ : sheet_ ? static_cast<QWidget*>(sheet_) : column_;
        guideReturn_.restore(notice_ ? notice_->dismissButton() : FocusReturn::firstControl(top));
    }
}

void HomeView::cover(bool covered) {
    column_->setVisible(!covered && !model_->sheet());
    for (QWidget* layer : {static_cast<QWidget*>(sheet_), static_cast<QWidget*>(notice_)})
        if (layer)
            layer->setVisible(!covered);
}

void HomeView::settle() {
    // Only the top layer takes clicks and keys: the guide over everything, the notice over the column.
    const bool guide = model_->guide().has_value();
    column_->setEnabled(!model_->notice() && !guide);
    if (notice_)
        notice_->setEnabled(!guide);
    if (sheet_)
        sheet_->setEnabled(!guide);
    deal_->setEnabled(!model_->notice() && !model_->sheet() && !guide);
    clock_.start();
    place();
}

void HomeView::place() {
    const double now = clock_.now();
    const QRect frame = HomeColumn::frame(rect(), columnSize_);
    const int bottom = rect().bottom() + 1;
    column_->setGeometry(frame);
    fitPracticeRow(frame);
    columnLayer_.place(frame, bottom, now);
    practiceLayer_.place(practice_ ? QRect(practice_->mapTo(this, QPoint()), practice_->size()) : QRect(),
                         bottom, now);
    dimLayer_.place(rect(), bottom, now);
    noticeLayer_.place(notice_ ? restingAtBottom(frame, *notice_) : QRect(), bottom, now);
    sheetLayer_.place(model_->sheet() ? rect() : QRect(), bottom, now);
    guideLayer_.place(frame, bottom, now);
    if (guide_ && !guideLayer_.isMoving(now))
        cover(true);
    for (LobbyLayer* layer :
         {&columnLayer_, &practiceLayer_, &dimLayer_, &noticeLayer_, &sheetLayer_, &guideLayer_})
        layer->raise();
    bool moving = false;
    for (const LobbyLayer* layer :
         {&columnLayer_, &practiceLayer_, &dimLayer_, &noticeLayer_, &sheetLayer_, &guideLayer_})
        moving = moving || layer->isMoving(now);
    // Moving a layer repaints what it uncovers; the lobby's own flat background needs nothing more.
    if (!moving)
        clock_.stop();
}

void HomeView::fitPracticeRow(const QRect& frame) {
    if (!practice_)
        return;
    // The column with the suggestion when it fits the height, else the column without it. Measured
    // without showing it, and laid out again only on a change: this runs on every frame of a motion.
    const bool shown = !practice_->isHidden();
    int needed = column_->layout()->minimumSize().height();
    if (!shown)
        needed += practice_->minimumSizeHint().height();
    const bool fits = needed <= frame.height();
    if (fits == shown)
        return;
    practice_->setVisible(fits);
    bodyContent_->layout()->activate();
    column_->layout()->activate();
}

void HomeView::resizeEvent(QResizeEvent*) {
    place();
}

void HomeView::showEvent(QShowEvent*) {
    model_->appeared();
    // Left to the window, the keys would land on the first icon in the header.
    takeKeys();
}

void HomeView::takeKeys() {
    const QWidget* keys = window()->focusWidget();
    if (hero_ && hero_->primaryButton() && !model_->notice() && !model_->sheet() && !model_->guide() &&
        (!keys || !isAncestorOf(keys)))
        hero_->primaryButton()->setFocus(Qt::TabFocusReason);
}

void HomeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(LabelColors::window(lobby_.dark)));
}
