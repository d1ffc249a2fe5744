#include "Views/Learn/StartersTab.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "Learn/GuideShell.h"
#include "Learn/StartersChart.h"
#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/SidewaysScrollArea.h"
#include "Views/Learn/StartersChartView.h"
#include "Views/Support/Announcer.h"

namespace {
constexpr double swatch = 10;
constexpr double swatchGap = 4;
constexpr double itemGap = 10;
constexpr double legendRowGap = 4;
constexpr std::size_t firstRowWhenSplit = 3;

QFont legendFont() {
    return ThemeFonts::system(11, FontWeight::regular);
}

QLabel* paragraph(const QString& text, double size, FontWeight weight, const QColor& colour,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(ThemeFonts::system(size, weight));
    GuideColors::setTextColour(label, colour);
    return label;
}
} // namespace

BandLegend::BandLegend(bool dark, bool increasedContrast, QWidget* parent)
    : QWidget(parent)
    , dark_(dark)
    , increasedContrast_(increasedContrast) {
    StyleAccessibility::setRole(this, QAccessible::StaticText);
    QStringList names;
    for (const StartingBand band : allStartingBands) {
        names.append(StartersChart::bandName(band));
    }
    setAccessibleName(names.join(QStringLiteral(", ")));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

double BandLegend::rowWidth(std::size_t first, std::size_t count) const {
    const QFontMetricsF metrics(legendFont());
    double width = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        width += swatch + swatchGap + metrics.horizontalAdvance(StartersChart::bandName(allStartingBands[i]));
    }
    return width + itemGap * static_cast<double>(count - 1);
}

int BandLegend::rowsAt(int width) const {
    return rowWidth(0, allStartingBands.size()) <= width ? 1 : 2;
}

int BandLegend::heightForWidth(int width) const {
    const double line = std::max(swatch, QFontMetricsF(legendFont()).height());
    return static_cast<int>(std::ceil(rowsAt(width) == 1 ? line : 2 * line + legendRowGap));
}

QSize BandLegend::sizeHint() const {
    const int width = static_cast<int>(std::ceil(rowWidth(0, firstRowWhenSplit)));
    return {width, heightForWidth(width)};
}

void BandLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(legendFont());
    const QFontMetricsF metrics(legendFont());
    const double line = std::max(swatch, metrics.height());
    const bool oneRow = rowsAt(width()) == 1;
    double x = 0;
    double y = 0;
    for (std::size_t i = 0; i < allStartingBands.size(); ++i) {
        if (!oneRow && i == firstRowWhenSplit) {
            x = 0;
            y += line + legendRowGap;
        }
        const StartingBand band = allStartingBands[i];
        StartersChartView::paintSwatch(painter, QRectF(x, y + (line - swatch) / 2, swatch, swatch),
                                       StartersChartView::look(band, dark_, increasedContrast_));
        x += swatch + swatchGap;
        const QString name = StartersChart::bandName(band);
        painter.setPen(GuideColors::secondary(dark_));
        painter.drawText(QRectF(x, y, metrics.horizontalAdvance(name) + 1, line),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + itemGap;
    }
}

