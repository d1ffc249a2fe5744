#include "Views/Onboarding/MakeItYoursPage.h"

#include "AppState.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/FloatingArt.h"
#include "Style/SheetControls.h"
#include "Style/SpokenSentences.h"
#include "Views/Onboarding/OnboardingFlow.h"
#include "Views/Onboarding/OnboardingPieces.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr double left = 40;
constexpr double columnWidth = 520;
constexpr double titleTop = 52;
constexpr double cardSpacing = 12;

const QString heading = QStringLiteral("Make it yours");
const QString intro = QStringLiteral(
    "Tell us how well you know poker, and pick how you'll play. You can change these in Settings.");

const RiseIn titleRise{0.1};

struct Section {
    QString title;
    double topPadding;
    RiseIn rise;
};
const std::array<Section, 3> sections{{
    {QStringLiteral("Played Hold'em before?"), 26, {0.26}},
    {QStringLiteral("Default table"), 18, {0.32}},
    {QStringLiteral("Open Chipwhistle in"), 18, {0.4}},
}};

QFont headingFont() {
    return ThemeFonts::system(34, FontWeight::bold);
}
QFont introFont() {
    return ThemeFonts::system(14, FontWeight::regular);
}
QFont headerFont() {
    return ThemeFonts::system(12, FontWeight::semibold);
}

double introHeight() {
    return QFontMetricsF(introFont())
        .boundingRect(QRectF(0, 0, columnWidth, 1000), Qt::TextWordWrap, intro)
        .height();
}

// The top of each section's header and of its row of cards, down the column.
struct SectionPlace {
    double header = 0;
    double cards = 0;
};
std::array<SectionPlace, 3> sectionPlaces() {
    std::array<SectionPlace, 3> places{};
    double y = titleTop + QFontMetricsF(headingFont()).height() + 8 + introHeight();
    for (std::size_t i = 0; i < sections.size(); ++i) {
        places[i].header = y + sections[i].topPadding;
        places[i].cards = places[i].header + QFontMetricsF(headerFont()).height() + 8;
        y = places[i].cards + OptionCard::cardSize.height();
    }
    return places;
}

} // namespace

MakeItYoursPage::MakeItYoursPage(const TableTheme& theme, AppState* appState, std::optional<bool> newToPoker,
                                 AnswerNewToPoker answer, QWidget* parent)
    : OnboardingPage(theme, parent)
    , appState_(appState)
    , newToPoker_(newToPoker)
    , answer_(std::move(answer)) {
    const auto choose = [this](auto write) {
        return [this, write] {
            if (appState_)
                write(*appState_);
        };
    };
    const auto answerWith = [this](bool value) {
        return [this, value] {
            if (answer_)
                answer_(value);
            setNewToPoker(value);
            if (appState_)
                OnboardingFlow::chooseNewToPoker(*appState_, value);
        };
    };
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        rows_[row] = new QWidget(this);
        StyleAccessibility::setRole(rows_[row], QAccessible::Grouping);
        rows_[row]->setAccessibleName(sections[row].title);
    }
    cards_ = {
        new OptionCard(theme, ArtIcon::knowsRules, QStringLiteral("I know the rules"),
                       QStringLiteral("Straight to the tables."), answerWith(false), rows_[0]),
        new OptionCard(theme, ArtIcon::newToPoker, QStringLiteral("I'm new to poker"),
                       QStringLiteral("Learning mode and a free practice hand."), answerWith(true), rows_[0]),
        new OptionCard(theme, ArtIcon::quickHand, QStringLiteral("Quick Hand"),
                       QStringLiteral("One hand, one bot. About a minute."), choose([](AppState& s) {
                           OnboardingFlow::chooseDefaultTable(s, GameMode::quickHand);
                       }),
                       rows_[1]),
        new OptionCard(theme, ArtIcon::sitAndGo, QStringLiteral("Sit & Go"),
                       QStringLiteral("Six players, rising blinds. 10–15 min."),
                       choose([](AppState& s) { OnboardingFlow::chooseDefaultTable(s, GameMode::sitAndGo); }),
                       rows_[1]),
        new OptionCard(theme, ArtIcon::menuBar, QStringLiteral("System Tray"),
                       QStringLiteral("A small popover from the chip icon."), choose([](AppState& s) {
                           OnboardingFlow::chooseLaunchSurface(s, LaunchSurface::menuBar);
                       }),
                       rows_[2]),
        new OptionCard(theme, ArtIcon::window, QStringLiteral("Window"),
                       QStringLiteral("A full window with the action log."), choose([](AppState& s) {
                           OnboardingFlow::chooseLaunchSurface(s, LaunchSurface::window);
                       }),
                       rows_[2]),
    };
    // Each row spans its two cards, shadow room included; the cards are placed in page terms, then
    // moved into their row.
    const auto places = sectionPlaces();
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const double x = left + (i % 2) * (OptionCard::cardSize.width() + cardSpacing);
        cards_[i]->placeCard(QPointF(x, places[i / 2].cards));
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        OptionCard* first = cards_[2 * row];
        OptionCard* second = cards_[2 * row + 1];
        const QRect span = first->geometry().united(second->geometry());
        rows_[row]->setGeometry(span);
        for (OptionCard* card : {first, second})
            card->move(card->pos() - span.topLeft());
    }
    setAccessibleName(reading());
    if (appState_)
        connect(appState_, &AppState::profileChanged, this, &MakeItYoursPage::refresh);
    refresh();
    advance(0);
}

