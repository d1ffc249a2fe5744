#include "Learn/GuideShell.h"
#include "Learn/HandTag.h"
#include "Learn/PracticeNarration.h"
#include "Views/Learn/BasicsArt.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/HandTagView.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Learn/TermPanel.h"

#include "LearnFixtures.h"
#include "Support/WidgetEvents.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

// Renders the learning views to PNG files under the build folder, for a person to look at: the guide's
// tabs in both presentations, the chart with a selection, term panels, hand tags and practice captions in
// each style.

namespace {

QString folder() {
    return WidgetEvents::galleryFolder(QStringLiteral("learn"));
}

TableTheme themeFor(TableStyleID style, TableSurface surface, bool dark = false) {
    return TableTheme::drawnIn(style, surface, 2, AppearanceFlags{dark, false, false});
}

QString styleName(TableStyleID style) {
    return QString::fromUtf8(toString(style).data());
}

// A widget at a size, on a backdrop of the colour a screen would show behind it. It is drawn inside a
// host window, as screens show it, so effects on the widget itself (the panels' clip) apply.
void save(QWidget& widget, QSize size, const QString& name, QColor backdrop = QColor(236, 236, 236),
          QWidget* focused = nullptr) {
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, backdrop);
    host.setPalette(palette);
    host.setAutoFillBackground(true);
    widget.setParent(&host);
    widget.setGeometry(QRect(QPoint(), size));
    host.resize(size);
    host.show();
    if (focused) {
        QApplication::setActiveWindow(&host);
        focused->setFocus(Qt::TabFocusReason);
    }
    QApplication::processEvents();
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(backdrop);
    QPainter painter(&image);
    host.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    host.hide();
    widget.setParent(nullptr);
    ASSERT_TRUE(image.save(folder() + QLatin1Char('/') + name + QStringLiteral(".png")))
        << name.toStdString();
}

QColor backdrop(bool dark) {
    return dark ? QColor(30, 30, 30) : QColor(236, 236, 236);
}

// Where the guide is shown, at the sizes it gets there: the lobby's panel in the window, the panel
// covering the popover, and the table window's sidebar at its narrowest and at its usual width.
struct GuidePlace {
    QString name;
    PokerBasicsView::Presentation presentation;
    QSize size;
};

const std::vector<GuidePlace>& guidePlaces() {
    using Presentation = PokerBasicsView::Presentation;
    static const std::vector<GuidePlace> places{
        {"panel", Presentation::panel, {460, 640}},
        {"popover", Presentation::panel, {420, 560}},
        {"sidebar260", Presentation::sidebar, {static_cast<int>(GuideShell::narrowestWidth), 640}},
        {"sidebar300", Presentation::sidebar, {300, 640}},
    };
    return places;
}

} // namespace

TEST(LearnGallery, GuideTabs) {
    for (const bool dark : {false, true}) {
        const WidgetEvents::DesktopAppearance desktop(dark);
        const TableTheme theme = themeFor(TableStyleID::satin, TableSurface::window, dark);
        const QString look = dark ? QStringLiteral("dark") : QStringLiteral("light");
        for (const GuidePlace& place : guidePlaces()) {
            const auto guideAt = [&](GuideDestination opening) {
                PokerBasicsView::Setup setup;
                setup.art = theme;
                setup.theme = theme;
                setup.presentation = place.presentation;
                setup.opening = opening;
                return setup;
            };
            const QString prefix = QStringLiteral("guide-%1-%2").arg(place.name, look);
            for (int page : {0, 1, 2, 3, 4, 5}) {
                PokerBasicsView::Setup setup = guideAt(GuideDestination::basics(page));
                if (place.name == QLatin1String("panel") && page == 5) {
                    setup.playPractice = [] {};
                }
                PokerBasicsView guide(setup);
                save(guide, place.size, QStringLiteral("%1-basics-%2").arg(prefix).arg(page), backdrop(dark));
            }
            PokerBasicsView::Setup rankings = guideAt(GuideDestination::rankings());
            rankings.heldRank = QStringLiteral("Two Pair");
            PokerBasicsView ranked(rankings);
            save(ranked, place.size, prefix + QStringLiteral("-rankings"), backdrop(dark));

            PokerBasicsView::Setup starters = guideAt(GuideDestination::starters());
            starters.currentHand =
                BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true);
            PokerBasicsView chart(starters);
            save(chart, place.size, prefix + QStringLiteral("-starters"), backdrop(dark));
            if (place.presentation == PokerBasicsView::Presentation::sidebar) {
                // The keys on the chart where it scrolls sideways: the ring round the part in view.
                PokerBasicsView keyed(starters);
                auto* tab = qobject_cast<StartersTab*>(keyed.tabContent());
                save(keyed, place.size, prefix + QStringLiteral("-starters-focused"), backdrop(dark),
                     tab->chart());
            }

            PokerBasicsView words(guideAt(GuideDestination::glossary(Term::sidePot)));
            save(words, place.size, prefix + QStringLiteral("-glossary"), backdrop(dark));
        }
    }
}

