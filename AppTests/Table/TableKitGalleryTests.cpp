#include "PokerEngine/Engine.h"
#include "Style/AvatarModel.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/TextPainter.h"
#include "Support/TestPaths.h"
#include "Table/LogEntry.h"
#include "Table/RaiseTarget.h"
#include "Table/Screen/SeatClearance.h"
#include "Views/Controls/AmountField.h"
#include "Views/Table/ActionBar.h"
#include "Views/Table/ActionLogView.h"
#include "Views/Table/CardSlot.h"
#include "Views/Table/CardView.h"
#include "Views/Table/ChipStackView.h"
#include "Views/Table/FeltView.h"
#include "Views/Table/PausedTableOverlay.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

// Renders the table kit (cards, felts, chip stacks, the action bar and the log) in every style and
// appearance to PNG files under the build folder, for a person to look at.

namespace {

using PokerEngine::Card;

QString galleryFolder() {
    const QString folder = TestPaths::buildFolder() + QStringLiteral("/gallery/table-kit");
    QDir().mkpath(folder);
    return folder;
}

QString appearanceName(const AppearanceFlags& flags, bool fourColors = false) {
    QString name = flags.dark ? QStringLiteral("dark") : QStringLiteral("light");
    if (flags.increaseContrast)
        name += QStringLiteral("-contrast");
    if (fourColors)
        name += QStringLiteral("-four-colour");
    return name;
}

void save(const QImage& image, const QString& name) {
    ASSERT_TRUE(image.save(galleryFolder() + "/" + name + ".png")) << name.toStdString();
}

// The felt green a card lies on, so shadows and edges read as they do at the table.
QColor feltGreen(bool dark) {
    return dark ? QColor(31, 70, 62) : QColor(55, 112, 95);
}

void caption(QPainter& painter, const QString& text, int x, int y, const RGB& colour = RGB::white) {
    TextPainter::paint(painter, QRectF(x, y, 900, 16), TableTheme::standard(), text, TextRole::caption,
                       colour, Qt::AlignLeft | Qt::AlignVCenter);
}

QImage cardSheet(const TableTheme& theme) {
    const QSizeF board(60, 84);
    QImage sheet(13 * 68 + 24, 4 * 100 + 300, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(feltGreen(theme.dark));
    QPainter painter(&sheet);
    int y = 8;
    caption(painter, QStringLiteral("Every face at board size"), 12, y);
    y += 22;
    for (PokerEngine::Suit suit : {PokerEngine::Suit::spades, PokerEngine::Suit::hearts,
                                   PokerEngine::Suit::diamonds, PokerEngine::Suit::clubs}) {
        for (PokerEngine::Rank rank : PokerEngine::allRanks)
            CardView::paint(painter, QPointF(12 + PokerEngine::rankIndex(rank) * 68, y), theme,
                            Card{rank, suit}, board, false);
        y += 100;
    }
    caption(painter, QStringLiteral("Hero, board, bot, log sizes: face, back, lifted, empty place"), 12, y);
    y += 22;
    // The log's small cards are 9 by 12 pixel units in the pixel style.
    const std::vector<QSizeF> sizes{{72, 101},
                                    {60, 84},
                                    {32, 45},
                                    {27, 39},
                                    theme.style == TableStyleID::pixel ? QSizeF(27, 36) : QSizeF(14, 20)};
    int x = 12;
    const auto ten = Card::fromCode("Th");
    for (QSizeF size : sizes) {
        CardView::paint(painter, QPointF(x, y), theme, ten, size, false);
        CardView::paint(painter, QPointF(x, y + 120), theme, std::nullopt, size, false);
        x += static_cast<int>(size.width()) + 14;
    }
    for (QSizeF size : sizes) {
        CardView::paint(painter, QPointF(x, y), theme, Card::fromCode("Ac"), size, true);
        CardSlot::paint(painter, QRectF(QPointF(x, y + 120), size), theme);
        x += static_cast<int>(size.width()) + 14;
    }
    return sheet;
}

QSizeF tableSize(TableStyleID style, TableSurface surface) {
    if (surface == TableSurface::popover)
        return TableGeometry::popover(style).table.size();
    return SeatClearance::windowGeometry(QSizeF(1100, 750), style).table.size();
}

// Light and dark down the sheet, plain and paused across.
QImage feltSheet(TableStyleID style, TableSurface surface) {
    const QSizeF table = tableSize(style, surface);
    const int cellWidth = static_cast<int>(table.width()) + 60;
    const int cellHeight = static_cast<int>(table.height()) + 80;
    QImage sheet(2 * cellWidth + 20, 2 * cellHeight + 20, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(120, 120, 128));
    QPainter painter(&sheet);
    for (int row = 0; row < 2; ++row) {
        const TableTheme theme = TableTheme::drawnIn(style, surface, surface == TableSurface::window ? 3 : 2,
                                                     AppearanceFlags{row == 1, false, false});
        painter.fillRect(QRect(0, row * cellHeight + 10, sheet.width(), cellHeight),
                         row == 1 ? QColor(30, 30, 34) : QColor(236, 236, 240));
        for (int column = 0; column < 2; ++column) {
            const QRectF place(QPointF(20 + column * cellWidth, row * cellHeight + 40), table);
            caption(painter, column == 0 ? QStringLiteral("playing") : QStringLiteral("paused"),
                    static_cast<int>(place.left()), static_cast<int>(place.top()) - 24,
                    row == 1 ? RGB::white : RGB::black);
            FeltView::paint(painter, place, theme);
            if (column == 1)
                PausedTableOverlay::paint(painter, place, theme);
        }
    }
    return sheet;
}

QImage chipSheet(TableStyleID style, const AppearanceFlags& flags) {
    const std::vector<std::int64_t> amounts{1, 7, 30, 60, 275, 1234, 5000, 75000, 100000};
    // Twice the size, so the chips can be looked at closely.
    QImage sheet(2200, 840, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(feltGreen(flags.dark));
    QPainter painter(&sheet);
    painter.scale(2, 2);
    int y = 10;
    for (TableSurface surface : {TableSurface::window, TableSurface::popover}) {
        for (bool lifted : {false, true}) {
            const TableTheme theme =
                TableTheme::drawnIn(style, surface, surface == TableSurface::window ? 3 : 2, flags);
            caption(
                painter,
                QStringLiteral("%1%2: 1, 7, 30, 60, 275, 1,234, 5,000, 75,000, 100,000")
                    .arg(surface == TableSurface::window ? "window" : "popover", lifted ? ", lifted" : ""),
                12, y);
            double x = 12;
            double tallest = 0;
            for (std::int64_t amount : amounts)
                tallest = std::max(tallest, ChipStackView::size(amount, theme).height());
            for (std::int64_t amount : amounts) {
                const QSizeF size = ChipStackView::size(amount, theme);
                ChipStackView::paint(painter, QPointF(x, y + 24 + tallest - size.height()), theme, amount,
                                     lifted);
                x += size.width() + 24;
            }
            y += static_cast<int>(tallest) + 44;
        }
    }
    return sheet;
}

std::vector<AppearanceFlags> appearances() {
    return {{false, false, false}, {true, false, false}, {false, true, false}, {true, true, false}};
}

} // namespace

TEST(TableKitGallery, Cards) {
    for (TableStyleID style : allTableStyleIDs) {
        for (const AppearanceFlags& flags : appearances()) {
            const TableTheme theme = TableTheme::drawnIn(style, TableSurface::window, 3, flags);
            save(cardSheet(theme),
                 QStringLiteral("cards-%1-%2").arg(toString(style).data(), appearanceName(flags)));
        }
        const AppearanceFlags light{};
        const TableTheme four = TableTheme::drawnIn(style, TableSurface::window, 3, light, true);
        save(cardSheet(four),
             QStringLiteral("cards-%1-%2").arg(toString(style).data(), appearanceName(light, true)));
    }
}

TEST(TableKitGallery, Felts) {
    for (TableStyleID style : allTableStyleIDs)
        for (TableSurface surface : {TableSurface::window, TableSurface::popover})
            save(feltSheet(style, surface),
                 QStringLiteral("felt-%1-%2")
                     .arg(toString(style).data(), surface == TableSurface::window ? "window" : "popover"));
}

TEST(TableKitGallery, ChipStacks) {
    for (TableStyleID style : allTableStyleIDs)
        for (const AppearanceFlags& flags : appearances())
            save(chipSheet(style, flags),
                 QStringLiteral("chips-%1-%2").arg(toString(style).data(), appearanceName(flags)));
}

namespace {

struct BarCase {
    QString name;
    PokerEngine::LegalActions legal;
    std::int64_t stack;
    std::int64_t raiseTo;
    std::optional<RaisePreset> chosen;
    // Typed into the amount field and refused with Return.
    QString refused = {};
};

std::vector<BarCase> barCases() {
    const auto legal = [](bool check, std::optional<std::int64_t> call, std::optional<std::int64_t> minimum,
                          std::int64_t maximum, bool opens, bool allIn) {
        PokerEngine::LegalActions actions;
        actions.canFold = true;
        actions.canCheck = check;
        actions.callAmount = call;
        actions.minRaiseTo = minimum;
        actions.maxRaiseTo = maximum;
        actions.opensBetting = opens;
        actions.canAllIn = allIn;
        return actions;
    };
    return {
        {"check or open the betting", legal(true, std::nullopt, 20, 1500, true, true), 1500, 0, std::nullopt},
        {"facing a bet, half pot chosen", legal(false, 40, 80, 1500, false, true), 1500, 110,
         RaisePreset::halfPot},
        {"facing an all-in", legal(false, 300, std::nullopt, 300, false, false), 300, 0, std::nullopt},
        {"only all-in left", legal(false, 200, 500, 500, false, true), 500, 500, std::nullopt},
        {"no raise possible", legal(false, 40, std::nullopt, 1500, false, false), 1500, 0, std::nullopt},
        {"12.5 typed and refused", legal(false, 40, 80, 1500, false, true), 1500, 80, std::nullopt,
         QStringLiteral("12.5")}};
}

PokerEngine::PlayerView barView(const BarCase& bar) {
    PokerEngine::PlayerView view;
    view.seatIndex = 0;
    view.currentBet = bar.legal.callAmount.value_or(0);
    view.blinds = PokerEngine::BlindLevel{10, 20, 0};
    PokerEngine::SeatView hero;
    hero.index = 0;
    hero.stack = bar.stack;
    hero.status = PokerEngine::SeatStatus::active;
    PokerEngine::SeatView bot = hero;
    bot.index = 1;
    bot.streetBet = view.currentBet;
    view.seats = {hero, bot};
    view.pots.push_back(PokerEngine::Pot{60, {}});
    view.legalActions = bar.legal;
    return view;
}

QImage barSheet(TableStyleID style, const AppearanceFlags& flags, TableSurface surface) {
    const TableTheme theme =
        TableTheme::drawnIn(style, surface, surface == TableSurface::window ? 3 : 2, flags);
    const int width = surface == TableSurface::window ? 560 : 388;
    const auto cases = barCases();
    QImage sheet(width + 40, static_cast<int>(cases.size()) * 200 + 20, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(toQColor(theme.color(PaletteToken::stock)));
    QPainter painter(&sheet);
    int y = 10;
    for (const BarCase& bar : cases) {
        caption(painter, bar.name, 20, y, theme.color(PaletteToken::ink2));
        RaiseTarget target;
        target.setRaiseTo(bar.raiseTo);
        target.setChosenPreset(bar.chosen);
        ActionBar widget(theme, nullptr, target);
        widget.setView(barView(bar));
        widget.resize(width, 170);
        if (!bar.refused.isEmpty()) {
            widget.amountField()->lineEdit()->setText(bar.refused);
            QTest::keyClick(widget.amountField()->lineEdit(), Qt::Key_Return);
        }
        widget.render(&painter, QPoint(20, y + 20), QRegion(), QWidget::DrawChildren);
        y += 200;
    }
    return sheet;
}

// A whole hand at six seats, played to its showdown, for the log to show.
std::pair<PokerEngine::PlayerView, std::vector<LogEntry>> playedHand(bool heroToAct) {
    using namespace PokerEngine;
    std::vector<PlayerID> players;
    for (int i = 0; i < 6; ++i)
        players.push_back(PlayerID::random());
    GameState state = newTable(TableConfig{6, BlindSchedule::fixed(10, 20, 5), 1000}, players, 0xC0FFEE);
    state = startHand(state);
    int actions = 0;
    while (state.street() != Street::handComplete) {
        const auto acting = *state.actingIndex();
        if (heroToAct && acting == 0 && state.street() == Street::turn)
            break;
        const LegalActions legal = legalActions(state);
        Action action = legal.canCheck ? Action::check() : Action::call();
        if (actions == 2 && legal.minRaiseTo)
            action = legal.aggressiveAction(*legal.minRaiseTo * 3);
        if (acting == 4 && state.street() == Street::flop && legal.canCheck && legal.minRaiseTo)
            action = legal.aggressiveAction(60);
        state = apply(action, *state.seats()[static_cast<std::size_t>(acting)].player, state);
        ++actions;
    }
    const TableText names{[](std::int64_t seat) {
        static const QStringList cast{"You", "Goldie", "Finn", "Rascal", "Inky", "Mo"};
        return seat >= 0 && seat < cast.size() ? cast[seat] : QStringLiteral("Empty");
    }};
    const PlayerView view = PokerEngine::view(state, players[0]);
    return {view, LogEntry::entries(view, names, {3})};
}

QImage logSheet(TableStyleID style, const AppearanceFlags& flags) {
    const TableTheme theme = TableTheme::drawnIn(style, TableSurface::window, 3, flags);
    QImage sheet(2 * 320 + 30, 620, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(toQColor(theme.color(PaletteToken::stock)));
    QPainter painter(&sheet);
    const std::vector<RGB> seats{CharacterBackdrop::hero(),        CharacterBackdrop::color("goldie"),
                                 CharacterBackdrop::color("finn"), CharacterBackdrop::color("rascal"),
                                 CharacterBackdrop::unknown(),     CharacterBackdrop::color("mo")};
    const auto colours = [seats](std::int64_t seat) {
        return seat >= 0 && seat < static_cast<std::int64_t>(seats.size())
                   ? seats[static_cast<std::size_t>(seat)]
                   : RGB::magenta;
    };
    int x = 10;
    for (bool heroToAct : {false, true}) {
        const auto [view, rows] = playedHand(heroToAct);
        ActionLogView log(theme, nullptr);
        log.resize(320, 600);
        log.setRows(rows, view.handNumber, colours);
        if (heroToAct)
            log.scrollArea()->verticalScrollBar()->setValue(log.scrollArea()->verticalScrollBar()->maximum());
        log.render(&painter, QPoint(x, 10), QRegion(), QWidget::DrawChildren);
        x += 330;
    }
    return sheet;
}

} // namespace

TEST(TableKitGallery, ActionBars) {
    for (TableStyleID style : allTableStyleIDs) {
        for (const AppearanceFlags& flags : {AppearanceFlags{}, AppearanceFlags{true, false, false}})
            save(
                barSheet(style, flags, TableSurface::window),
                QStringLiteral("action-bar-%1-window-%2").arg(toString(style).data(), appearanceName(flags)));
        save(barSheet(style, AppearanceFlags{}, TableSurface::popover),
             QStringLiteral("action-bar-%1-popover-light").arg(toString(style).data()));
    }
}

TEST(TableKitGallery, ActionLog) {
    for (TableStyleID style : allTableStyleIDs)
        for (const AppearanceFlags& flags : {AppearanceFlags{}, AppearanceFlags{true, false, false}})
            save(logSheet(style, flags),
                 QStringLiteral("action-log-%1-%2").arg(toString(style).data(), appearanceName(flags)));
}
