#include "Views/Settings/SettingsView.h"

#include "AppState.h"
#include "GameController.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/FocusRingPainter.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/FocusRing.h"
#include "SurfaceCoordinator.h"
#include "System/GlobalHotkey.h"
#include "System/LaunchAtLogin.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Settings/FormDropDown.h"
#include "Views/Settings/SettingsLook.h"
#include "Views/Settings/SettingsRules.h"
#include "Views/Settings/ShortcutRecorder.h"
#include "Views/Settings/StylePreviews.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/CardOverlay.h"
#include "Views/Support/ConfirmationPanel.h"
#include "Views/Support/LookPalette.h"
#include "Views/Support/ScreenFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr std::array<BotSpeed, 3> speeds{BotSpeed::fast, BotSpeed::normal, BotSpeed::slow};
constexpr std::array<LaunchSurface, 2> surfaces{LaunchSurface::menuBar, LaunchSurface::window};
constexpr QSize guideSize(440, 600);

// A wrapping line that asks for the height its text takes at the width it was given: a form row that
// spans both columns does not ask its label for that on its own.
class WrappedLine final : public QLabel {
  public:
    explicit WrappedLine(const QString& text)
        : QLabel(text) {
        setWordWrap(true);
        // Under what it explains. A line that only just fits on one line is measured as two (the
        // label measures in whole pixels and draws in fractions); centred, it stood a line below.
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        const int needed = heightForWidth(width());
        if (needed > 0 && minimumHeight() != needed)
            setMinimumHeight(needed);
    }
};

// A switch whose box keeps an edge that shows where it is: the desktop's style draws the edge a shade
// off the window, too faint to find the box by.
class FormSwitch final : public QCheckBox {
  public:
    explicit FormSwitch(const QString& title)
        : QCheckBox(title) {}
    void setEdge(const RGB& edge) {
        edge_ = edge;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QCheckBox::paintEvent(event);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(toQColor(edge_), 1));
        painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    }

  private:
    RGB edge_;
};

// Marks the explanation lines in their grey, and the problem lines in their red.
constexpr const char* explanationProperty = "chipwhistleExplanation";
constexpr const char* problemProperty = "chipwhistleProblem";

void setTextColour(QLabel* label, const RGB& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(colour));
    label->setPalette(palette);
}

QLabel* subtitle(const QString& text) {
    auto* label = new WrappedLine(text);
    label->setWordWrap(true);
    label->setProperty(explanationProperty, true);
    return label;
}

// A secondary line that a control speaks as its description: a reader that also read the line itself,
// as it reads the loose lines of a row the focus enters, would say it twice.
QLabel* description(QWidget* control, const QString& text) {
    control->setAccessibleDescription(text);
    // Hidden before it holds words: a label given words is at once known to a listening reader as one.
    auto* line = subtitle({});
    StyleAccessibility::setHidden(line);
    line->setText(text);
    return line;
}

QLabel* problemText() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setProperty(problemProperty, true);
    return label;
}

// A switch with a secondary line under its title, as the grouped form draws a two-text label. A reader
// hears the line as the switch's description. A layout, not a widget round the two, so the switch's
// focus ring may reach past the row without being cut off.
QLayout* withSubtitle(QWidget* control, const QString& text) {
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    // The switch's ring reaches into the room the style keeps below its title; the line starts two
    // points past it, so the ring stands clear of its words.
    layout->setSpacing(FocusRing::room(FocusRingPainter::desktopTheme(false)) + 2);
    layout->addWidget(control);
    auto* line = description(control, text);
    line->setContentsMargins(24, 0, 0, 0);
    layout->addWidget(line);
    return layout;
}

// The title of a value no key reaches, which the value is read with.
constexpr const char* valueTitleProperty = "chipwhistleValueTitle";

// The title of a control that takes the focus: its buddy, so a reader finds the relation between the
// two, and its name, so a reader speaks what the control sets and not only its value. A control that
// names itself (the shortcut recorder says what it holds, title first) keeps its own name and has no
// buddy, which a reader would speak before that name as well. A value no key reaches is read with
// its title, which is then left out.

