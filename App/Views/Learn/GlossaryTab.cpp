#include "Views/Learn/GlossaryTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "Learn/GlossarySearch.h"
#include "Learn/GuideShell.h"
#include "Learn/MarkdownText.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Controls/ReaderLineEdit.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/GuideList.h"
#include "Views/Learn/MarkdownLabel.h"
#include "Views/Support/Announcer.h"

namespace {

// A term's row; the focused term's is washed in the accent with a bar on its leading edge.
class TermRow : public GuideList::Row {
  public:
    TermRow(Term term, bool focused, QWidget* parent)
        : GuideList::Row(parent)
        , term_(term)
        , focused_(focused) {
        const bool dark = SystemAppearance::current().dark;
        auto* stack = new QVBoxLayout(this);
        stack->setContentsMargins(12, 8, 12, 8);
        stack->setSpacing(2);
        // Drawn as the explanation is: a tab of thirty rows built at once tells the reader nothing of them.
        auto* heading = new MarkdownLabel(title(term), this);
        heading->setFont(ThemeFonts::system(13, FontWeight::semibold));
        GuideColors::setTextColour(heading, GuideColors::primary(dark));
        stack->addWidget(heading);
        const QString text = explanation(term, TermNumbers{});
        auto* words = new MarkdownLabel(text, this);
        words->setFont(ThemeFonts::system(11.5, FontWeight::regular));
        GuideColors::setTextColour(words, GuideColors::secondary(dark));
        stack->addWidget(words);
        speak(title(term) + QStringLiteral(", ") + spokenExplanation(term, TermNumbers{}));
        StyleAccessibility::setSelected(this, focused);
    }
    Term term() const { return term_; }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (focused_) {
            QPainter painter(this);
            const QColor accent = GuideColors::accent(SystemAppearance::current().dark);
            painter.fillRect(rect(), GuideColors::faded(accent, 0.12));
            painter.fillRect(QRectF(0, 0, 3, height()), accent);
        }
        GuideList::Row::paintEvent(event);
    }

  private:
    Term term_;
    bool focused_;
};

// The panel behind the list: as tall as the rows it shows, never taller than the room it is given. So
// a search that changes the rows changes the panel's size only while they are fewer than fill it.
class GlossaryPanel : public SatinPanel {
  public:
    GlossaryPanel(const TableTheme& theme, QScrollArea* scroll, QWidget* parent)
        : SatinPanel(theme, false, 12, parent)
        , scroll_(scroll) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }
    QSize sizeHint() const override {
        const QMargins margins = contentsMargins();
        const int width = std::max(scroll_->viewport()->width(), 1);
        const int rows = scroll_->widget()->heightForWidth(width);
        return {width + margins.left() + margins.right(), rows + margins.top() + margins.bottom()};
    }
    QSize minimumSizeHint() const override {
        const QMargins margins = contentsMargins();
        return {margins.left() + margins.right() + 40, margins.top() + margins.bottom() + 40};
    }

  private:
    QScrollArea* scroll_;
};

} // namespace

