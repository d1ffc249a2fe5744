#include "Views/Home/NewGameSheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QVBoxLayout>

#include "AppState.h"
#include "Style/Drawing/ArtView.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/LabelColors.h"
#include "Style/Ornaments.h"
#include "Style/SheetControls.h"
#include "Views/Controls/ButtonFaces.h"
#include "Views/Controls/BuyInSlider.h"
#include "Views/Controls/LobbyArt.h"
#include "Views/Controls/OpponentStepper.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StakePicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Home/HomeColumn.h"
#include "Views/Home/LobbyLayer.h"
#include "Views/Home/LobbyText.h"
#include "Views/Home/LobbyWidgets.h"
#include "Views/Learn/InfoButton.h"
#include "Views/Learn/TermPanel.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/FocusedButton.h"

namespace {

constexpr std::array<std::int64_t, 4> handOptions{1, 3, 5, 10};

// The miniature table's discs.
constexpr double previewDiameter = 24;

std::optional<int> indexOf(std::int64_t hands) {
    for (std::size_t index = 0; index < handOptions.size(); ++index)
        if (handOptions[index] == hands)
            return static_cast<int>(index);
    return std::nullopt;
}

std::vector<SlidingPicker::Option> difficultyOptions() {
    std::vector<SlidingPicker::Option> options;
    const int dots[] = {1, 2, 3, 0};
    for (TableDifficulty difficulty : allTableDifficulties)
        options.push_back({LobbyText::difficultyTitle(difficulty), dots[static_cast<int>(difficulty)], {}});
    return options;
}

TableDifficulty NewGameChoices::*difficultyField(GameMode mode) {
    switch (mode) {
    case GameMode::sitAndGo:
        return &NewGameChoices::sitAndGoDifficulty;
    case GameMode::cashTable:
        return &NewGameChoices::cashDifficulty;
    default:
        return &NewGameChoices::quickHandDifficulty;
    }
}

} // namespace

NewGameSheet::NewGameSheet(const TableTheme& lobby, const TableTheme& art, AppState& appState,
                           NewGameSheetModel model, Announcer* announcer, std::optional<QSize> column,
                           QWidget* parent)
    : QWidget(parent)
    , lobby_(lobby)
    , art_(art)
    , appState_(appState)
    , model_(model)
    , column_(column)
    , ownAnnouncer_(announcer ? nullptr : std::make_unique<Announcer>())
    , announcer_(announcer ? announcer : ownAnnouncer_.get()) {
    // Over the lobby and holding its keys until started or cancelled: a modal dialog named by its title.
    StyleAccessibility::setModalDialog(this);
    setAccessibleName(NewGameSheetModel::title(model_.mode()));
    // Only its controls take the keys: a stop on the sheet itself would show no ring at all.
    setFocusPolicy(Qt::NoFocus);
    build();
    // The window's Escape and Return while the sheet shows; the home's Return is off meanwhile. Return
    // presses the focused button, as everywhere on this desktop, and otherwise starts.
    const auto pressReturn = [this] { FocusedButton::pressOr(this, start_); };
    keys_ = {new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &NewGameSheet::cancelled),
             new QShortcut(QKeySequence(Qt::Key_Return), this, pressReturn),
             new QShortcut(QKeySequence(Qt::Key_Enter), this, pressReturn)};
    connect(&clock_, &AnimationClock::ticked, this, &NewGameSheet::place);
    connect(&appState_, &AppState::profileChanged, this, &NewGameSheet::refresh);
    connect(&appState_, &AppState::savedGameChanged, this, &NewGameSheet::refresh);
    refresh();
}

NewGameSheet::~NewGameSheet() = default;

void NewGameSheet::takeKeys() {
    // The ring opens where Return acts: on the start button, or on Cancel while nothing can start.
    (start_->isEnabled() ? start_ : FocusReturn::firstControl(this))->setFocus(Qt::TabFocusReason);
}

