#include "Views/Learn/RankingsTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Learn/GuideContent.h"
#include "Learn/GuideShell.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/GuideList.h"
#include "Views/Learn/LearnArt.h"

namespace {

// The five example cards of a row, face up.
class ExampleHand : public QWidget {
  public:
    ExampleHand(const TableTheme& art, const std::vector<PokerEngine::Card>& cards, bool compact,
                QWidget* parent)
        : QWidget(parent)
        , art_(art)
        , size_(compact ? QSizeF(17, 24) : QSizeF(22, 31))
        , gap_(compact ? 1 : 2) {
        for (const PokerEngine::Card& card : cards) {
            codes_.push_back(card.code());
        }
        StyleAccessibility::setHidden(this);
        const double width = static_cast<double>(codes_.size()) * (size_.width() + gap_) - gap_;
        setFixedSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(size_.height())));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, art_.style != TableStyleID::pixel);
        LearnArt::paintCardRow(painter, art_, codes_, size_, QRectF(rect()).center(), gap_);
    }

  private:
    TableTheme art_;
    std::vector<std::string> codes_;
    QSizeF size_;
    double gap_;
};

// A row, with the held row's gold wash behind it.
class RankingRow : public GuideList::Row {
  public:
    RankingRow(bool held, QWidget* parent)
        : GuideList::Row(parent)
        , held_(held) {}

    void setHeld(bool held) {
        held_ = held;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        if (held_) {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            QPainterPath wash;
            wash.addRoundedRect(QRectF(rect()).adjusted(4, 0, -4, 0), 8, 8);
            painter.fillPath(wash, QColor::fromRgbF(0.95f, 0.76f, 0.31f, 0.22f));
        }
        GuideList::Row::paintEvent(event);
    }

  private:
    bool held_;
};

} // namespace

RankingsTab::RankingsTab(const TableTheme& art, bool compact, std::optional<QString> held, QWidget* parent)
    : QScrollArea(parent)
    , dark_(SystemAppearance::current().dark)
    , held_(held) {
    // The keys reach its rows one by one, which scroll into view; a reader names it by its tab.
    setFocusPolicy(Qt::NoFocus);
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    setAccessibleName(GuideShell::tabTitle(GuideTab::rankings));
    const bool dark = dark_;
    auto* content = new QWidget;
    auto* stack = new QVBoxLayout(content);
    stack->setContentsMargins(1, 1, 1, 1);
    stack->setSpacing(8);
    auto* intro = new QLabel(GuideShell::rankingsIntro(), content);
    intro->setWordWrap(true);
    // The words line up 2 points inside the panel's card, not the room kept for its shadow.
    const QMargins shadow = SatinPanel::shadowMargins();
    intro->setContentsMargins(shadow.left() + 2, 0, shadow.right() + 2, 0);
    intro->setFont(ThemeFonts::system(12, FontWeight::regular));
    GuideColors::setTextColour(intro, GuideColors::secondary(dark));
    stack->addWidget(intro);

    auto* panel = new SatinPanel(art, false, 12, content);
    auto* inPanel = new QVBoxLayout(panel);
    inPanel->setContentsMargins(0, 0, 0, 0);
    auto* list = new GuideList(compact ? 12 : 40, panel);
    inPanel->addWidget(list);
    const auto& ranks = HandRank::all();
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        const HandRank& rank = ranks[i];
        const int number = static_cast<int>(i) + 1;
        const bool isHeld = rank.isHeld(held);
        auto* row = new RankingRow(isHeld, list);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(12, 7, 12, 7);
        line->setSpacing(10);
        if (!compact) {
            auto* numeral = new QLabel(QString::number(number), row);
            numeral->setFont(ThemeFonts::system(11, FontWeight::semibold));
            numeral->setFixedWidth(16);
            numeral->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            GuideColors::setTextColour(numeral, GuideColors::secondary(dark));
            line->addWidget(numeral);
        }
        auto* words = new QVBoxLayout;
        words->setSpacing(1);
        auto* name = new QLabel(rank.name, row);
        name->setFont(ThemeFonts::system(compact ? 12.5 : 13, FontWeight::semibold));
        GuideColors::setTextColour(name, GuideColors::primary(dark));
        words->addWidget(name);
        auto* detail = new QLabel(row);
        detail->setWordWrap(true);
        GuideColors::setTextColour(detail, GuideColors::secondary(dark));
        words->addWidget(detail);
        line->addLayout(words, 1);
        line->addWidget(new ExampleHand(art, rank.cards, compact, row), 0, Qt::AlignVCenter);
        list->append(row);
        rows_.push_back(row);
        details_.push_back(detail);
        showHeld(i, isHeld);
    }
    stack->addWidget(panel);
    stack->addStretch(1);

    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

void RankingsTab::showHeld(std::size_t row, bool held) {
    const HandRank& rank = HandRank::all()[row];
    QLabel* detail = details_[row];
    detail->setText(held ? QStringLiteral("You have this now") : rank.detail);
    detail->setFont(ThemeFonts::system(11, held ? FontWeight::semibold : FontWeight::regular));
    auto* line = static_cast<RankingRow*>(rows_[row]);
    line->setHeld(held);
    line->speak(rank.spoken(static_cast<int>(row) + 1, held));
}

void RankingsTab::setHeld(const std::optional<QString>& held) {
    if (held == held_) {
        return;
    }
    held_ = held;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        showHeld(i, HandRank::all()[i].isHeld(held));
    }
}