TEST(LearnGallery, GlossarySearches) {
    for (const QString& query : {QStringLiteral("blind"), QStringLiteral("zebra")}) {
        GlossaryTab tab(TableTheme::standard(), Term::sidePot, nullptr);
        tab.searchField()->setText(query);
        save(tab, QSize(300, 420), QStringLiteral("glossary-search-%1").arg(query));
    }
    // The keys on a result: the row ringed, as Tab from the field leaves it.
    GlossaryTab tab(TableTheme::standard(), std::nullopt, nullptr);
    tab.searchField()->setText(QStringLiteral("blind"));
    save(tab, QSize(300, 420), QStringLiteral("glossary-search-blind-row-focused"), QColor(236, 236, 236),
         tab.row(Term::blinds));
    // A result that nearly fills the panel, in the guide as Settings shows it: no bar.
    PokerBasicsView::Setup settings;
    settings.opening = GuideDestination::glossary(std::nullopt);
    PokerBasicsView guide(settings);
    qobject_cast<GlossaryTab*>(guide.tabContent())->searchField()->setText(QStringLiteral("blind"));
    save(guide, QSize(440, 600), QStringLiteral("glossary-search-blind-settings"));
    RankingsTab ranked(TableTheme::standard(), false, std::nullopt);
    save(ranked, QSize(420, 560), QStringLiteral("rankings-row-focused"), QColor(236, 236, 236),
         ranked.rows()[1]);
}

TEST(LearnGallery, ChartWithSelection) {
    for (const bool dark : {false, true}) {
        for (const bool contrast : {false, true}) {
            StartersChartView chart(
                BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true), dark,
                contrast);
            chart.select(BotKit::StartingHand(PokerEngine::Rank::six, PokerEngine::Rank::six, false));
            // As wide as the guide gives it, and at its narrowest, where the sidebar scrolls it.
            const int narrowest = chart.minimumWidth();
            for (const int side : {360, narrowest}) {
                save(chart, QSize(side, side),
                     QStringLiteral("chart-%1%2%3")
                         .arg(dark ? "dark" : "light", contrast ? "-contrast" : "",
                              side == narrowest ? "-narrowest" : ""),
                     dark ? QColor(30, 30, 30) : QColor(246, 246, 246));
            }
        }
    }
}

TEST(LearnGallery, TermPanels) {
    for (const auto style : allTableStyleIDs) {
        for (const Term term : {Term::kicker, Term::buyIn, Term::button, Term::blinds, Term::difficulty,
                                Term::pot, Term::cashTable, Term::headsUp}) {
            const TableTheme theme = themeFor(style, TableSurface::window);
            TermPanel panel(
                theme, term, TermNumbers{PokerEngine::BlindLevel{25, 50, 0}}, theme, [] {},
                [](const GuideDestination&) {});
            save(
                panel, QSize(420, panel.heightForWidth(420) > 0 ? panel.heightForWidth(420) : 190),
                QStringLiteral("term-%1-%2").arg(styleName(style), QString::fromUtf8(toString(term).data())));
        }
    }
    // In the dark, and without a way into the guide.
    const WidgetEvents::DesktopAppearance desktop(true);
    const TableTheme dark = themeFor(TableStyleID::satin, TableSurface::window, true);
    TermPanel panel(dark, Term::sitAndGo, TermNumbers{}, dark, [] {}, {});
    save(panel, QSize(420, panel.heightForWidth(420)), QStringLiteral("term-satin-dark-sitAndGo"),
         backdrop(true));
}