void NewGameSheet::setTheme(const TableTheme& lobby, const TableTheme& art) {
    lobby_ = lobby;
    art_ = art;
    // The form is built anew in the new look: the keys, and a term panel's way back, go to the control
    // at the same place in it.
    const int keys = FocusReturn::placeOf(form_, window()->focusWidget());
    const int back = FocusReturn::placeOf(form_, termReturn_.held());
    delete form_;
    stepper_ = nullptr;
    hands_ = nullptr;
    difficulty_ = nullptr;
    stakes_ = nullptr;
    buyIn_ = nullptr;
    message_ = nullptr;
    build();
    refresh();
    if (QWidget* control = FocusReturn::controlAt(form_, keys))
        control->setFocus(Qt::TabFocusReason);
    if (back >= 0)
        termReturn_.hold(FocusReturn::controlAt(form_, back));
    showTerm(false);
}

void NewGameSheet::change(const std::function<void(NewGameChoices&)>& edit) {
    NewGameChoices choices = appState_.choices();
    edit(choices);
    appState_.setChoices(choices);
}

QWidget* NewGameSheet::section(const QString& title, Term term, int top) {
    auto* header = new TermHeader(
        title, term, [this](Term term) { explain(term); }, form_);
    header->setContentsMargins(2, top, 0, 2);
    return header;
}

QWidget* NewGameSheet::stat(const QString& title, const QString& value) {
    auto* tile = new SatinPanel(lobby_, false, 12, form_);
    auto* column = new QVBoxLayout(tile);
    column->setContentsMargins(10, 6, 10, 6);
    column->setSpacing(2);
    column->addWidget(LobbyWidgets::partLabel(
        title, 11, FontWeight::regular, LabelColors::secondary(lobby_.dark, lobby_.increaseContrast), tile));
    column->addWidget(
        LobbyWidgets::partLabel(value, 12.5, FontWeight::semibold, LabelColors::primary(lobby_.dark), tile));
    tile->setMinimumHeight(48 + SatinPanel::shadowMargins().top() + SatinPanel::shadowMargins().bottom());
    // One element read once: the tile says its title and value together.
    StyleAccessibility::setRole(tile, QAccessible::StaticText);
    tile->setAccessibleName(title + QStringLiteral(", ") + value);
    return tile;
}