GlossaryTab::GlossaryTab(const TableTheme& theme, std::optional<Term> focused, Announcer* announcer,
                         QWidget* parent)
    : QWidget(parent)
    , focused_(focused)
    , announcer_(announcer)
    , matchCount_(alphabeticalTerms().size()) {
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(10);
    search_ = new ReaderLineEdit(this);
    search_->setPlaceholderText(GlossarySearch::prompt());
    search_->setAccessibleName(QStringLiteral("Search"));
    search_->setClearButtonEnabled(true);
    search_->setTextMargins(GlossarySearch::textInset, 0, GlossarySearch::textInset, 0);
    // The field lines up with the panel's card, not with the room kept for its shadow.
    const QMargins shadow = SatinPanel::shadowMargins();
    auto* field = new QHBoxLayout;
    field->setContentsMargins(shadow.left(), 0, shadow.right(), 0);
    field->addWidget(search_);
    stack->addLayout(field);

    // The rows scroll inside the panel, so a keystroke redraws only the rows in view and the panel's
    // rounded clip keeps its size.
    auto* content = new QWidget;
    // The rows are as tall as their texts wrap at the list's width. The least height Qt would also hold
    // them to is the texts' guess at some other width, a dozen pixels more for a few terms: the rows
    // then scrolled past their last line, behind a bar where everything fitted.
    content->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    list_ = new GuideList(12, content);
    inner->addWidget(list_);
    noMatches_ = new QLabel(QStringLiteral("No matches."), content);
    noMatches_->setFont(ThemeFonts::system(12, FontWeight::regular));
    noMatches_->setContentsMargins(12, 12, 12, 12);
    GuideColors::setTextColour(noMatches_, GuideColors::secondary(theme.dark));
    noMatches_->hide();
    inner->addWidget(noMatches_);
    inner->addStretch(1);

    scroll_ = new QScrollArea;
    // The keys reach its rows one by one, which scroll into view; a reader names it by its tab.
    scroll_->setFocusPolicy(Qt::NoFocus);
    StyleAccessibility::setRole(scroll_, QAccessible::Grouping);
    scroll_->setAccessibleName(GuideShell::tabTitle(GuideTab::glossary));
    scroll_->setWidget(content);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    panel_ = new GlossaryPanel(theme, scroll_, this);
    auto* inPanel = new QVBoxLayout(panel_);
    inPanel->setContentsMargins(0, 0, 0, 0);
    inPanel->addWidget(scroll_);
    stack->addWidget(panel_);
    stack->addStretch(1);
    // The rows come last, once the scroll area holds the list: their texts are then first laid out
    // when the tab gets its size, not at the scroll area's size before it is placed.
    for (const Term term : alphabeticalTerms()) {
        auto* row = new TermRow(term, focused == term, list_);
        list_->append(row);
        if (focused == term) {
            list_->setCurrent(row);
        }
    }

    connect(search_, &QLineEdit::textChanged, this, &GlossaryTab::searchChanged);
}

void GlossaryTab::searchChanged(const QString& text) {
    const std::vector<Term> matches = GlossarySearch::matching(text);
    // Both lists are alphabetical, so one walk marks the matching rows.
    auto next = matches.begin();
    list_->filter([&](int index) {
        const Term term = alphabeticalTerms()[static_cast<std::size_t>(index)];
        if (next != matches.end() && *next == term) {
            ++next;
            return true;
        }
        return false;
    });
    noMatches_->setVisible(matches.empty());
    // The scroll area hears of nothing when rows inside its content hide or show, so it would keep the
    // longer list's height and its bar; told, it fits the content to the rows that show.
    scroll_->widget()->updateGeometry();
    panel_->updateGeometry();
    // Typing on through the same matches says nothing new.
    if (announcer_ && matches.size() != matchCount_) {
        announcer_->announce(GlossarySearch::announcement(matches.size()));
    }
    matchCount_ = matches.size();
}

void GlossaryTab::restoreSearch(const TypedText& typed) {
    // The matches are the ones the player last heard counted.
    matchCount_ = GlossarySearch::matching(typed.text).size();
    typed.putInto(*search_);
}

std::vector<Term> GlossaryTab::shownTerms() const {
    std::vector<Term> terms;
    const auto& rows = list_->rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i]->isHidden()) {
            terms.push_back(alphabeticalTerms()[i]);
        }
    }
    return terms;
}

bool GlossaryTab::showsNoMatches() const {
    return !noMatches_->isHidden();
}

QWidget* GlossaryTab::row(Term term) const {
    const auto& order = alphabeticalTerms();
    const auto at = std::find(order.begin(), order.end(), term);
    return list_->rows()[static_cast<std::size_t>(at - order.begin())];
}

void GlossaryTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (scrolled_ || !focused_) {
        return;
    }
    scrolled_ = true;
    // Once laid out, the focused term's row goes to the top of the visible area, without animation.
    QTimer::singleShot(0, this, [this] {
        QWidget* target = row(*focused_);
        const QPoint top = target->mapTo(scroll_->widget(), QPoint(0, 0));
        scroll_->verticalScrollBar()->setValue(top.y());
    });
}