QString MakeItYoursPage::reading() const {
    return SpokenSentences::join({heading, intro});
}

void MakeItYoursPage::setTheme(const TableTheme& theme) {
    for (OptionCard* card : cards_)
        card->setTheme(theme);
    OnboardingPage::setTheme(theme);
}

void MakeItYoursPage::setNewToPoker(std::optional<bool> newToPoker) {
    newToPoker_ = newToPoker;
    refresh();
}

void MakeItYoursPage::refresh() {
    cards_[0]->setSelected(newToPoker_ == false);
    cards_[1]->setSelected(newToPoker_ == true);
    if (!appState_) {
        placeTabStops();
        return;
    }
    const AppSettings& settings = appState_->profile().settings;
    cards_[2]->setSelected(settings.defaultTable == GameMode::quickHand);
    cards_[3]->setSelected(settings.defaultTable == GameMode::sitAndGo);
    cards_[4]->setSelected(settings.launchSurface == LaunchSurface::menuBar);
    cards_[5]->setSelected(settings.launchSurface == LaunchSurface::window);
    placeTabStops();
}

void MakeItYoursPage::placeTabStops() {
    // A question is one Tab stop, at its answer (the first card while unanswered); the arrows move the
    // answer and the keys with it, as in the game's other pickers.
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const std::array<OptionCard*, 2> pair{cards_[2 * row], cards_[2 * row + 1]};
        const std::optional<int> chosen = pair[0]->isSelected()   ? std::optional(0)
                                          : pair[1]->isSelected() ? std::optional(1)
                                                                  : std::nullopt;
        const int stop = SlidingPickerRules::tabStop(chosen, static_cast<int>(pair.size()));
        for (int i = 0; i < static_cast<int>(pair.size()); ++i)
            pair[static_cast<std::size_t>(i)]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

bool MakeItYoursPage::moving(double sinceShown) const {
    return !sections.back().rise.entered(sinceShown, reduceMotion());
}

void MakeItYoursPage::advance(double sinceShown) {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        const RiseIn::Placement at = sections[i / 2].rise.at(sinceShown, reduceMotion());
        cards_[i]->setEntrance(at.opacity, at.dy);
    }
}

void MakeItYoursPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool reduced = reduceMotion();
    const double since = sinceShown();

    const RiseIn::Placement title = titleRise.at(since, reduced);
    painter.setOpacity(title.opacity);
    const double headingHeight = QFontMetricsF(headingFont()).height();
    painter.setFont(headingFont());
    painter.setPen(OnboardingInk::primary(theme()));
    painter.drawText(QRectF(left, titleTop + title.dy, columnWidth, headingHeight),
                     Qt::AlignLeft | Qt::AlignTop, heading);
    painter.setFont(introFont());
    painter.setPen(OnboardingInk::secondary(theme()));
    painter.drawText(QRectF(left, titleTop + headingHeight + 8 + title.dy, columnWidth, introHeight()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, intro);

    const auto places = sectionPlaces();
    painter.setFont(headerFont());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const RiseIn::Placement at = sections[i].rise.at(since, reduced);
        painter.setOpacity(at.opacity);
        painter.drawText(
            QRectF(left + 2, places[i].header + at.dy, columnWidth - 2, QFontMetricsF(headerFont()).height()),
            Qt::AlignLeft | Qt::AlignTop, sections[i].title);
    }
}