void NewGameSheet::build() {
    form_ = new QWidget(this);
    form_->setGeometry(HomeColumn::frame(rect(), column_));
    const bool dark = lobby_.dark;
    const NewGameChoices& choices = appState_.choices();
    const GameMode mode = model_.mode();
    auto* form = new QVBoxLayout(form_);
    form->setContentsMargins(18, 18, 18, 18);
    form->setSpacing(0);

    auto* header = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    auto* title = LobbyWidgets::label(NewGameSheetModel::title(mode), 20, FontWeight::semibold,
                                      LabelColors::primary(dark), form_);
    StyleAccessibility::setRole(title, QAccessible::Heading);
    title->setAccessibleName(title->text());
    titles->addWidget(title);
    bankroll_ = LobbyWidgets::label(QString(), 12, FontWeight::regular,
                                    LabelColors::secondary(dark, lobby_.increaseContrast), form_);
    titles->addWidget(bankroll_);
    header->addLayout(titles);
    header->addStretch(1);
    cancel_ = new StyledButton(
        lobby_, QStringLiteral("Cancel"), ControlKind::secondary(), ControlSize::small, std::nullopt,
        [this] { emit cancelled(); }, form_);
    cancel_->setFixedWidth(LobbyWidgets::buttonWidth(lobby_, ControlSize::small, 84));
    header->addWidget(cancel_, 0, Qt::AlignTop);
    form->addLayout(header);
    form->addSpacing(10);

    preview_ =
        new ArtView([this](QPainter& painter, const QRectF& rect) { paintPreview(painter, rect); }, form_);
    preview_->setFixedHeight(140);
    // Read with the sheet's text as it opens: the count on its stepper and who sits at the table.
    StyleAccessibility::setRead(preview_, QAccessible::StaticText);
    form->addWidget(preview_);
    if (mode == GameMode::quickHand || mode == GameMode::cashTable) {
        const bool quick = mode == GameMode::quickHand;
        stepper_ = new OpponentStepper(
            lobby_, quick ? NewGameSheetModel::hands(choices) : NewGameSheetModel::opponents(choices), 1,
            quick ? 50 : 5, *NewGameSheetModel::countUnit(mode), form_);
        stepper_->setAnnouncer(announcer_);
        connect(stepper_, &OpponentStepper::countChanged, this, [this, quick](std::int64_t count) {
            change(
                [quick, count](NewGameChoices& c) { (quick ? c.quickHandHands : c.cashOpponents) = count; });
        });
    }

    const auto addDifficulty = [&] {
        form->addWidget(section(QStringLiteral("Difficulty"), Term::difficulty, 10));
        difficulty_ = new SlidingPicker(lobby_, QStringLiteral("Difficulty"), difficultyOptions(),
                                        static_cast<int>(choices.*difficultyField(mode)), form_);
        connect(difficulty_, &SlidingPicker::picked, this, [this, mode](int index) {
            change([mode, index](NewGameChoices& c) {
                c.*difficultyField(mode) = allTableDifficulties[static_cast<std::size_t>(index)];
            });
        });
        form->addWidget(difficulty_);
    };

    switch (mode) {
    case GameMode::quickHand: {
        auto* about = LobbyWidgets::label(
            QStringLiteral("You against one bot, 10/20 blinds, %1 chips each. Your chips go back "
                           "to your bankroll after every hand.")
                .arg(LobbyText::grouped(2000)),
            12, FontWeight::regular, LabelColors::secondary(dark, lobby_.increaseContrast), form_);
        about->setWordWrap(true);
        // The mark sits 3 above the text's top, so its middle meets the first line's: the text is
        // lowered by 3 inside a row that starts 3 higher.
        about->setContentsMargins(0, 3, 0, 0);
        auto* aboutRow = new QHBoxLayout;
        aboutRow->setContentsMargins(0, 12 - 3, 0, 0);
        aboutRow->setSpacing(2);
        aboutRow->addWidget(about, 1, Qt::AlignTop);
        aboutRow->addWidget(new InfoButton(
                                Term::quickHand, [this] { explain(Term::quickHand); }, form_),
                            0, Qt::AlignTop);
        form->addLayout(aboutRow);
        form->addWidget(section(QStringLiteral("Hands"), Term::quickHand, 10));
        std::vector<SlidingPicker::Option> options;
        for (std::int64_t hands : handOptions)
            options.push_back(
                {QString::number(hands), 0,
                 hands == 1 ? QStringLiteral("1 hand") : QStringLiteral("%1 hands").arg(hands)});
        hands_ = new SlidingPicker(lobby_, QStringLiteral("Hands"), options, indexOf(choices.quickHandHands),
                                   form_);
        connect(hands_, &SlidingPicker::picked, this, [this](int index) {
            change([index](NewGameChoices& c) {
                c.quickHandHands = handOptions[static_cast<std::size_t>(index)];
            });
        });
        form->addWidget(hands_);
        addDifficulty();
        break;
    }
    case GameMode::sitAndGo: {
        form->addWidget(section(QStringLiteral("Format"), Term::sitAndGo, 10));
        auto* stats = new QHBoxLayout;
        stats->setSpacing(0);
        stats->addWidget(
            stat(QStringLiteral("Players"), QStringLiteral("6 · %1 each").arg(LobbyText::grouped(1500))));
        stats->addWidget(stat(QStringLiteral("Blinds"), QStringLiteral("Up every 8 hands")));
        stats->addWidget(
            stat(QStringLiteral("Pays"),
                 QStringLiteral("%1 · %2").arg(LobbyText::grouped(1950), LobbyText::grouped(1050))));
        form->addLayout(stats);
        addDifficulty();
        break;
    }
    case GameMode::cashTable: {
        form->addWidget(section(QStringLiteral("Stakes"), Term::stakes, 10));
        stakes_ = new StakePicker(lobby_, choices.cashStakes, appState_.spendable(), form_);
        connect(stakes_, &StakePicker::selected, this, [this](CashStakes stakes) {
            if (stakes != appState_.choices().cashStakes)
                lockedReason_.reset();
            change([stakes](NewGameChoices& c) { c.cashStakes = stakes; });
            refresh();
        });
        connect(stakes_, &StakePicker::lockedChosen, this, [this](CashStakes stakes) {
            lockedReason_ = Stakes::shortfall(stakes, appState_.spendable());
            announcer_->announce(*lockedReason_);
            refresh();
        });
        form->addWidget(stakes_);
        message_ = LobbyWidgets::label(QString(), 11.5, FontWeight::regular,
                                       LabelColors::secondary(dark, lobby_.increaseContrast), form_);
        // Hidden before its first words: Qt settles what a label is to a reader when its text is set.
        StyleAccessibility::setHidden(message_);
        message_->setFixedHeight(18);
        // At the top of its line, under the stakes it speaks of: at the foot it sat against the
        // "Buy-in" heading.
        message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        form->addWidget(message_);
        form->addWidget(section(QStringLiteral("Buy-in"), Term::buyIn, 2));
        auto* figures = new QHBoxLayout;
        figures->setContentsMargins(2, 0, 2, 0);
        buyInAmount_ =
            LobbyWidgets::label(QString(), 20, FontWeight::semibold, LabelColors::primary(dark), form_);
        buyInAmount_->setTextFormat(Qt::RichText);
        figures->addWidget(buyInAmount_, 0, Qt::AlignBaseline);
        figures->addStretch(1);
        buyInRange_ = LobbyWidgets::label(QString(), 11, FontWeight::regular,
                                          LabelColors::secondary(dark, lobby_.increaseContrast), form_);
        figures->addWidget(buyInRange_, 0, Qt::AlignBaseline);
        form->addLayout(figures);
        const BuyInFigures buyIn = NewGameSheetModel::buyIn(choices, appState_.spendable());
        buyIn_ = new BuyInSlider(lobby_, choices.cashBuyInBB, buyIn.cap, bigBlind(choices.cashStakes),
                                 Stakes::chip(choices.cashStakes), form_);
        buyIn_->setContentsMargins(10, 0, 10, 0);
        connect(buyIn_, &BuyInSlider::bigBlindsChanged, this, [this](std::int64_t bigBlinds) {
            change([bigBlinds](NewGameChoices& c) { c.cashBuyInBB = bigBlinds; });
        });
        auto* sliderRow = new QHBoxLayout;
        sliderRow->setContentsMargins(10, 0, 10, 0);
        sliderRow->addWidget(buyIn_);
        form->addLayout(sliderRow);
        addDifficulty();
        break;
    }
    case GameMode::practice:
        break;
    }

    form->addStretch(1);
    form->addSpacing(8);
    blocked_ = LobbyWidgets::label(QString(), 11.5, FontWeight::regular,
                                   LabelColors::secondary(dark, lobby_.increaseContrast), form_);
    blocked_->setWordWrap(true);
    blocked_->setContentsMargins(0, 0, 0, 8);
    form->addWidget(blocked_);
    start_ = new StyledButton(
        lobby_, QString(), ControlKind::confirm(), ControlSize::main, std::nullopt, [this] { start(); },
        form_);
    form->addWidget(start_);
    // Shown with its controls now, not once the event loop gets round to them: a form built anew in
    // a new look takes the keys at once.
    form_->show();
}