StartersTab::StartersTab(const TableTheme& theme, std::optional<BotKit::StartingHand> currentHand,
                         bool compact, Announcer* announcer, QWidget* parent)
    : QScrollArea(parent)
    , dark_(theme.dark)
    , announcer_(announcer) {
    // Unnamed and taking no focus of its own, a reader passes it on the way into the chart: the picker
    // has named the tab, and read as a named panel it would read out the whole tab around the chart,
    // the selection's words among it, after the chart has said them. The keys the chart leaves (Page
    // Up, Page Down) come up to it and scroll it.
    StyleAccessibility::setRole(this, QAccessible::Grouping);
    setFocusPolicy(Qt::NoFocus);
    const bool dark = theme.dark;
    const bool increasedContrast = theme.increaseContrast;
    auto* content = new QWidget;
    auto* stack = new QVBoxLayout(content);
    stack->setContentsMargins(1, 1, 1, 1);
    stack->setSpacing(10);

    auto* rule = new SatinPanel(theme, false, 12, content);
    rule_ = rule;
    auto* ruleWords = new QVBoxLayout(rule);
    ruleWords->setContentsMargins(12, 10, 12, 10);
    ruleWords->setSpacing(3);
    ruleWords->addWidget(paragraph(GuideShell::startersRuleTitle(), 13, FontWeight::semibold,
                                   GuideColors::primary(dark), rule));
    ruleWords->addWidget(
        paragraph(GuideShell::startersRule(), 12, FontWeight::regular, GuideColors::secondary(dark), rule));
    stack->addWidget(rule);

    // What follows the panel lines up with the panel's card, not with the room kept for its shadow.
    auto* below = new QVBoxLayout;
    const QMargins shadow = SatinPanel::shadowMargins();
    below->setContentsMargins(shadow.left(), 0, shadow.right(), 0);
    below->setSpacing(10);
    stack->addLayout(below);
    chart_ = new StartersChartView(currentHand, dark, increasedContrast);
    chartScroll_ = new SidewaysScrollArea(chart_, content);
    // Centred where the room under the rule of thumb holds less than the width would give it.
    auto* chartRow = new QHBoxLayout;
    chartRow->setContentsMargins(0, 0, 0, 0);
    chartRow->addStretch(0);
    chartRow->addWidget(chartScroll_, 1);
    chartRow->addStretch(0);
    if (compact) {
        // The narrow sidebar gives the chart the shadow's room too, so it scrolls sideways less often.
        stack->insertLayout(stack->indexOf(rule) + 1, chartRow);
    } else {
        below->addLayout(chartRow);
    }
    legend_ = new BandLegend(dark, increasedContrast, content);
    below->addWidget(legend_);
    detail_ = paragraph({}, 12, FontWeight::regular, GuideColors::primary(dark), content);
    detail_->setTextFormat(Qt::RichText);
    below->addWidget(detail_);
    below->addWidget(
        paragraph(QStringLiteral("Top right: both cards the same suit (s). Bottom left: different suits "
                                 "(o). Diagonal: pairs."),
                  11, FontWeight::regular, GuideColors::secondary(dark), content));
    stack->addStretch(1);

    setWidget(content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // The guide's page shows through, as round the other tabs: a ground of the tab's own would be
    // one more colour to keep in step with the page when the look changes.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Focus coming into the chart names the cell the arrow keys start from, as a list names its
    // current row.
    connect(chart_, &StartersChartView::entered, this, [this] {
        if (announcer_) {
            announcer_->announce(selectionLine());
        }
    });
    connect(chart_, &StartersChartView::selectionChanged, this, [this](const BotKit::StartingHand& hand) {
        showDetail();
        showSelection();
        if (announcer_) {
            announcer_->announce(StartersChart::selectionAnnouncement(hand, chart_->current()));
        }
    });
    // The player's hand is in view when the tab opens, and the selection stays so as the room changes.
    connect(chartScroll_->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            &StartersTab::showSelection);
    // The focus ring follows the part of the chart in view.
    connect(chartScroll_->horizontalScrollBar(), &QScrollBar::valueChanged, chart_,
            qOverload<>(&QWidget::update));
    showDetail();
}

void StartersTab::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fitChart();
}

void StartersTab::fitChart() {
    // Laid out as the stack above lays it: its 1 pt margins, the card and the 10 pt between.
    const int above = 1 + rule_->heightForWidth(viewport()->width() - 2) + 10;
    const int room = viewport()->height() - above - 1;
    chartScroll_->setMaximumWidth(std::max(room, chart_->minimumWidth()));
}

void StartersTab::setCurrentHand(std::optional<BotKit::StartingHand> currentHand) {
    chart_->setCurrent(currentHand);
    showDetail();
}

void StartersTab::restoreSelection(std::optional<BotKit::StartingHand> selected) {
    if (!selected || selected == chart_->selected()) {
        return;
    }
    {
        // Nothing was chosen now: nothing to say.
        const QSignalBlocker quiet(chart_);
        chart_->select(*selected);
    }
    showDetail();
    showSelection();
}

QString StartersTab::selectionLine() const {
    const auto selected = chart_->selected();
    return selected ? StartersChart::selectionAnnouncement(*selected, chart_->current())
                    : StartersChart::noSelectionText();
}

void StartersTab::showSelection() {
    if (const auto hand = chart_->selected()) {
        const QRectF cell = chart_->cellRect(chartPosition(*hand).row, chartPosition(*hand).column);
        const QPoint centre = cell.center().toPoint();
        chartScroll_->ensureVisible(centre.x(), centre.y(), static_cast<int>(cell.width()), 0);
    }
}

void StartersTab::showDetail() {
    const auto said = StartersChart::detail(chart_->selected(), chart_->current());
    if (!said) {
        detail_->setText(StartersChart::noSelectionText().toHtmlEscaped());
        GuideColors::setTextColour(detail_, GuideColors::secondary(dark_));
        detail_->setAccessibleName(StartersChart::noSelectionText());
        return;
    }
    GuideColors::setTextColour(detail_, GuideColors::primary(dark_));
    detail_->setText(
        QStringLiteral("<b>%1%2</b>%3")
            .arg(said->prefix.toHtmlEscaped(), said->name.toHtmlEscaped(), said->band.toHtmlEscaped()));
    detail_->setAccessibleName(said->prefix + said->name + said->band);
}
