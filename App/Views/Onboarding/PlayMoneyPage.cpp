#include "Views/Onboarding/PlayMoneyPage.h"

#include "Style/Drawing/SatinPanel.h"
#include "Style/Drawing/SymbolIcons.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/FloatingArt.h"
#include "Style/SpokenSentences.h"
#include "Views/Onboarding/ChipPileView.h"
#include "Views/Onboarding/OnboardingFlow.h"
#include "Views/Onboarding/OnboardingPieces.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

constexpr QPointF columnTopLeft(40, 370);
constexpr double columnWidth = 520;
constexpr double columnSpacing = 18;
constexpr double rowPaddingH = 14;
constexpr double rowPaddingV = 9;
constexpr double badge = 22;
constexpr double badgeGap = 12;

const RiseIn titleRise{0.1};
const RiseIn panelRise{0.22};

QFont titleFont() {
    return ThemeFonts::system(30, FontWeight::bold);
}
QFont factTitleFont() {
    return ThemeFonts::system(13.5, FontWeight::semibold);
}
QFont factDetailFont() {
    return ThemeFonts::system(12, FontWeight::regular);
}

double textWidth() {
    return columnWidth - 2 * rowPaddingH - badge - badgeGap;
}

double detailHeight(const QString& detail) {
    return QFontMetricsF(factDetailFont())
        .boundingRect(QRectF(0, 0, textWidth(), 1000), Qt::TextWordWrap, detail)
        .height();
}

double rowHeight(const OnboardingFlow::Fact& fact) {
    const double text = QFontMetricsF(factTitleFont()).height() + 2 + detailHeight(fact.detail);
    return std::max(text, badge) + 2 * rowPaddingV;
}

double titleHeight() {
    return QFontMetricsF(titleFont()).height();
}

} // namespace

PlayMoneyPage::PlayMoneyPage(const TableTheme& theme, QWidget* parent)
    : OnboardingPage(theme, parent)
    , pile_(new ChipPileView(theme, this)) {
    pile_->move(0, 0);
    pile_->resize(ChipPileView::viewSize);
    setAccessibleName(reading());
}

QString PlayMoneyPage::reading() const {
    QStringList spoken{OnboardingFlow::title(1)};
    for (const auto& fact : OnboardingFlow::playMoneyFacts())
        spoken << fact.title << fact.detail;
    return SpokenSentences::join(spoken);
}

void PlayMoneyPage::setTheme(const TableTheme& theme) {
    pile_->setTheme(theme);
    OnboardingPage::setTheme(theme);
}

void PlayMoneyPage::setInSight(bool inSight) {
    pile_->setInSight(inSight);
    OnboardingPage::setInSight(inSight);
}

QRectF PlayMoneyPage::panelRect() {
    double height = 0;
    for (const auto& fact : OnboardingFlow::playMoneyFacts())
        height += rowHeight(fact);
    return {columnTopLeft + QPointF(0, titleHeight() + columnSpacing), QSizeF(columnWidth, height)};
}

bool PlayMoneyPage::moving(double sinceShown) const {
    return !panelRise.entered(sinceShown, reduceMotion());
}

void PlayMoneyPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintColumn(painter, theme(), sinceShown());
}

void PlayMoneyPage::paintColumn(QPainter& painter, const TableTheme& theme, double sinceShown) {
    painter.setRenderHint(QPainter::Antialiasing);
    const bool reduced = theme.reduceMotion;

    const RiseIn::Placement title = titleRise.at(sinceShown, reduced);
    painter.setOpacity(title.opacity);
    painter.setFont(titleFont());
    painter.setPen(OnboardingInk::primary(theme));
    painter.drawText(QRectF(columnTopLeft + QPointF(0, title.dy), QSizeF(columnWidth, titleHeight())),
                     Qt::AlignLeft | Qt::AlignTop, OnboardingFlow::title(1));

    const RiseIn::Placement panel = panelRise.at(sinceShown, reduced);
    painter.setOpacity(panel.opacity);
    painter.translate(0, panel.dy);
    const QRectF box = panelRect();
    SatinPanel::paint(painter, box, theme, theme.dark, false, 12);
    double top = box.top();
    const auto& facts = OnboardingFlow::playMoneyFacts();
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const auto& fact = facts[i];
        if (i > 0) {
            painter.setPen(QPen(QColor(128, 128, 128, 70), 1));
            painter.drawLine(QPointF(box.left() + 12, top + 0.5), QPointF(box.right() - 12, top + 0.5));
        }
        const QRectF row(box.left() + rowPaddingH, top + rowPaddingV, columnWidth - 2 * rowPaddingH,
                         rowHeight(fact) - 2 * rowPaddingV);
        const QRectF disc(row.topLeft(), QSizeF(badge, badge));
        painter.setPen(Qt::NoPen);
        painter.setBrush(OnboardingInk::accent(theme));
        painter.drawEllipse(disc);
        SymbolIcons::paint(painter, QStringLiteral("checkmark"), disc.adjusted(5.5, 5.5, -5.5, -5.5),
                           Qt::white);

        const double textLeft = disc.right() + badgeGap;
        const double titleLine = QFontMetricsF(factTitleFont()).height();
        painter.setFont(factTitleFont());
        painter.setPen(OnboardingInk::primary(theme));
        painter.drawText(QRectF(textLeft, row.top(), textWidth(), titleLine), Qt::AlignLeft | Qt::AlignTop,
                         fact.title);
        painter.setFont(factDetailFont());
        painter.setPen(OnboardingInk::secondary(theme));
        painter.drawText(QRectF(textLeft, row.top() + titleLine + 2, textWidth(), detailHeight(fact.detail)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, fact.detail);
        top += rowHeight(fact);
    }
    painter.setOpacity(1);
}