void NewGameSheet::refresh() {
    const NewGameChoices& choices = appState_.choices();
    const std::int64_t spendable = appState_.spendable();
    const GameMode mode = model_.mode();
    const std::optional<QString> blocked = model_.blockedReason(choices, spendable);
    bankroll_->setText(QStringLiteral("Bankroll ") + LobbyText::grouped(spendable));
    StyleAccessibility::setName(bankroll_, LobbyText::spokenBankroll(spendable));

    const std::vector<BotKit::BotProfile> players = model_.previewPlayers(choices, spendable);
    seats_.update(players, clock_.now(), art_.reduceMotion);
    if (seats_.isMoving(clock_.now()))
        clock_.start();
    StyleAccessibility::setName(preview_, model_.previewSpoken(choices, spendable));
    preview_->update();
    if (stepper_) {
        stepper_->setCount(mode == GameMode::quickHand ? NewGameSheetModel::hands(choices)
                                                       : NewGameSheetModel::opponents(choices));
        placeStepper();
    }
    if (hands_)
        hands_->setSelected(indexOf(NewGameSheetModel::hands(choices)));
    if (difficulty_)
        difficulty_->setSelected(static_cast<int>(choices.*difficultyField(mode)));
    if (stakes_) {
        stakes_->setSpendable(spendable);
        stakes_->setSelection(choices.cashStakes);
        const QString line = NewGameSheetModel::messageLine(lockedReason_, blocked);
        message_->setText(line);
        LobbyWidgets::recolor(message_, lockedReason_
                                            ? SatinPanelColors::warning(lobby_.dark)
                                            : LabelColors::secondary(lobby_.dark, lobby_.increaseContrast));
        StyleAccessibility::setName(message_, line);
        if (lockedReason_ || blocked)
            StyleAccessibility::setRead(message_, QAccessible::StaticText);
        else
            StyleAccessibility::setHidden(message_);
        const BuyInFigures figures = NewGameSheetModel::buyIn(choices, spendable);
        buyInAmount_->setText(
            QStringLiteral(
                "%1<span style=\"font-size:12px; font-weight:500; color:%2\">&nbsp;&nbsp;%3 BB</span>")
                .arg(LobbyText::grouped(figures.amount),
                     toQColor(LabelColors::secondary(lobby_.dark, lobby_.increaseContrast))
                         .name(QColor::HexArgb))
                .arg(figures.shown));
        StyleAccessibility::setName(buyInAmount_, figures.spoken);
        buyInRange_->setText(figures.range);
        buyIn_->setValues(choices.cashBuyInBB, figures.cap, bigBlind(choices.cashStakes),
                          Stakes::chip(choices.cashStakes));
        buyIn_->setEnabled(!figures.isShort);
    }
    blocked_->setText(blocked.value_or(QString()));
    blocked_->setVisible(blocked.has_value() && mode != GameMode::cashTable);
    start_->setTitle(model_.startTitle(choices, spendable));
    start_->setEnabled(!blocked);
    // A reason shown or taken away, or a form built anew, changes what the rows need.
    if (!size().isEmpty())
        placeForm();
}