QLabel* titleFor(QWidget* control, const QString& title) {
    // Worded last: Qt settles what a label is to a reader as it first tells of its words.
    auto* label = new QLabel;
    if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().isEmpty()) {
        label->setBuddy(control);
        control->setAccessibleName(title);
    } else if (control->focusPolicy() == Qt::NoFocus) {
        control->setProperty(valueTitleProperty, title);
        StyleAccessibility::setHidden(label);
    }
    label->setText(title);
    return label;
}

// A control with its title on the left. Rows of the form span its width so a wrapped line in any of
// them gets the height it needs.
QWidget* labelled(const QString& title, QWidget* control) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titleFor(control, title));
    layout->addStretch();
    layout->addWidget(control);
    return row;
}

QGroupBox* section(const QString& title, QFormLayout*& form) {
    auto* group = new QGroupBox(title);
    form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return group;
}

void setIndex(QComboBox* box, int index) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
}

void setChecked(QCheckBox* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

// The guide's looks for the profile's style and the desktop's appearance of the moment.
SettingsRules::GuideThemes guideThemesNow(const AppEnvironment& environment) {
    const AppSettings settings =
        environment.appState ? environment.appState->profile().settings : AppSettings{};
    return SettingsRules::guideThemes(settings.style, SystemAppearance::current(), settings.fourColorDeck);
}

} // namespace

SettingsView::SettingsView(AppEnvironment environment, QWidget* parent)
    : QWidget(parent)
    , environment_(environment)
    , appearance_(new AppearanceWatcher(this)) {
    // Shown as a window of its own; a plain widget would be read as a nameless pane.
    StyleAccessibility::setRole(this, QAccessible::Window);
    setFixedWidth(formWidth);
    // The game's own typeface, as in every other window of the game.
    setFont(ThemeFonts::system(13, FontWeight::regular));
    // The form scrolls, so the window fits a small screen and still reaches every section.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The keys go to the controls, and the form follows them as they move down it.
    scroll_->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll_);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(gameplaySection());
    layout->addWidget(tableSection());
    layout->addWidget(menuBarSection());
    layout->addWidget(generalSection());
    layout->addWidget(bankrollSection());
    layout->addStretch();
    scroll_->setWidget(content);
    // Ctrl+W closes the window, as in any document or settings window here.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this), &QShortcut::activated, this, [this] {
        if (isWindow())
            close();
    });

    if (auto* state = environment_.appState) {
        connect(state, &AppState::profileChanged, this, &SettingsView::refresh);
        connect(state, &AppState::savedGameChanged, this, &SettingsView::refresh);
    }
    if (auto* hotkey = environment_.hotkey)
        connect(hotkey, &GlobalHotkey::problemChanged, this, &SettingsView::refresh);
    if (auto* login = environment_.launchAtLogin) {
        connect(login, &LaunchAtLogin::statusChanged, this, &SettingsView::refresh);
        connect(login, &LaunchAtLogin::errorChanged, this, &SettingsView::refresh);
    }
    connect(appearance_, &AppearanceWatcher::changed, this, [this] {
        applyLook();
        refresh();
        // The guide open over Settings draws in the new look where it stands.
        if (auto* guide = guideSheet_ ? guideSheet_->findChild<PokerBasicsView*>() : nullptr) {
            const SettingsRules::GuideThemes themes = guideThemesNow(environment_);
            guide->setTheme(themes.art, themes.theme);
        }
    });
    applyLook();
    refresh();
}

SettingsView::~SettingsView() {
    // A recording stops as the recorder goes, after the parts of this view it would refresh are gone.
    disconnect(recorder_, nullptr, this, nullptr);
}

