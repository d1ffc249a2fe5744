#include "AppState.h"
#include "Style/MotionStyle.h"
#include "Support/WidgetEvents.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Controls/StyledIconButton.h"
#include "Views/Onboarding/MakeItYoursPage.h"
#include "Views/Onboarding/OnboardingPieces.h"
#include "Views/Onboarding/OnboardingRoot.h"
#include "Views/Onboarding/OnboardingView.h"
#include "Views/Onboarding/PlayMoneyPage.h"
#include "Views/Onboarding/WelcomePage.h"
#include "Views/Support/Announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OnboardingViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        announcer.setShowsNotifications(false);
        Profile profile = state.profile();
        profile.bankroll = 350;
        state.setProfile(profile);
    }
    std::unique_ptr<OnboardingView> makeView(bool reduceMotion = false) {
        TableTheme theme = OnboardingRoot::flowTheme({false, false, reduceMotion}, false);
        auto view = std::make_unique<OnboardingView>(&state, theme, &announcer, [this] { ++finishes; });
        view->show();
        QApplication::setActiveWindow(view.get());
        view->setFocus();
        return view;
    }
    MakeItYoursPage* choices(OnboardingView& view) {
        return qobject_cast<MakeItYoursPage*>(view.currentPage());
    }

    AppState state{std::nullopt};
    Announcer announcer;
    int finishes = 0;
};

} // namespace

