#include "Views/Learn/TermPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/StyledButton.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/MarkdownLabel.h"
#include "Views/Learn/TermArt.h"
#include "Views/Support/DialogKeys.h"

TermPanel::TermPanel(const TableTheme& theme, Term term, const TermNumbers& numbers, const TableTheme& art,
                     std::function<void()> dismiss, OpenGuide openGuide, QWidget* parent)
    : SatinPanel(theme, false, 14, parent)
    , term_(term) {
    // The card holds the keys until it is answered, so a reader hears it as a modal dialog.
    StyleAccessibility::setModalDialog(this);
    setAccessibleName(title(term));
    const bool dark = SystemAppearance::current().dark;
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(12);

    auto* first = new QHBoxLayout;
    first->setSpacing(14);
    first->addWidget(new TermArt(art, term, this), 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    words->setSpacing(4);
    auto* heading = new QLabel(title(term), this);
    heading->setFont(ThemeFonts::system(15, FontWeight::semibold));
    GuideColors::setTextColour(heading, GuideColors::primary(dark));
    StyleAccessibility::setRole(heading, QAccessible::Heading);
    words->addWidget(heading);
    explanation_ = new MarkdownLabel(explanation(term, numbers), this);
    explanation_->setFont(ThemeFonts::system(12, FontWeight::regular));
    GuideColors::setTextColour(explanation_, GuideColors::secondary(dark));
    words->addWidget(explanation_);
    words->addStretch(1);
    first->addLayout(words, 1);
    stack->addLayout(first);

    auto* second = new QHBoxLayout;
    second->setSpacing(8);
    second->addStretch(1);
    if (openGuide) {
        const GuideDestination destination = guideDestination(term);
        guide_ = new StyledButton(
            theme, guideLinkTitle(term) + QStringLiteral(" \u203A"), ControlKind::secondary(),
            ControlSize::small, std::nullopt,
            [openGuide = std::move(openGuide), destination] { openGuide(destination); }, this);
        guide_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        second->addWidget(guide_);
    }
    gotIt_ = new StyledButton(theme, QStringLiteral("Got It"), ControlKind::confirm(), ControlSize::small,
                              std::nullopt, dismiss, this);
    gotIt_->setFixedWidth(90);
    second->addWidget(gotIt_);
    stack->addLayout(second);

    DialogKeys::bindDefault(this, gotIt_);
    DialogKeys::bindCancel(this, std::move(dismiss));
}

void TermPanel::showEvent(QShowEvent* event) {
    SatinPanel::showEvent(event);
    // The card takes the keyboard so Return and Escape reach it at once.
    gotIt_->setFocus(Qt::OtherFocusReason);
}