QWidget* SettingsView::gameplaySection() {
    QFormLayout* form = nullptr;
    auto* group = section(QStringLiteral("Gameplay"), form);

    botSpeed_ = dropDown({QStringLiteral("Fast"), QStringLiteral("Normal"), QStringLiteral("Slow")});
    connect(botSpeed_, &QComboBox::activated, this, [this](int index) {
        if (environment_.appState && index >= 0)
            environment_.appState->setBotSpeed(speeds[static_cast<std::size_t>(index)]);
    });
    form->addRow(labelled(QStringLiteral("Bot speed"), botSpeed_));

    autoDeal_ = new FormSwitch(QStringLiteral("Deal next hand automatically"));
    connect(autoDeal_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.appState)
            environment_.appState->setAutoDeal(on);
    });
    form->addRow(autoDeal_);

    defaultTable_ = dropDown({QStringLiteral("Quick Hand"), QStringLiteral("Sit & Go")});
    connect(defaultTable_, &QComboBox::activated, this, [this](int index) {
        if (environment_.appState && index >= 0)
            environment_.appState->setDefaultTable(SettingsRules::defaultTableAt(index));
    });
    form->addRow(labelled(QStringLiteral("Default table"), defaultTable_));

    learningMode_ = new FormSwitch(QStringLiteral("Learning mode"));
    connect(learningMode_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.appState)
            environment_.appState->setLearningMode(on);
    });
    form->addRow(
        withSubtitle(learningMode_,
                     QStringLiteral("Names your hand, rates your starting cards and explains each result.")));

    guide_ = button(QStringLiteral("Poker Basics…"));
    connect(guide_, &QAbstractButton::clicked, this, &SettingsView::showGuide);
    // The title labels the button, beside it under one parent where a reader looks for the relation:
    // the reader says it with the button, and not as a loose line of the section the keys enter first.
    auto* learn = new QWidget;
    auto* learnLayout = new QHBoxLayout(learn);
    learnLayout->setContentsMargins(0, 0, 0, 0);
    auto* learnTexts = new QVBoxLayout;
    learnTexts->setSpacing(2);
    auto* learnTitle = new QLabel;
    learnTitle->setBuddy(guide_);
    learnTitle->setText(QStringLiteral("Learn to play"));
    learnTexts->addWidget(learnTitle);
    learnTexts->addWidget(
        description(guide_, QStringLiteral("How a hand works, what beats what, and which hands to play.")));
    learnLayout->addLayout(learnTexts, 1);
    learnLayout->addWidget(guide_, 0, Qt::AlignVCenter);
    form->addRow(learn);
    return group;
}

QWidget* SettingsView::tableSection() {
    QFormLayout* form = nullptr;
    auto* group = section(QStringLiteral("Table"), form);

    fourColorDeck_ = new FormSwitch(QStringLiteral("Four-color deck"));
    connect(fourColorDeck_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.appState)
            environment_.appState->setFourColorDeck(on);
    });
    form->addRow(withSubtitle(fourColorDeck_,
                              QStringLiteral("Blue diamonds and green clubs. Suit symbols always show.")));

    deckPreview_ = new DeckPreview;
    form->addRow(deckPreview_);

    sounds_ = new FormSwitch(QStringLiteral("Sounds"));
    connect(sounds_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.appState)
            environment_.appState->setSoundsOn(on);
    });
    form->addRow(sounds_);
    return group;
}

QWidget* SettingsView::menuBarSection() {
    QFormLayout* form = nullptr;
    auto* group = section(QStringLiteral("System tray"), form);

    stackInMenuBar_ = new FormSwitch(QStringLiteral("Show stack in system tray"));
    connect(stackInMenuBar_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.appState)
            environment_.appState->setShowStackInMenuBar(on);
    });
    form->addRow(
        withSubtitle(stackInMenuBar_,
                     QStringLiteral("Your chips at the table, or your bankroll when you're not playing.")));

    globalShortcut_ = new FormSwitch(QStringLiteral("Global shortcut"));
    connect(globalShortcut_, &QCheckBox::toggled, this, [this](bool on) {
        if (auto* state = environment_.appState)
            state->setHotkey(SettingsRules::withEnabled(state->hotkey(), on));
    });
    form->addRow(withSubtitle(globalShortcut_, QStringLiteral("Opens and closes Chipwhistle from any app.")));

    recorder_ = new ShortcutRecorder;
    recorder_->setFixedSize(140, 24);
    recorder_->setOnRecord([this](const KeyShortcut& shortcut) -> std::optional<QString> {
        auto* state = environment_.appState;
        if (!state)
            return std::nullopt;
        std::optional<QString> refusal = SettingsRules::recordShortcut(*state, environment_.hotkey, shortcut);
        if (!refusal)
            say(ShortcutRecording::recordedAnnouncement(shortcut));
        return refusal;
    });
    connect(recorder_, &ShortcutRecorder::recordingChanged, this, [this] {
        if (recorder_->isRecording() && !recorderWasRecording_)
            say(ShortcutRecording::startedAnnouncement(recorder_->shortcut()));
        recorderWasRecording_ = recorder_->isRecording();
        refresh();
    });
    // The line under the recorder is shown; a reader hears it too, each time a combination is refused.
    connect(recorder_, &ShortcutRecorder::refused, this, &SettingsView::say);
    shortcutRow_ = labelled(QStringLiteral("Shortcut"), recorder_);
    form->addRow(shortcutRow_);

    refusalNote_ = problemText();
    form->addRow(refusalNote_);

    hotkeyProblem_ = problemText();
    form->addRow(hotkeyProblem_);
    return group;
}

