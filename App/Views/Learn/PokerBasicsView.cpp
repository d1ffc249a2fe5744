#include "Views/Learn/PokerBasicsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "Learn/GuideShell.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/LabelColors.h"
#include "System/PacedSignals.h"
#include "Views/Controls/SlidingPicker.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/BasicsTab.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Support/Announcer.h"
#include "Views/Support/DialogKeys.h"
#include "Views/Support/FocusChain.h"
#include "Views/Support/FocusReturn.h"
#include "Views/Support/FocusedButton.h"
#include "Views/Support/LookPalette.h"

namespace {

// The list that scrolls up and down in a tab: the tab itself, or the glossary's results.
QScrollBar* tabScrollBar(QWidget* tab) {
    if (auto* glossary = qobject_cast<GlossaryTab*>(tab)) {
        return glossary->scrollArea()->verticalScrollBar();
    }
    auto* area = qobject_cast<QAbstractScrollArea*>(tab);
    return area ? area->verticalScrollBar() : nullptr;
}

int scrollOf(QWidget* tab) {
    const QScrollBar* bar = tabScrollBar(tab);
    return bar ? bar->value() : 0;
}

void restoreScroll(QWidget* tab, int scroll) {
    QScrollBar* bar = tabScrollBar(tab);
    if (!bar) {
        return;
    }
    bar->setValue(scroll);
    // A list filtered anew takes its height only once its layout has run.
    QTimer::singleShot(0, bar, [bar, scroll] { bar->setValue(scroll); });
}

} // namespace

PokerBasicsView::PokerBasicsView(Setup setup, QWidget* parent)
    : QWidget(parent)
    , setup_(std::move(setup)) {
    const GuideOpening opening = GuideOpening::of(setup_.opening);
    tab_ = opening.tab;
    page_ = opening.page;
    focusedTerm_ = opening.focusedTerm;
    const bool panel = setup_.presentation == Presentation::panel;
    setAccessibleName(QStringLiteral("Poker Basics"));
    paintPage();

    stack_ = new QVBoxLayout(this);
    const int padding = static_cast<int>(GuideShell::padding(!panel));
    stack_->setContentsMargins(padding, padding, padding, padding);
    stack_->setSpacing(0);
    if (panel) {
        auto* header = new QHBoxLayout;
        heading_ = new QLabel(QStringLiteral("Poker Basics"), this);
        heading_->setFont(ThemeFonts::system(20, FontWeight::semibold));
        GuideColors::setTextColour(heading_, GuideColors::primary(setup_.theme.dark));
        StyleAccessibility::setRole(heading_, QAccessible::Heading);
        header->addWidget(heading_);
        header->addStretch(1);
        done_ = new StyledButton(setup_.theme, QStringLiteral("Done"), ControlKind::secondary(),
                                 ControlSize::small, std::nullopt, setup_.onDone, this);
        done_->setFixedWidth(74);
        header->addWidget(done_);
        stack_->addLayout(header);
        stack_->addSpacing(12);
        DialogKeys::bindCancel(this, [this] {
            if (setup_.onDone) {
                setup_.onDone();
            }
        });
        DialogKeys::bindDefault(this, [this] { pressReturn(); });
    }

    std::vector<SlidingPicker::Option> options;
    for (const GuideTab tab : allGuideTabs) {
        options.push_back({GuideShell::tabTitle(tab), 0, {}});
    }
    picker_ = new SlidingPicker(setup_.theme, GuideShell::pickerTitle(), std::move(options),
                                static_cast<int>(tab_), this);
    connect(picker_, &SlidingPicker::picked, this, [this](int index) {
        setTab(allGuideTabs[static_cast<std::size_t>(index)]);
        // The tab's words sit under the picker where no key reaches them: choosing the tab reads them.
        readTab();
    });
    stack_->addWidget(picker_);
    stack_->addSpacing(12);
    buildContent();
}

void PokerBasicsView::paintPage() {
    // The desktop's controls the tabs hold (the glossary's field, the scroll bars) are faced in the
    // guide's own look, as its texts are: the desktop's palette may follow another appearance, or
    // follow a switch only after the guide has redrawn.
    QPalette look = lookPalette(SettingsLook::colours(setup_.theme));
    if (setup_.presentation == Presentation::panel) {
        // The page reads the same over any screen and in a window whose palette follows another look.
        look.setColor(QPalette::Window, toQColor(LabelColors::window(setup_.theme.dark)));
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Window);
    }
    setPalette(look);
}

void PokerBasicsView::setTheme(const TableTheme& art, const TableTheme& theme) {
    setup_.art = art;
    setup_.theme = theme;
    paintPage();
    if (heading_) {
        GuideColors::setTextColour(heading_, GuideColors::primary(theme.dark));
    }
    if (done_) {
        done_->setTheme(theme);
    }
    picker_->setTheme(theme);
    // The tab is drawn anew in the new look; what the player chose, typed and scrolled to on it carries
    // over, and the keys stay on the same control: the rebuilt tab holds its widgets in the same order.
    std::optional<BotKit::StartingHand> chosen;
    if (auto* starters = qobject_cast<StartersTab*>(content_)) {
        chosen = starters->chart()->selected();
    }
    TypedText searched;
    if (auto* glossary = qobject_cast<GlossaryTab*>(content_)) {
        searched = TypedText::of(*glossary->searchField());
    }
    const int scroll = scrollOf(content_);
    const qsizetype keys = content_->findChildren<QWidget*>().indexOf(QApplication::focusWidget());
    buildContent();
    stack_->activate();
    if (auto* starters = qobject_cast<StartersTab*>(content_)) {
        starters->restoreSelection(chosen);
    }
    if (auto* glossary = qobject_cast<GlossaryTab*>(content_)) {
        glossary->restoreSearch(searched);
    }
    if (const QList<QWidget*> widgets = content_->findChildren<QWidget*>();
        keys >= 0 && keys < widgets.size()) {
        widgets[keys]->setFocus(Qt::OtherFocusReason);
    }
    restoreScroll(content_, scroll);
}

