#include "Views/Onboarding/OnboardingView.h"

#include "AppState.h"
#include "Style/Drawing/ArtStage.h"
#include "Style/MotionStyle.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Onboarding/MakeItYoursPage.h"
#include "Views/Onboarding/OnboardingPieces.h"
#include "Views/Onboarding/PlayMoneyPage.h"
#include "Views/Onboarding/WelcomePage.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/FocusedButton.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

#include <array>

namespace {

// The bottom bar spans x 40 to 560 and y 584 to 622 of the view.
constexpr QRectF barRect(40, 584, 520, 38);
constexpr double barSpacing = 10;
constexpr int backWidth = 86;
constexpr int nextWidth = 120;
constexpr int startWidth = 250;

StyledButton* barButton(QWidget* parent, const TableTheme& theme, const QString& title, ControlKind kind,
                        ControlSize size, int faceWidth, std::function<void()> action) {
    auto* button = new StyledButton(theme, title, kind, size, std::nullopt, std::move(action), parent);
    const QMargins room = button->room();
    button->setFixedSize(faceWidth + room.left() + room.right(), button->sizeHint().height());
    return button;
}

} // namespace

OnboardingView::OnboardingView(AppState* appState, const TableTheme& theme, Announcer* announcer,
                               std::function<void()> onFinish, QWidget* parent)
    : QWidget(parent)
    , appState_(appState)
    , theme_(theme)
    , announcer_(announcer)
    , onFinish_(std::move(onFinish))
    , dots_(new PageDots(OnboardingFlow::pageCount, 0, theme.reduceMotion, this)) {
    setFixedSize(OnboardingPage::pageSize);
    dots_->setTheme(theme);
    glow_ = {AnimationCurve::linear(0), 0, OnboardingFlow::glowY(0), OnboardingFlow::glowY(0)};
    connect(&clock_, &AnimationClock::ticked, this, &OnboardingView::tick);

    // The platform's cancel and default actions: Escape goes back; Return presses the focused button,
    // else goes on or starts.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WidgetWithChildrenShortcut);
    connect(cancel, &QShortcut::activated, this, &OnboardingView::backward);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* confirm = new QShortcut(QKeySequence(key), this);
        confirm->setContext(Qt::WidgetWithChildrenShortcut);
        connect(confirm, &QShortcut::activated, this, &OnboardingView::pressReturn);
    }
    showPage();
}

AnimationCurve OnboardingView::pageCurve(bool reduceMotion) {
    return reduceMotion ? MotionStyle::reducedFade() : AnimationCurve::easeInOut(0.25);
}

void OnboardingView::setTheme(const TableTheme& theme) {
    theme_ = theme;
    dots_->setTheme(theme);
    for (StyledButton* button : {back_, next_, start_})
        if (button)
            button->setTheme(theme);
    if (current_)
        current_->setTheme(theme);
    update();
}

void OnboardingView::setArtInSight(bool inSight) {
    artInSight_ = inSight;
    if (current_)
        current_->setInSight(inSight);
}

void OnboardingView::forward() {
    if (page_ < OnboardingFlow::pageCount - 1)
        go(page_ + 1);
    else
        finish();
}

void OnboardingView::pressReturn() {
    using OnboardingFlow::Control;
    QAbstractButton* focused = FocusedButton::in(window());
    const Control control = !focused                             ? Control::none
                            : focused == back_                   ? Control::back
                            : focused == next_                   ? Control::next
                            : focused == start_                  ? Control::start
                            : qobject_cast<CardButton*>(focused) ? Control::answer
                                                                 : Control::other;
    if (QAbstractButton* button = buttonFor(OnboardingFlow::returnPresses(page_, control), focused))
        button->click();
}

QAbstractButton* OnboardingView::buttonFor(OnboardingFlow::Control control, QAbstractButton* focused) const {
    using OnboardingFlow::Control;
    switch (control) {
    case Control::back:
        return back_;
    case Control::next:
        return next_;
    case Control::start:
        return start_;
    case Control::other:
        return focused;
    case Control::none:
    case Control::answer:
        break;
    }
    return nullptr;
}

void OnboardingView::giveKeysToDefault() {
    if (QAbstractButton* button =
            buttonFor(OnboardingFlow::returnPresses(page_, OnboardingFlow::Control::none)))
        button->setFocus(Qt::TabFocusReason);
}

void OnboardingView::showEvent(QShowEvent*) {
    // The window opens with the ring on the button Return presses, as the lobby does.
    const QWidget* keys = window()->focusWidget();
    if (!keys || !isAncestorOf(keys))
        giveKeysToDefault();
    // A reader names the window and the focused button as the window becomes active; the page's own
    // words follow, once, so that they are not lost under that.
    if (!announcedOpening_) {
        if (window()->isActiveWindow())
            announceOpening();
        else
            window()->installEventFilter(this);
    }
}

bool OnboardingView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate && !announcedOpening_) {
        watched->removeEventFilter(this);
        announceOpening();
    }
    return QWidget::eventFilter(watched, event);
}

void OnboardingView::announceOpening() {
    announcedOpening_ = true;
    announcePage();
}

void OnboardingView::announcePage() {
    if (announcer_ && current_)
        announcer_->announce(OnboardingFlow::announcement(page_, current_->reading()));
}