QWidget* SettingsView::generalSection() {
    QFormLayout* form = nullptr;
    auto* group = section(QStringLiteral("General"), form);

    launchSurface_ = dropDown({QStringLiteral("System Tray"), QStringLiteral("Window")});
    connect(launchSurface_, &QComboBox::activated, this, [this](int index) {
        if (environment_.appState && index >= 0)
            environment_.appState->setLaunchSurface(surfaces[static_cast<std::size_t>(index)]);
    });
    // The title and the drop-down share one parent, where a reader looks for the title's relation.
    auto* surfaceRow = new QWidget;
    auto* surfaceLayout = new QHBoxLayout(surfaceRow);
    surfaceLayout->setContentsMargins(0, 0, 0, 0);
    auto* surfaceTexts = new QVBoxLayout;
    surfaceTexts->setSpacing(2);
    surfaceTexts->addWidget(titleFor(launchSurface_, QStringLiteral("Open Chipwhistle in")));
    launchSurfaceSubtitle_ = description(launchSurface_, {});
    surfaceTexts->addWidget(launchSurfaceSubtitle_);
    surfaceLayout->addLayout(surfaceTexts, 1);
    surfaceLayout->addWidget(launchSurface_, 0, Qt::AlignTop);
    form->addRow(surfaceRow);

    launchAtLogin_ = new FormSwitch(QStringLiteral("Launch at login"));
    connect(launchAtLogin_, &QCheckBox::toggled, this, [this](bool on) {
        if (environment_.launchAtLogin)
            environment_.launchAtLogin->set(on);
        // The switch shows what the desktop reports, not what was asked.
        refresh();
    });
    form->addRow(launchAtLogin_);

    approvalRow_ = new QWidget;
    auto* approval = new QHBoxLayout(approvalRow_);
    approval->setContentsMargins(0, 0, 0, 0);
    approval->addWidget(
        subtitle(QStringLiteral("Allow Chipwhistle in Login Items to finish turning this on.")), 1);
    // Autostart entries never wait for approval here, so this row has nowhere to send the player.
    auto* openLoginItems = button(QStringLiteral("Open Login Items…"));
    openLoginItems->setEnabled(false);
    approval->addWidget(openLoginItems);
    form->addRow(approvalRow_);

    loginError_ = problemText();
    form->addRow(loginError_);
    return group;
}

