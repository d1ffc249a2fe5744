#include "Learn/HandTag.h"
#include "Learn/PracticeNarration.h"
#include "Views/Learn/BasicsArt.h"
#include "Views/Learn/HandTagView.h"
#include "Views/Learn/PokerBasicsView.h"
#include "Views/Learn/PracticeCaptionView.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Learn/TermPanel.h"

#include "LearnFixtures.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// Renders the learning views to PNG files under the build folder, for a person to look at: the guide's
// tabs in both presentations, the chart with a selection, term panels, hand tags and practice captions in
// each style.

namespace {

QString folder() {
    const QString path = QStringLiteral(CHIPWHISTLE_TEST_OUTPUT_DIR "/gallery/learn");
    QDir().mkpath(path);
    return path;
}

TableTheme themeFor(TableStyleID style, TableSurface surface, bool dark = false) {
    return TableTheme::drawnIn(style, surface, 2, AppearanceFlags{dark, false, false});
}

QString styleName(TableStyleID style) {
    return QString::fromUtf8(toString(style).data());
}

// A widget at a size, on a backdrop of the colour a screen would show behind it. It is drawn inside a
// host window, as screens show it, so effects on the widget itself (the panels' clip) apply.
void save(QWidget& widget, QSize size, const QString& name, QColor backdrop = QColor(236, 236, 236)) {
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, backdrop);
    host.setPalette(palette);
    host.setAutoFillBackground(true);
    widget.setParent(&host);
    widget.setGeometry(QRect(QPoint(), size));
    host.resize(size);
    host.show();
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

} // namespace

TEST(LearnGallery, GuideTabs) {
    for (const auto presentation :
         {PokerBasicsView::Presentation::panel, PokerBasicsView::Presentation::sidebar}) {
        const bool panel = presentation == PokerBasicsView::Presentation::panel;
        const QSize size = panel ? QSize(460, 620) : QSize(320, 620);
        const QString kind = panel ? QStringLiteral("panel") : QStringLiteral("sidebar");
        for (int page : {0, 1, 2, 3, 4, 5}) {
            PokerBasicsView::Setup setup;
            setup.presentation = presentation;
            setup.opening = GuideDestination::basics(page);
            if (panel && page == 5) {
                setup.playPractice = [] {};
            }
            PokerBasicsView guide(setup);
            save(guide, size, QStringLiteral("guide-%1-basics-%2").arg(kind).arg(page));
        }
        PokerBasicsView::Setup rankings;
        rankings.presentation = presentation;
        rankings.opening = GuideDestination::rankings();
        rankings.heldRank = QStringLiteral("Two Pair");
        PokerBasicsView ranked(rankings);
        save(ranked, size, QStringLiteral("guide-%1-rankings").arg(kind));

        PokerBasicsView::Setup starters;
        starters.presentation = presentation;
        starters.opening = GuideDestination::starters();
        starters.currentHand = BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true);
        PokerBasicsView chart(starters);
        save(chart, size, QStringLiteral("guide-%1-starters").arg(kind));

        PokerBasicsView::Setup glossary;
        glossary.presentation = presentation;
        glossary.opening = GuideDestination::glossary(Term::sidePot);
        PokerBasicsView words(glossary);
        save(words, size, QStringLiteral("guide-%1-glossary").arg(kind));
    }
}

TEST(LearnGallery, ChartWithSelection) {
    for (const bool dark : {false, true}) {
        for (const bool contrast : {false, true}) {
            StartersChartView chart(
                BotKit::StartingHand(PokerEngine::Rank::king, PokerEngine::Rank::queen, true), false, dark,
                contrast);
            chart.select(BotKit::StartingHand(PokerEngine::Rank::six, PokerEngine::Rank::six, false));
            save(chart, QSize(360, 360),
                 QStringLiteral("chart-%1%2").arg(dark ? "dark" : "light", contrast ? "-contrast" : ""),
                 dark ? QColor(30, 30, 30) : QColor(246, 246, 246));
        }
    }
}

TEST(LearnGallery, TermPanels) {
    for (const auto style : allTableStyleIDs) {
        for (const Term term : {Term::kicker, Term::buyIn, Term::button, Term::blinds, Term::difficulty,
                                Term::pot, Term::cashTable}) {
            const TableTheme theme = themeFor(style, TableSurface::window);
            TermPanel panel(
                theme, term, TermNumbers{PokerEngine::BlindLevel{25, 50, 0}}, theme, [] {},
                [](const GuideDestination&) {});
            save(
                panel, QSize(420, panel.heightForWidth(420) > 0 ? panel.heightForWidth(420) : 190),
                QStringLiteral("term-%1-%2").arg(styleName(style), QString::fromUtf8(toString(term).data())));
        }
    }
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
    };
    for (const auto style : allTableStyleIDs) {
        for (const auto surface : {TableSurface::popover, TableSurface::window}) {
            for (const auto& [name, tag] : tags) {
                HandTagView view(themeFor(style, surface), tag);
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
    for (const auto style : allTableStyleIDs) {
        for (const BasicsPage page : allBasicsPages) {
            BasicsArt art(themeFor(style, TableSurface::window), page);
            save(art, QSize(420, 180), QStringLiteral("art-%1-%2").arg(styleName(style)).arg(rawValue(page)));
        }
    }
}