void OnboardingView::backward() {
    // The first page has no Back button, hence no cancel action.
    if (page_ > 0)
        go(page_ - 1);
}

void OnboardingView::go(int target) {
    target = OnboardingFlow::clampedPage(target);
    if (target == page_)
        return;
    const double now = clock_.now();
    const AnimationCurve curve = pageCurve(theme_.reduceMotion);
    glow_ = {curve, now, glow_.value(now), OnboardingFlow::glowY(target)};
    fade_ = {curve, now, 0, 1};
    if (current_)
        leaving_ = current_->grab();
    const QPointer<QWidget> keys = window()->focusWidget();
    const bool keysHere = keys && isAncestorOf(keys);
    page_ = target;
    showPage();
    // The keys stay on a bar button the new page still shows; what left with the old page hands them
    // to the new page's default, so the ring never lands on a card or the close control by itself.
    if (keysHere && (!keys || !keys->isVisible()))
        giveKeysToDefault();
    clock_.start();
    announcePage();
}

void OnboardingView::finish() {
    finish_.run(
        [this] {
            if (appState_)
                appState_->completeOnboarding();
        },
        [this] {
            if (onFinish_)
                onFinish_();
        });
}

void OnboardingView::showPage() {
    delete current_;
    switch (page_) {
    case 0:
        current_ = new WelcomePage(theme_, this);
        break;
    case 1:
        current_ = new PlayMoneyPage(theme_, this);
        break;
    default:
        current_ = new MakeItYoursPage(
            theme_, appState_, newToPoker_, [this](bool value) { newToPoker_ = value; }, this);
        break;
    }
    current_->move(0, 0);
    current_->setInSight(artInSight_);
    if (!fade_.isFinished(clock_.now())) {
        auto* effect = new QGraphicsOpacityEffect(current_);
        effect->setOpacity(0);
        current_->setGraphicsEffect(effect);
    }
    current_->lower();
    current_->show();
    layOutBar();
    dots_->setCurrent(page_);
}

void OnboardingView::offer(StyledButton*& button, bool shown, const QString& title, ControlKind kind,
                           ControlSize size, int faceWidth, std::function<void()> action) {
    if (shown && !button) {
        button = barButton(this, theme_, title, kind, size, faceWidth, std::move(action));
        button->show();
    } else if (!shown && button) {
        // A hidden button would still be listed to a screen reader, so a button the page does not
        // offer goes. It may be the one being clicked, so it goes once its click is over.
        button->hide();
        button->deleteLater();
        button = nullptr;
    }
}

void OnboardingView::layOutBar() {
    const OnboardingFlow::BottomBar bar = OnboardingFlow::bottomBar(page_);
    offer(back_, bar.back, QStringLiteral("Back"), ControlKind::secondary(), ControlSize::small, backWidth,
          [this] { backward(); });
    offer(next_, bar.next, QStringLiteral("Next"), ControlKind::confirm(), ControlSize::main, nextWidth,
          [this] { forward(); });
    offer(start_, bar.start, OnboardingFlow::startTitle(), ControlKind::confirm(), ControlSize::main,
          startWidth, [this] { finish(); });
    // Read and reached in the order they stand: Back, then Next or the start button.
    QWidget* before = nullptr;
    for (StyledButton* button : {back_, next_, start_}) {
        if (!button)
            continue;
        if (before) {
            button->raise();
            setTabOrder(before, button);
        }
        before = button;
    }

    dots_->move(static_cast<int>(barRect.left()),
                static_cast<int>(barRect.center().y() - dots_->height() / 2.0));
    // The buttons line up from the bar's right edge: their faces, not the room round them, touch it.
    double right = barRect.right();
    const std::array<std::pair<StyledButton*, bool>, 3> rightToLeft{
        {{start_, bar.start}, {next_, bar.next}, {back_, bar.back}}};
    for (const auto& [button, shown] : rightToLeft) {
        if (!shown)
            continue;
        const QMargins room = button->room();
        const double faceWidth = button->width() - room.left() - room.right();
        const double left = right - faceWidth;
        button->move(static_cast<int>(left - room.left()),
                     static_cast<int>(barRect.center().y() - button->height() / 2.0));
        right = left - barSpacing;
    }
}

void OnboardingView::tick() {
    const double now = clock_.now();
    if (current_) {
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(current_->graphicsEffect())) {
            if (fade_.isFinished(now))
                current_->setGraphicsEffect(nullptr);
            else
                effect->setOpacity(fade_.value(now));
        }
    }
    if (fade_.isFinished(now) && glow_.isFinished(now)) {
        leaving_ = QPixmap();
        clock_.stop();
    }
    update();
}

void OnboardingView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const double now = clock_.now();
    // Rectangle by rectangle: the kept backdrop is then copied line by line, which a clip of many
    // rectangles would turn into a blend spread over Qt's thread pool.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        ArtStage::paint(painter, rect(), theme_, glow_.value(now));
    }
    painter.setClipping(false);
    if (!leaving_.isNull() && !fade_.isFinished(now)) {
        painter.setOpacity(1 - fade_.value(now));
        painter.drawPixmap(0, 0, leaving_);
    }
}