QWidget* SettingsView::bankrollSection() {
    QFormLayout* form = nullptr;
    auto* group = section(QStringLiteral("Bankroll"), form);
    bankrollSection_ = group;
    bankroll_ = new QLabel;
    handsPlayed_ = new QLabel;
    sitAndGoResults_ = new QLabel;
    for (auto* value : {bankroll_, handsPlayed_, sitAndGoResults_})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(labelled(QStringLiteral("Bankroll"), bankroll_));
    form->addRow(labelled(QStringLiteral("Hands played"), handsPlayed_));
    form->addRow(labelled(QStringLiteral("Sit & Go results"), sitAndGoResults_));

    auto* reset = button(QStringLiteral("Reset Bankroll…"));
    connect(reset, &QAbstractButton::clicked, this, &SettingsView::askToReset);
    auto* resetRow = new QWidget;
    auto* row = new QHBoxLayout(resetRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(reset);
    form->addRow(resetRow);
    return group;
}

void SettingsView::showGuide() {
    if (guideSheet_) {
        guideSheet_->raise();
        guideSheet_->activateWindow();
        return;
    }
    const SettingsRules::GuideThemes themes = guideThemesNow(environment_);

    auto* sheet = new QDialog(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->setWindowTitle(QStringLiteral("Poker Basics"));
    sheet->setFixedSize(guideSize);
    PokerBasicsView::Setup setup;
    setup.art = themes.art;
    setup.theme = themes.theme;
    setup.presentation = PokerBasicsView::Presentation::panel;
    setup.onDone = [sheet] { sheet->close(); };
    setup.announcer = environment_.announcer;
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PokerBasicsView(std::move(setup), sheet));
    guideSheet_ = sheet;
    sheet->show();
}

void SettingsView::askToReset() {
    const bool hasTable = environment_.controller && environment_.controller->hasTable();
    const bool hasSave = environment_.appState && environment_.appState->savedGame().has_value();
    // Asked again in a new look keeps the keys where the first asking found them.
    if (!resetQuestion_)
        resetReturn_.remember(this);
    closeResetQuestion(false);
    const TableTheme look = SettingsLook::theme(appearance_->flags());
    resetShade_ = new CardShade([this] { closeResetQuestion(true); }, this);
    resetQuestion_ = new ConfirmationPanel(look, look, SettingsRules::resetTitle(),
                                           SettingsRules::resetMessage(hasTable, hasSave),
                                           {QStringLiteral("Cancel"), [this] { closeResetQuestion(true); }},
                                           ConfirmationPanel::Answer{QStringLiteral("Reset Bankroll"),
                                                                     [this] {
                                                                         closeResetQuestion(true);
                                                                         confirmReset();
                                                                     }},
                                           this);
    // The form under the question takes neither clicks nor keys, so Tab stays on its two answers.
    scroll_->setEnabled(false);
    // The figures the question asks about stay in view under it: the question rests at the top, and the
    // form shows its end, where they stand.
    scroll_->ensureWidgetVisible(bankrollSection_, 0, 0);
    placeResetQuestion();
    resetShade_->show();
    resetQuestion_->show();
    resetQuestion_->raise();
    // The safe answer takes the keys, with its ring showing what Return presses.
    resetQuestion_->dismissButton()->setFocus(Qt::TabFocusReason);
}

void SettingsView::placeResetQuestion() {
    resetShade_->setGeometry(rect());
    resetQuestion_->setGeometry(restingAtTop(rect(), *resetQuestion_));
}

void SettingsView::closeResetQuestion(bool giveKeysBack) {
    if (!resetQuestion_)
        return;
    for (QWidget* layer : {static_cast<QWidget*>(resetQuestion_), static_cast<QWidget*>(resetShade_)}) {
        // The button whose click closes the question is still on the stack.
        layer->hide();
        layer->deleteLater();
    }
    resetQuestion_.clear();
    resetShade_.clear();
    scroll_->setEnabled(true);
    if (giveKeysBack)
        resetReturn_.restore(FocusReturn::firstControl(scroll_->widget()));
}

void SettingsView::confirmReset() {
    if (!environment_.appState || !environment_.controller)
        return;
    SettingsRules::resetBankroll(*environment_.appState, *environment_.controller);
    say(SettingsRules::resetAnnouncement(environment_.appState->profile().bankroll));
}

void SettingsView::say(const QString& words) {
    if (environment_.announcer)
        environment_.announcer->announce(words);
}

void SettingsView::refresh() {
    const AppState* state = environment_.appState;
    if (!state)
        return;
    const AppSettings& settings = state->profile().settings;

    for (std::size_t i = 0; i < speeds.size(); ++i)
        if (speeds[i] == settings.botSpeed)
            setIndex(botSpeed_, static_cast<int>(i));
    setChecked(autoDeal_, settings.autoDeal);
    setIndex(defaultTable_, SettingsRules::defaultTableIndex(settings.defaultTable).value_or(-1));
    setChecked(learningMode_, settings.learningMode);
    setChecked(fourColorDeck_, settings.fourColorDeck);
    deckPreview_->setLook(settings.style, isDark(), settings.fourColorDeck);
    setChecked(sounds_, settings.soundsOn);
    setChecked(stackInMenuBar_, settings.showStackInMenuBar);

    setChecked(globalShortcut_, settings.hotkey.enabled);
    recorder_->setShortcut(settings.hotkey.shortcut);
    shortcutRow_->setVisible(SettingsRules::showsRecorder(settings.hotkey));
    const std::optional<QString> problem =
        environment_.hotkey ? environment_.hotkey->problem() : std::optional<QString>{};
    hotkeyProblem_->setText(problem.value_or(QString()));
    hotkeyProblem_->setVisible(SettingsRules::showsHotkeyProblem(settings.hotkey, problem));
    const std::optional<QString> refusal =
        SettingsRules::refusalNote(settings.hotkey, recorder_->isRecording(), recorder_->refusal());
    refusalNote_->setText(refusal.value_or(QString()));
    refusalNote_->setVisible(refusal.has_value());

    setIndex(launchSurface_, settings.launchSurface == LaunchSurface::window ? 1 : 0);
    launchSurfaceSubtitle_->setText(SettingsRules::launchSurfaceSubtitle(settings.launchSurface));
    // A reader speaks a new explanation of the drop-down it is on. The option an arrow chose is said as
    // the key's handling ends, and the player hears it first, then what it means.
    const QString explanation = launchSurfaceSubtitle_->text();
    if (launchSurface_->hasFocus())
        QTimer::singleShot(0, launchSurface_, [box = launchSurface_, explanation] {
            StyleAccessibility::setDescription(box, explanation);
        });
    else
        StyleAccessibility::setDescription(launchSurface_, explanation);
    const LaunchAtLogin* login = environment_.launchAtLogin;
    const LoginItemStatus status = login ? login->status() : LoginItemStatus::notRegistered;
    setChecked(launchAtLogin_,
               status == LoginItemStatus::enabled || status == LoginItemStatus::requiresApproval);
    approvalRow_->setVisible(status == LoginItemStatus::requiresApproval);
    const std::optional<QString> loginError = login ? login->error() : std::optional<QString>{};
    loginError_->setText(loginError.value_or(QString()));
    loginError_->setVisible(loginError.has_value());

    const Profile& profile = state->profile();
    const auto show = [](QLabel* value, const QString& text) {
        value->setText(text);
        StyleAccessibility::setName(
            value, SettingsRules::spokenValue(value->property(valueTitleProperty).toString(), text));
    };
    show(bankroll_, SettingsRules::bankrollText(profile.bankroll));
    show(handsPlayed_, SettingsRules::handsPlayedText(profile.counters.handsPlayed));
    show(sitAndGoResults_,
         SettingsRules::sitAndGoSummary(profile.counters.sitAndGoFirsts, profile.counters.sitAndGoSeconds,
                                        profile.counters.sitAndGosPlayed));
}

bool SettingsView::isDark() const {
    return appearance_->flags().dark;
}

FormDropDown* SettingsView::dropDown(const QStringList& options) {
    auto* made = new FormDropDown(options);
    connect(made, &FormDropDown::steppedTo, this, &SettingsView::say);
    return made;
}

StyledButton* SettingsView::button(const QString& title) {
    auto* made = new StyledButton(SettingsLook::theme(appearance_->flags()), title, ControlKind::secondary(),
                                  ControlSize::small);
    made->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    buttons_.push_back(made);
    return made;
}

void SettingsView::applyLook() {
    const TableTheme theme = SettingsLook::theme(appearance_->flags());
    const SettingsLook::Colours look = SettingsLook::colours(theme);
    setPalette(lookPalette(look));
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property(explanationProperty).toBool())
            setTextColour(label, look.explanation);
        if (label->property(problemProperty).toBool())
            setTextColour(label, look.problem);
    }
    for (StyledButton* made : buttons_)
        made->setTheme(theme);
    for (FormSwitch* choice : findChildren<FormSwitch*>())
        choice->setEdge(look.controlEdge);
    if (resetQuestion_)
        askToReset();
}

QSize SettingsView::sizeHint() const {
    return {formWidth, scroll_->widget()->sizeHint().height()};
}

void SettingsView::fitScreen() {
    // The form scrolls inside a window shorter than it.
    ScreenFit::open(*this, sizeHint());
}

void SettingsView::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && !fitted_) {
        // Sized and placed once, on the screen it opens on; after that the player's size stands.
        fitted_ = true;
        fitScreen();
    }
    QWidget::showEvent(event);
    if (auto* login = environment_.launchAtLogin)
        login->setStatus(login->currentStatus());
    if (auto* surfaces = environment_.surfaces)
        surfaces->setSettingsOpen(true);
    refresh();
}

void SettingsView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isWindow()) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SettingsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resetQuestion_)
        placeResetQuestion();
}

void SettingsView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimized window is still open.
    if (window()->isMinimized())
        return;
    // Closing the window answers nothing: it opens again without the question.
    closeResetQuestion(false);
    if (auto* surfaces = environment_.surfaces)
        surfaces->settingsDidClose();
}