void NewGameSheet::paintPreview(QPainter& painter, const QRectF& rect) const {
    QPainterPath clip;
    clip.addRoundedRect(rect, 14, 14);
    painter.setClipPath(clip);
    LobbyArt::SeatedTableScene scene{
        seats_.drawn(),  true, model_.mode() == GameMode::cashTable,
        previewDiameter, {},   SeatedTableLayout::sheetPreviewShape(preview_->size())};
    scene.leadingRoom = previewRoom();
    LobbyArt::paintSeatedTable(painter, rect, art_, scene, seats_.presence(clock_.now()));
}

double NewGameSheet::previewRoom() const {
    if (!stepper_)
        return 0;
    const QRectF pill = stepper_->capsule().translated(stepper_->pos() - preview_->pos());
    return SeatedTableLayout::leadingRoom(preview_->size(),
                                          SeatedTableLayout::sheetPreviewShape(preview_->size()), art_.style,
                                          art_.pixelUnit, previewDiameter, pill);
}

std::vector<QRectF> NewGameSheet::previewCovers() const {
    const double room = previewRoom();
    auto parts = SeatedTableLayout::covered(QSizeF(preview_->width() - room, preview_->height()),
                                            SeatedTableLayout::sheetPreviewShape(preview_->size()),
                                            art_.style, art_.pixelUnit, previewDiameter);
    for (QRectF& part : parts)
        part.translate(room, 0);
    return parts;
}

void NewGameSheet::placeStepper() {
    if (!stepper_)
        return;
    // Over the preview's bottom-leading corner, 10 in; the stepper keeps room round it for its shadow.
    stepper_->resize(stepper_->sizeHint());
    const QRect preview = preview_->geometry();
    stepper_->move(preview.left() + 10 - 6, preview.bottom() + 1 - 10 - stepper_->height() + 9);
    stepper_->raise();
}