TEST_F(OnboardingViewTest, ReturnAndEscapeWalkThePagesAndAnnounceEachMove) {
    auto view = makeView();
    EXPECT_TRUE(qobject_cast<WelcomePage*>(view->currentPage()));
    // The window opens reading its first page, once.
    const QString welcome =
        "Page 1 of 3. Poker for your coffee break. No-Limit Hold'em against bots, right from "
        "your system tray. 1 min a hand, Lives in your system tray, Pauses when you leave.";
    EXPECT_EQ(announcer.spoken(), QStringList{welcome});
    EXPECT_FALSE(view->backButton()); // what a page does not offer is not there for a reader either

    WidgetEvents::key(view.get(), Qt::Key_Escape);
    EXPECT_EQ(view->page(), 0);
    EXPECT_EQ(announcer.spoken(), QStringList{welcome});

    WidgetEvents::key(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 1);
    EXPECT_TRUE(qobject_cast<PlayMoneyPage*>(view->currentPage()));
    EXPECT_TRUE(view->backButton()->isVisible());
    EXPECT_TRUE(view->nextButton()->isVisible());
    EXPECT_EQ(view->dots()->accessibleName(), "Page 2 of 3");

    WidgetEvents::key(view.get(), Qt::Key_Escape);
    EXPECT_EQ(view->page(), 0);
    WidgetEvents::key(view.get(), Qt::Key_Enter);
    WidgetEvents::key(view.get(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 2);
    EXPECT_FALSE(view->nextButton());
    EXPECT_TRUE(view->startButton()->isVisible());
    EXPECT_EQ(view->startButton()->title(), "Start playing with 10,000 chips");

    // Every move reads the page it lands on, points and all, each sentence closed once.
    const QString playMoney = "Page 2 of 3. Play money only. No cash value. You can't buy chips, and you "
                              "can't cash them out. 10,000 "
                              "to start. Your bankroll, as soon as you finish setting up. Tops up daily. "
                              "Under 2,000? It refills to "
                              "2,000 the first time you open Chipwhistle each day.";
    EXPECT_EQ(announcer.spoken(),
              (QStringList{welcome, playMoney, welcome, playMoney,
                           "Page 3 of 3. Make it yours. Tell us how well you know poker, and pick how you'll "
                           "play. You can change these in Settings."}));
    for (QWidget* page : view->findChildren<OnboardingPage*>())
        EXPECT_EQ(page->accessibleName(), qobject_cast<OnboardingPage*>(page)->reading());

    // With the ring on Back, Return goes back, never on or to the start; once Back leaves with the
    // first page, the ring goes to Next, and Return goes on again.
    view->backButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 1);
    EXPECT_EQ(QApplication::focusWidget(), view->backButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 0);
    EXPECT_EQ(QApplication::focusWidget(), view->nextButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(view->page(), 1);
    EXPECT_FALSE(state.profile().onboarded);
}

TEST_F(OnboardingViewTest, ReturnOnTheLastPageFinishesOnceWithNothingAnswered) {
    auto view = makeView();
    const AppSettings before = state.profile().settings;
    view->go(2);
    WidgetEvents::key(view.get(), Qt::Key_Return);
    EXPECT_TRUE(state.profile().onboarded);
    EXPECT_EQ(state.profile().bankroll, 10000);
    EXPECT_EQ(state.profile().settings, before);
    EXPECT_EQ(finishes, 1);

    // A second press of the key and a click on the button: the flow finished already.
    Profile spent = state.profile();
    spent.bankroll = 4200;
    state.setProfile(spent);
    WidgetEvents::key(view.get(), Qt::Key_Return);
    view->startButton()->click();
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(state.profile().bankroll, 4200);
}

TEST_F(OnboardingViewTest, EveryCombinationOfAnswersIsWrittenByClicks) {
    for (int combination = 0; combination < 8; ++combination) {
        state.setProfile(Profile{});
        finishes = 0;
        auto view = makeView();
        view->go(2);
        auto* page = choices(*view);
        ASSERT_TRUE(page);
        const bool newToPoker = combination & 1;
        const bool sitAndGo = combination & 2;
        const bool window = combination & 4;
        const auto& cards = page->cards();
        // A new profile shows its defaults chosen and no experience answer.
        EXPECT_FALSE(cards[0]->isSelected());
        EXPECT_FALSE(cards[1]->isSelected());
        EXPECT_TRUE(cards[2]->isSelected());
        EXPECT_TRUE(cards[4]->isSelected());

        WidgetEvents::click(cards[newToPoker ? 1 : 0], cards[0]->cardRect().center().toPoint());
        WidgetEvents::click(cards[sitAndGo ? 3 : 2], cards[0]->cardRect().center().toPoint());
        WidgetEvents::click(cards[window ? 5 : 4], cards[0]->cardRect().center().toPoint());
        EXPECT_EQ(view->newToPoker(), newToPoker);
        EXPECT_TRUE(cards[newToPoker ? 1 : 0]->isSelected());
        EXPECT_FALSE(cards[newToPoker ? 0 : 1]->isSelected());

        // The experience answer survives a trip back and forth.
        view->go(1);
        view->go(2);
        EXPECT_TRUE(choices(*view)->cards()[newToPoker ? 1 : 0]->isSelected());

        view->startButton()->click();
        const Profile& profile = state.profile();
        EXPECT_EQ(profile.settings.learningMode, newToPoker) << combination;
        EXPECT_EQ(profile.settings.defaultTable, sitAndGo ? GameMode::sitAndGo : GameMode::quickHand);
        EXPECT_EQ(profile.settings.launchSurface, window ? LaunchSurface::window : LaunchSurface::menuBar);
        EXPECT_TRUE(profile.onboarded);
        EXPECT_EQ(finishes, 1);
    }
}

TEST_F(OnboardingViewTest, ACardPressedAtItsEdgeCountsAndItsShadowRoomDoesNot) {
    auto view = makeView();
    view->go(2);
    OptionCard* sitAndGo = choices(*view)->cards()[3];
    const QRectF card = sitAndGo->cardRect();
    WidgetEvents::click(sitAndGo, (card.topLeft() + QPointF(-2, -2)).toPoint());
    EXPECT_EQ(state.profile().settings.defaultTable, GameMode::quickHand);
    WidgetEvents::click(sitAndGo, (card.bottomRight() - QPointF(8, 8)).toPoint());
    EXPECT_EQ(state.profile().settings.defaultTable, GameMode::sitAndGo);
    EXPECT_EQ(sitAndGo->accessibleName(), "Sit & Go");
    EXPECT_EQ(sitAndGo->accessibleDescription(), "Six players, rising blinds. 10–15 min.");
}

TEST_F(OnboardingViewTest, PagesStopTheirClocksWhenStillOrHidden) {
    auto view = makeView(true);
    double now = 50;
    view->currentPage()->clock().setTimeSource([&] { return now; });
    view->go(1);
    view->go(0);
    auto* welcome = view->currentPage();
    welcome->clock().setTimeSource([&] { return now; });
    welcome->hide();
    welcome->show();
    EXPECT_TRUE(welcome->clock().isRunning());
    now += 1; // reduced motion: nothing bobs, and the fades are long over
    emit welcome->clock().ticked();
    EXPECT_FALSE(welcome->clock().isRunning());

    auto moving = makeView(false);
    EXPECT_TRUE(moving->currentPage()->clock().isRunning()); // the art bobs while shown
    moving->hide();
    EXPECT_FALSE(moving->currentPage()->clock().isRunning());
}

TEST(WelcomePage, RepaintingWhatChangedGivesTheSamePictureAsPaintingItAll) {
    const TableTheme theme = OnboardingRoot::flowTheme({}, false);
    const QRect page(QPoint(), OnboardingPage::pageSize);
    const auto painted = [&](OnboardingPage::Moment at) {
        QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        WelcomePage::paintPage(painter, theme, at.sinceShown, at.time);
        return image;
    };
    // While the art comes in, all of it changes; a moment compared with itself, nothing.
    EXPECT_EQ(WelcomePage::changedArea(theme, {0.5, 10}, {0.52, 10.02}), QRegion(page));
    EXPECT_TRUE(WelcomePage::changedArea(theme, {5, 10}, {5, 10}).isEmpty());
    const struct {
        OnboardingPage::Moment before, now;
    } rows[] = {{{4, 100}, {4 + 1.0 / 60, 100 + 1.0 / 60}}, {{6, 7.3}, {6.1, 7.4}}, {{3, 52}, {3.5, 52.5}}};
    for (const auto& row : rows) {
        const QRegion changed = WelcomePage::changedArea(theme, row.before, row.now);
        QImage patched = painted(row.before);
        {
            QPainter painter(&patched);
            painter.setClipRegion(changed);
            painter.setCompositionMode(QPainter::CompositionMode_Clear);
            painter.fillRect(page, Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            WelcomePage::paintPage(painter, theme, row.now.sinceShown, row.now.time, changed);
        }
        EXPECT_EQ(patched, painted(row.now)) << "at " << row.now.time;
    }
}

TEST(WelcomePage, TheFloatingArtRepaintsOnlyWhatMovedAndStandsStillOutOfSight) {
    AppState state{std::nullopt};
    OnboardingRoot root(AppEnvironment{&state});
    root.show();
    auto* welcome = qobject_cast<WelcomePage*>(root.view()->currentPage());
    ASSERT_TRUE(welcome);
    double now = 1000;
    welcome->clock().setTimeSource([&] { return now; });
    welcome->hide();
    welcome->show();
    struct Painted : QObject {
        qint64 pixels = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                    pixels += qint64(rect.width()) * rect.height();
            return false;
        }
    } painted;
    welcome->installEventFilter(&painted);
    const auto frame = [&](double seconds) {
        now += seconds;
        emit welcome->clock().ticked();
        QTest::qWait(25);
    };
    frame(5); // every piece has come in
    painted.pixels = 0;
    constexpr int frames = 30;
    for (int i = 0; i < frames; ++i)
        frame(1.0 / 60);
    const qint64 page = qint64(OnboardingPage::pageSize.width()) * OnboardingPage::pageSize.height();
    EXPECT_LT(painted.pixels, frames * page / 10) << "a tenth of the page a frame at most";
    EXPECT_GT(painted.pixels, 0) << "the art still floats";

    root.showMinimized();
    EXPECT_FALSE(welcome->clock().isRunning()) << "nothing ticks for a minimised window";
    root.showNormal();
    EXPECT_TRUE(welcome->clock().isRunning());
    root.view()->setArtInSight(false);
    EXPECT_FALSE(welcome->clock().isRunning()) << "nor for a covered one";
}

TEST_F(OnboardingViewTest, PageChangesTakeTheReducedFadeUnderReduceMotion) {
    EXPECT_EQ(OnboardingView::pageCurve(true), MotionStyle::reducedFade());
    EXPECT_EQ(OnboardingView::pageCurve(false), AnimationCurve::easeInOut(0.25));
}

TEST(OnboardingRoot, DrawsInSatinWhateverStyleIsStoredAndPassesTheDeckThrough) {
    AppState state{std::nullopt};
    Profile profile = state.profile();
    profile.settings.style = TableStyleID::pixel;
    profile.settings.fourColorDeck = true;
    state.setProfile(profile);
    AppEnvironment environment;
    environment.appState = &state;
    OnboardingRoot root(environment);
    EXPECT_EQ(root.theme().style, TableStyleID::satin);
    EXPECT_TRUE(root.theme().fourColorDeck);
    EXPECT_EQ(root.size(), QSize(600, 640));

    const TableTheme dark = OnboardingRoot::flowTheme({true, true, false}, false);
    EXPECT_TRUE(dark.dark);
    EXPECT_TRUE(dark.increaseContrast);

    // Without a host the player is still onboarded.
    root.view()->go(2);
    root.view()->finish();
    EXPECT_TRUE(state.profile().onboarded);
}

TEST(OnboardingRoot, AsAWindowItHasNoTitleBarMovesByItsBackgroundAndClosesByItsOwnControl) {
    AppState state{std::nullopt};
    AppEnvironment environment{&state};
    // What the window says as it opens is read from the record: no notification window comes and goes.
    Announcer quiet;
    quiet.setShowsNotifications(false);
    environment.announcer = &quiet;
    auto* root = new OnboardingRoot(environment);
    root->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<OnboardingRoot> alive(root);
    EXPECT_TRUE(root->windowFlags() & Qt::FramelessWindowHint);
    root->move(100, 100);
    root->show();
    QApplication::setActiveWindow(root);
    // A drag on the backdrop moves the window (by hand: no window manager here), one from a control
    // does not; the pointer stays over the same spot of a window that went with it.
    QWindow* window = root->windowHandle();
    const QPoint next = root->view()->nextButton()->mapTo(root, root->view()->nextButton()->rect().center());
    for (const QPoint& grip : {QPoint(300, 24), next}) {
        QTest::mousePress(window, Qt::LeftButton, {}, grip);
        QTest::mouseMove(window, grip + QPoint(40, 30));
        QTest::mouseRelease(window, Qt::LeftButton, {}, grip == next ? next + QPoint(40, 30) : grip);
        EXPECT_EQ(root->pos(), QPoint(140, 130));
    }
    // The close control sits in the top-left corner, in the Tab order, named for a reader.
    StyledIconButton* close = root->closeButton();
    EXPECT_EQ(close->mapTo(root, close->faceRect().topLeft().toPoint()), OnboardingRoot::closeInset);
    EXPECT_EQ(close->accessibleName(), "Close");
    for (int presses = 0; presses < 20 && QApplication::focusWidget() != close; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
    EXPECT_FALSE(state.profile().onboarded);
}

TEST(WelcomePage, TheArtIsAllThereAndTheTitleBlockReadsAsOne) {
    EXPECT_EQ(WelcomePage::pieces().size(), 11u);
    for (const char* slug : {"duchess", "biscuit", "finn"})
        EXPECT_TRUE(WelcomePage::avatar(slug)) << slug;
    EXPECT_FALSE(WelcomePage::avatar("nobody"));
    EXPECT_EQ(WelcomePage::avatar("finn")->initial, "F");
    // A chip piece's shadow sits 1.6 radii below and 0.2 right of its centre, 2.2 radii wide.
    const FloatingArt& chip = WelcomePage::pieces()[5].art;
    EXPECT_DOUBLE_EQ(chip.shadow->center.x(), 130.4);
    EXPECT_DOUBLE_EQ(chip.shadow->center.y(), 509.2);
    EXPECT_DOUBLE_EQ(chip.shadow->width, 48.4);
    EXPECT_EQ(
        WelcomePage::spokenText(),
        "Poker for your coffee break. No-Limit Hold'em against bots, right from your system tray. 1 min a "
        "hand, Lives in your system tray, Pauses when you leave.");
}

TEST(StyleCard, SpeaksTheStylesNameAndSummaryAndKeepsItsChoiceOnAClick) {
    int presses = 0;
    StyleCard card(TableTheme::standard(), TableStyleID::satin, true, [&] { ++presses; });
    EXPECT_EQ(card.accessibleName(), "Satin");
    EXPECT_EQ(card.accessibleDescription(), "Lit satin felt, crisp cards, system glass controls");
    WidgetEvents::click(&card, card.cardRect().center().toPoint());
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(card.isChecked());
}

TEST_F(OnboardingViewTest, EachQuestionReadsWithItsTwoAnswers) {
    auto view = makeView();
    view->go(2);
    MakeItYoursPage* page = choices(*view);
    ASSERT_TRUE(page);
    QAccessibleInterface* pageReader = QAccessible::queryAccessibleInterface(page);
    ASSERT_TRUE(pageReader);
    const std::array<std::array<const char*, 3>, 3> expected{{
        {"Played Hold'em before?", "I know the rules", "I'm new to poker"},
        {"Default table", "Quick Hand", "Sit & Go"},
        {"Open Chipwhistle in", "System Tray", "Window"},
    }};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(page->rows()[i]);
        ASSERT_TRUE(row);
        EXPECT_EQ(pageReader->indexOfChild(row) >= 0, true) << "the row is one of the page's elements";
        EXPECT_EQ(row->role(), QAccessible::Grouping);
        EXPECT_EQ(row->text(QAccessible::Name), expected[i][0]);
        ASSERT_EQ(row->childCount(), 2);
        for (int card = 0; card < 2; ++card) {
            QAccessibleInterface* answer = row->child(card);
            EXPECT_EQ(answer->role(), QAccessible::RadioButton);
            EXPECT_EQ(answer->text(QAccessible::Name), expected[i][1 + card]);
            EXPECT_EQ(answer->state().checked, page->cards()[2 * i + card]->isSelected());
        }
    }
    // The rows keep the cards where the page lays them out: two columns of 254 with 12 between.
    const QRectF quickHand = page->cards()[2]->cardRect().translated(page->cards()[2]->mapTo(page, QPoint()));
    const QRectF sitAndGo = page->cards()[3]->cardRect().translated(page->cards()[3]->mapTo(page, QPoint()));
    EXPECT_DOUBLE_EQ(quickHand.left(), 40);
    EXPECT_DOUBLE_EQ(sitAndGo.left(), 306);
    EXPECT_DOUBLE_EQ(sitAndGo.right(), 560);
}

TEST_F(OnboardingViewTest, ArrowKeysMoveEachQuestionsAnswerWithTheFocus) {
    auto view = makeView();
    view->go(2);
    MakeItYoursPage* page = choices(*view);
    ASSERT_TRUE(page);
    const auto& cards = page->cards();
    const auto tabTo = [](QWidget* target) {
        for (int presses = 0; presses < 20 && QApplication::focusWidget() != target; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), target);
    };
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    tabTo(cards[0]);
    ASSERT_FALSE(cards[0]->isSelected());
    ASSERT_FALSE(cards[1]->isSelected());

    // Nothing answered yet: the first arrow answers with the card it lands on.
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), cards[1]);
    EXPECT_TRUE(cards[1]->isSelected());
    EXPECT_FALSE(cards[0]->isSelected());
    EXPECT_EQ(view->newToPoker(), true);
    EXPECT_TRUE(state.profile().settings.learningMode);

    press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), cards[0]);
    EXPECT_TRUE(cards[0]->isSelected());
    EXPECT_EQ(view->newToPoker(), false);
    // At the end of the row the focus and the answer stay; the key leaves the question no other way.
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), cards[0]);
    EXPECT_TRUE(cards[0]->isSelected());
    EXPECT_FALSE(cards[1]->isSelected());
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), cards[1]);
    EXPECT_EQ(view->newToPoker(), true);

    // Tab goes on to the next question, whose arrows write its own setting.
    tabTo(cards[2]);
    EXPECT_TRUE(cards[1]->isSelected()) << "leaving a question keeps its answer";
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), cards[3]);
    EXPECT_EQ(state.profile().settings.defaultTable, GameMode::sitAndGo);
    EXPECT_EQ(view->page(), 2) << "no arrow turns the page";
    EXPECT_FALSE(state.profile().onboarded);

    // Each question is one Tab stop, at its answer, as the game's other pickers are.
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), cards[1])
        << "back to the first question's answer, past the other card";
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cards[3]);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), cards[4]);
    int stops = 0;
    for (const OptionCard* card : cards)
        stops += (card->focusPolicy() & Qt::TabFocus) ? 1 : 0;
    EXPECT_EQ(stops, 3);
}

TEST_F(OnboardingViewTest, SpacePicksTheFocusedCardOfAQuestionNotYetAnswered) {
    auto view = makeView();
    view->go(2);
    OptionCard* knowsRules = choices(*view)->cards()[0];
    for (int presses = 0; presses < 20 && QApplication::focusWidget() != knowsRules; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), knowsRules);
    QTest::keyClick(knowsRules, Qt::Key_Space);
    EXPECT_TRUE(knowsRules->isSelected());
    EXPECT_EQ(view->newToPoker(), false);
}