QAbstractButton* PokerBasicsView::tabButton(GuideTab tab) const {
    return picker_->segments()[static_cast<std::size_t>(tab)];
}

void PokerBasicsView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The panel covers its screen, so keyboard work starts on the chosen tab. The sidebar leaves the
    // focus with the table beside it.
    if (!shown_ && setup_.presentation == Presentation::panel && !isAncestorOf(QApplication::focusWidget())) {
        tabButton(tab_)->setFocus(Qt::OtherFocusReason);
    }
    // The panel opens over its screen with the focus on the tab; the page it opens on is read once, when
    // the opening is over and the reader has been told of it. The screen it covers stops taking input and
    // the keys move in, each change told to the reader; over a hand being dealt, the table's changes of
    // the deal are told too. Read before those, the page waited in the reader's queue while they piled up
    // behind it, and a reader flooded so drops every announcement that is not the focus's.
    if (!shown_ && setup_.presentation == Presentation::panel) {
        readOnceOpened(&PokerBasicsView::readBasicsPage);
    }
    shown_ = true;
}

void PokerBasicsView::reopened() {
    readOnceOpened(&PokerBasicsView::readTab);
}

void PokerBasicsView::readOnceOpened(void (PokerBasicsView::*read)()) {
    QTimer::singleShot(0, this, [this, read] {
        PacedSignals::afterWaiting(this, [this, read] {
            if (isVisible()) {
                (this->*read)();
            }
        });
    });
}

void PokerBasicsView::readTab() {
    if (tab_ == GuideTab::basics) {
        readBasicsPage();
        return;
    }
    if (!setup_.announcer) {
        return;
    }
    auto* glossary = qobject_cast<GlossaryTab*>(content_);
    setup_.announcer->announce(
        GuideShell::tabReading(tab_, glossary ? glossary->searchField()->text() : QString()));
}

void PokerBasicsView::readBasicsPage() {
    if (auto* basics = qobject_cast<BasicsTab*>(content_)) {
        basics->readPage();
    }
}

void PokerBasicsView::pressReturn() {
    using GuideShell::FocusOn;
    QAbstractButton* focused = FocusedButton::in(this);
    const bool choice = focused && qobject_cast<SlidingPicker*>(focused->parentWidget());
    const FocusOn focus = !focused ? FocusOn::other : choice ? FocusOn::choice : FocusOn::button;
    switch (GuideShell::onReturn(setup_.presentation == Presentation::sidebar, tab_, focus)) {
    case GuideShell::ReturnPress::focusedButton:
        focused->click();
        break;
    case GuideShell::ReturnPress::basicsForward:
        if (auto* basics = qobject_cast<BasicsTab*>(content_)) {
            basics->forwardButton()->click();
        }
        break;
    case GuideShell::ReturnPress::nothing:
        break;
    }
}

void PokerBasicsView::setPlayerHand(std::optional<BotKit::StartingHand> currentHand,
                                    std::optional<QString> heldRank) {
    if (currentHand == setup_.currentHand && heldRank == setup_.heldRank) {
        return;
    }
    setup_.currentHand = currentHand;
    setup_.heldRank = std::move(heldRank);
    // The tab shown follows in place: a rebuilt tab would lose the player's scroll and chart choice.
    if (auto* rankings = qobject_cast<RankingsTab*>(content_)) {
        rankings->setHeld(setup_.heldRank);
    } else if (auto* starters = qobject_cast<StartersTab*>(content_)) {
        starters->setCurrentHand(setup_.currentHand);
    }
}

void PokerBasicsView::setTab(GuideTab tab) {
    if (tab == tab_) {
        return;
    }
    tab_ = tab;
    picker_->setSelected(static_cast<int>(tab_));
    buildContent();
}

void PokerBasicsView::buildContent() {
    QWidget* leaving = content_;
    // A tab changed under the keys (the last page's "Rankings ›") hands them to the new tab. Hidden
    // with them, the old one would pass them on down the window: to the table beside the sidebar.
    const bool hadKeys = leaving && leaving->isAncestorOf(QApplication::focusWidget());
    const bool compact = setup_.presentation == Presentation::sidebar;
    switch (tab_) {
    case GuideTab::basics: {
        // The panel binds Return on the whole guide, so the tab binds none of its own.
        BasicsTab::Options options{false, compact, setup_.playPractice,
                                   [this] { setTab(GuideTab::rankings); }};
        auto* basics =
            new BasicsTab(setup_.art, setup_.theme, page_, std::move(options), setup_.announcer, this);
        connect(basics, &BasicsTab::pageChanged, this, [this](int page) { page_ = page; });
        content_ = basics;
        break;
    }
    case GuideTab::rankings:
        content_ = new RankingsTab(setup_.art, compact, setup_.heldRank, this);
        break;
    case GuideTab::starters:
        content_ = new StartersTab(setup_.theme, setup_.currentHand, compact, setup_.announcer, this);
        break;
    case GuideTab::glossary:
        content_ = new GlossaryTab(setup_.theme, focusedTerm_, setup_.announcer, this);
        break;
    }
    stack_->addWidget(content_, 1);
    // Read in the order it is drawn: the tab's controls follow the picker above them.
    FocusChain::placeAfter(picker_->segments().back(), content_);
    content_->show();
    if (hadKeys) {
        FocusReturn::enter(content_);
    }
    if (leaving) {
        leaving->hide();
        stack_->removeWidget(leaving);
        leaving->deleteLater();
    }
}
