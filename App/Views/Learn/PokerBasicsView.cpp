#include "Views/Learn/PokerBasicsView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/BasicsTab.h"
#include "Views/Learn/GlossaryTab.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/RankingsTab.h"
#include "Views/Learn/StartersTab.h"
#include "Views/Support/DialogKeys.h"

namespace {
QString tabTitle(GuideTab tab) {
    switch (tab) {
    case GuideTab::basics:
        return QStringLiteral("Basics");
    case GuideTab::rankings:
        return QStringLiteral("Rankings");
    case GuideTab::starters:
        return QStringLiteral("Starters");
    case GuideTab::glossary:
        break;
    }
    return QStringLiteral("Glossary");
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
    if (panel) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Window);
    }

    stack_ = new QVBoxLayout(this);
    const int padding = panel ? 18 : 14;
    stack_->setContentsMargins(padding, padding, padding, padding);
    stack_->setSpacing(0);
    if (panel) {
        auto* header = new QHBoxLayout;
        auto* heading = new QLabel(QStringLiteral("Poker Basics"), this);
        heading->setFont(ThemeFonts::system(20, FontWeight::semibold));
        GuideColors::setTextColour(heading, GuideColors::primary(setup_.theme.dark));
        StyleAccessibility::setRole(heading, QAccessible::Heading);
        header->addWidget(heading);
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
    }

    auto* picker = new QHBoxLayout;
    picker->setSpacing(4);
    for (const GuideTab tab : allGuideTabs) {
        auto* button = new StyledButton(
            setup_.theme, tabTitle(tab), ControlKind::preset(tab == tab_), ControlSize::small, std::nullopt,
            [this, tab] { setTab(tab); }, this);
        button->setAccessibleDescription(QStringLiteral("Poker Basics section"));
        picker->addWidget(button);
        tabButtons_.push_back(button);
    }
    stack_->addLayout(picker);
    stack_->addSpacing(12);
    buildContent();
}

StyledButton* PokerBasicsView::tabButton(GuideTab tab) const {
    return tabButtons_[static_cast<std::size_t>(tab)];
}

void PokerBasicsView::setTab(GuideTab tab) {
    if (tab == tab_) {
        return;
    }
    tab_ = tab;
    for (const GuideTab each : allGuideTabs) {
        tabButton(each)->setKind(ControlKind::preset(each == tab_));
    }
    buildContent();
}

void PokerBasicsView::buildContent() {
    if (content_) {
        content_->deleteLater();
        content_->hide();
        stack_->removeWidget(content_);
    }
    const bool compact = setup_.presentation == Presentation::sidebar;
    switch (tab_) {
    case GuideTab::basics: {
        BasicsTab::Options options{!compact, compact, setup_.playPractice,
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
        content_ = new StartersTab(setup_.theme, setup_.currentHand, compact, this);
        break;
    case GuideTab::glossary:
        content_ = new GlossaryTab(setup_.theme, focusedTerm_, setup_.announcer, this);
        break;
    }
    stack_->addWidget(content_, 1);
    content_->show();
}