void NewGameSheet::resizeEvent(QResizeEvent*) {
    placeForm();
    place();
}

void NewGameSheet::placeForm() {
    const QRect column = HomeColumn::frame(rect(), column_);
    form_->setGeometry(column);
    QLayout* rows = form_->layout();
    preview_->setFixedHeight(NewGameSheetModel::previewHeight(0));
    rows->activate();
    const int overflow = rows->minimumSize().height() - form_->height();
    preview_->setFixedHeight(NewGameSheetModel::previewHeight(overflow));
    const int natural =
        rows->hasHeightForWidth() ? rows->heightForWidth(column.width()) : rows->sizeHint().height();
    form_->setGeometry(NewGameSheetModel::formFrame(rect(), column_, natural));
    rows->activate();
    placeStepper();
}

void NewGameSheet::explain(std::optional<Term> term) {
    if (term == explaining_)
        return;
    explaining_ = term;
    showTerm(true);
}

void NewGameSheet::showTerm(bool animated) {
    const Transition change{animated ? HomeLook::lobbyMotion() : AnimationCurve::linear(0), clock_.now(), 0,
                            1};
    if (explaining_ && !panel_)
        termReturn_.remember(this);
    // A new look redraws the panel with none coming or going: the keys stay where they are.
    const bool closing = panel_ && !explaining_;
    panelLayer_.leave(termLayer_, change, lobby_.reduceMotion);
    dimLayer_.leave(dim_, change, lobby_.reduceMotion);
    dropLayer(termLayer_);
    dropLayer(dim_);
    panel_ = nullptr;
    // The form stays where it is under the panel, greyed by the shade, out of reach of keys and readers.
    form_->setEnabled(!explaining_);
    for (QShortcut* key : keys_)
        key->setEnabled(!explaining_);
    if (explaining_) {
        dim_ = new CardShade([this] { explain(std::nullopt); }, this);
        dim_->show();
        // The panel keeps its own clipping effect; the layer round it fades.
        termLayer_ = new QWidget(this);
        auto* frame = new QVBoxLayout(termLayer_);
        frame->setContentsMargins(0, 0, 0, 0);
        panel_ = new TermPanel(
            lobby_, *explaining_, TermNumbers{model_.termBlinds(appState_.choices())}, art_,
            [this] { explain(std::nullopt); },
            [this](const GuideDestination& destination) {
                // Straight to the guide: the panel goes at once, not with a motion of its own under it.
                explaining_.reset();
                showTerm(false);
                emit guideRequested(destination);
            },
            termLayer_);
        frame->addWidget(panel_);
        termLayer_->show();
        panel_->gotItButton()->setFocus(Qt::TabFocusReason);
        dimLayer_.enter(dim_, change, lobby_.reduceMotion);
        panelLayer_.enter(termLayer_, change, lobby_.reduceMotion);
    } else if (closing && isVisible()) {
        termReturn_.restore(FocusReturn::firstControl(this));
    }
    clock_.start();
    place();
}

void NewGameSheet::place() {
    const double now = clock_.now();
    const int bottom = rect().bottom() + 1;
    dimLayer_.place(dim_ ? rect() : QRect(), bottom, now);
    panelLayer_.place(termLayer_ ? restingAtBottom(HomeColumn::frame(rect(), column_), *termLayer_) : QRect(),
                      bottom, now);
    dimLayer_.raise();
    panelLayer_.raise();
    const bool seating = seats_.isMoving(now);
    if (seating)
        preview_->update();
    if (!dimLayer_.isMoving(now) && !panelLayer_.isMoving(now) && !seating)
        clock_.stop();
}

void NewGameSheet::start() {
    const NewGameChoices& choices = appState_.choices();
    const std::int64_t spendable = appState_.spendable();
    if (model_.blockedReason(choices, spendable))
        return;
    emit started(model_.setup(choices, spendable));
}

void NewGameSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(LabelColors::window(lobby_.dark)));
}