TEST(LearnGallery, HandTags) {
    using LearnFixtures::cards;
    const std::vector<std::pair<QString, HandTag>> tags{
        {"preflop",
         HandTag::preflop(BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true), 2)},
        {"weak",
         HandTag::preflop(BotKit::StartingHand(PokerEngine::Rank::seven, PokerEngine::Rank::two, false), 6)},
        {"twopair", HandTag::postflop(cards({"Jh", "4c"}), cards({"Jd", "4s", "9c"}))},
        {"flushdraw", HandTag::postflop(cards({"Ah", "3h"}), cards({"Kh", "9h", "2c"}))},
        {"toppair", HandTag::postflop(cards({"Kd", "7c"}), cards({"Kh", "9s", "2d"}))},
        {"shrunk", HandTag::postflop(cards({"Ah", "3h"}), cards({"Kh", "9h", "2c"}))},
    };
    for (const auto style : allTableStyleIDs) {
        for (const auto surface : {TableSurface::popover, TableSurface::window}) {
            for (const auto& [name, tag] : tags) {
                HandTagView view(themeFor(style, surface), tag);
                if (name == QLatin1String("shrunk")) {
                    save(view, view.minimumSizeHint(),
                         QStringLiteral("tag-%1-%2-shrunk")
                             .arg(styleName(style), surface == TableSurface::popover ? "popover" : "window"),
                         QColor(40, 110, 70));
                    continue;
                }
                save(
                    view, view.sizeHint(),
                    QStringLiteral("tag-%1-%2-%3")
                        .arg(styleName(style), surface == TableSurface::popover ? "popover" : "window", name),
                    QColor(40, 110, 70));
            }
        }
    }
}

TEST(LearnGallery, PracticeCaptions) {
    const std::vector<std::pair<QString, PracticeCaption>> captions{
        {"step",
         PracticeCaption{PracticeStep::firstDecision, title(PracticeStep::firstDecision),
                         "The big blind is 20. To stay in, **call** 10 more. You can also **raise** to bet "
                         "more, or **fold** and give up what you've put in."}},
        {"folded",
         PracticeCaption{PracticeCaption::Folded{}, "You folded",
                         "Folding gave up the 10 chips you'd put in, so Biscuit took the pot of 20 without "
                         "showing. Try again and play it through to the showdown."}},
    };
    for (const auto style : allTableStyleIDs) {
        for (const bool dark : {false, true}) {
            for (const auto& [name, caption] : captions) {
                PracticeCaptionView view(themeFor(style, TableSurface::window, dark), caption, {}, nullptr);
                save(view, QSize(520, 190),
                     QStringLiteral("caption-%1-%2-%3").arg(styleName(style), dark ? "dark" : "light", name),
                     dark ? QColor(30, 30, 30) : QColor(236, 236, 236));
            }
        }
    }
}

TEST(LearnGallery, BasicsArtInEachStyle) {
    for (const bool dark : {false, true}) {
        for (const auto style : allTableStyleIDs) {
            for (const BasicsPage page : allBasicsPages) {
                BasicsArt art(themeFor(style, TableSurface::window, dark), page);
                save(art, QSize(420, 180),
                     QStringLiteral("art-%1-%2-%3")
                         .arg(styleName(style), dark ? "dark" : "light")
                         .arg(rawValue(page)));
            }
        }
    }
    // The sidebar's illustration is 140 high and as narrow as the sidebar allows.
    BasicsArt narrow(themeFor(TableStyleID::satin, TableSurface::window), BasicsPage::blinds);
    save(narrow, QSize(232, 140), QStringLiteral("art-satin-narrow-2"));
}
