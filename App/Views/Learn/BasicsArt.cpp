#include "Views/Learn/BasicsArt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Style/Drawing/ArtStage.h"
#include "Style/Drawing/AvatarDisc.h"
#include "Style/Drawing/Colors.h"
#include "Style/Drawing/DealerButtonView.h"
#include "Style/Drawing/Pill.h"
#include "Style/Drawing/StyleAccessibility.h"
#include "Style/Drawing/SystemAppearance.h"
#include "Style/Drawing/TagView.h"
#include "Style/Drawing/ThemeFonts.h"
#include "Style/Ornaments.h"
#include "Views/Learn/GuideColors.h"
#include "Views/Learn/LearnArt.h"

namespace {

const QSizeF pairCard(30, 42);
const QSizeF boardCard(22, 31);
const QSizeF handCard(24, 34);
const QColor winnerGold = QColor::fromRgbF(0.95f, 0.76f, 0.31f);

using Codes = std::vector<std::string>;

void pair(QPainter& painter, const TableTheme& theme, const Codes& codes, QPointF centre) {
    LearnArt::paintPair(painter, theme, codes, pairCard, centre, 6, -6, 6);
}

void disc(QPainter& painter, const TableTheme& theme, const AvatarModel& avatar, double diameter,
          QPointF centre) {
    AvatarDisc::paint(painter, centre - QPointF(diameter / 2, diameter / 2), theme, avatar, diameter, false,
                      false);
}

// An avatar with an optional blind tag over its top edge, lifted 12 points.
void seat(QPainter& painter, const TableTheme& theme, const AvatarModel& avatar, const QString& tag,
          QPointF centre) {
    constexpr double diameter = 30;
    disc(painter, theme, avatar, diameter, centre);
    if (tag.isEmpty()) {
        return;
    }
    const QSizeF size = TagView::measure(theme, tag);
    const QPointF tagCentre(centre.x(), centre.y() - diameter / 2 - 12);
    TagView::paint(painter, tagCentre - QPointF(size.width() / 2, size.height() / 2), theme, tag,
                   TagView::Kind::blind);
}

// An avatar beside two cards, padded 5, framed in gold for the winner.
void hand(QPainter& painter, const TableTheme& theme, const AvatarModel& avatar, const Codes& codes,
          bool winner, QPointF centre) {
    constexpr double diameter = 28;
    constexpr double gap = 6;
    constexpr double overlap = 4;
    constexpr double padding = 5;
    const double cardsWidth = 2 * handCard.width() - overlap;
    const double width = diameter + gap + cardsWidth;
    const double height = std::max(diameter, handCard.height());
    const double left = centre.x() - width / 2;
    disc(painter, theme, avatar, diameter, QPointF(left + diameter / 2, centre.y()));
    LearnArt::paintCardRow(painter, theme, codes, handCard,
                           QPointF(left + diameter + gap + cardsWidth / 2, centre.y()), -overlap);
    if (winner) {
        const QRectF frame(left - padding, centre.y() - height / 2 - padding, width + 2 * padding,
                           height + 2 * padding);
        QPainterPath path;
        path.addRoundedRect(frame.adjusted(1.25, 1.25, -1.25, -1.25), 8.75, 8.75);
        painter.strokePath(path, QPen(winnerGold, 2.5));
    }
}

void optionPills(QPainter& painter, QPointF centre) {
    const bool dark = SystemAppearance::current().dark;
    const QFont font = ThemeFonts::system(11.5, FontWeight::semibold);
    const QFontMetricsF metrics(font);
    const QStringList options{"Fold", "Check", "Call", "Raise"};
    constexpr double spacing = 6;
    constexpr double height = 24;
    std::vector<double> widths;
    double total = spacing * static_cast<double>(options.size() - 1);
    for (const QString& option : options) {
        widths.push_back(metrics.horizontalAdvance(option) + 20);
        total += widths.back();
    }
    double x = centre.x() - total / 2;
    painter.setFont(font);
    for (qsizetype i = 0; i < options.size(); ++i) {
        const bool raise = options[i] == QStringLiteral("Raise");
        const QRectF box(x, centre.y() - height / 2, widths[static_cast<std::size_t>(i)], height);
        const QPainterPath capsule = Pill{}.path(box);
        painter.fillPath(capsule, raise ? GuideColors::accent(dark) : toQColor(SatinPanelColors::fill(dark)));
        painter.strokePath(Pill{0.25}.path(box), QPen(toQColor(SatinPanelColors::border(dark)), 0.5));
        painter.setPen(raise ? QColor(Qt::white) : GuideColors::primary(dark));
        painter.drawText(box, Qt::AlignCenter, options[i]);
        x += box.width() + spacing;
    }
}

} // namespace

BasicsArt::BasicsArt(const TableTheme& theme, BasicsPage page, QWidget* parent)
    : QWidget(parent)
    , theme_(theme)
    , page_(page) {
    StyleAccessibility::setHidden(this);
}

void BasicsArt::setTheme(const TableTheme& theme) {
    theme_ = theme;
    update();
}

void BasicsArt::setPage(BasicsPage page) {
    page_ = page;
    update();
}

void BasicsArt::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect(), theme_, page_);
}

void BasicsArt::paint(QPainter& painter, const QRectF& box, const TableTheme& theme, BasicsPage page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, theme.style != TableStyleID::pixel);
    QPainterPath clip;
    clip.addRoundedRect(box, 14, 14);
    painter.setClipPath(clip);
    ArtStage::paint(painter, box, theme, 0.86);
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const auto rascal = LearnArt::character("Rascal", "rascal");
    switch (page) {
    case BasicsPage::goal:
        FloorShadow::paint(painter, at(0.5, 0.86), theme, 120, 0.8);
        LearnArt::paintStack(
            painter, theme,
            {{ChipDenomination::d1000, 4}, {ChipDenomination::d500, 6}, {ChipDenomination::d100, 3}}, 16,
            at(0.5, 0.7));
        pair(painter, theme, {"Ah", "Kd"}, at(0.2, 0.45));
        disc(painter, theme, rascal, 38, at(0.82, 0.42));
        break;
    case BasicsPage::cards:
        LearnArt::paintFelt(painter, theme, QSizeF(0.8 * box.width(), 0.5 * box.height()), at(0.5, 0.38));
        LearnArt::paintCardRow(painter, theme, {"Jd", "7s", "2s", "Qh", "9c"}, boardCard, at(0.5, 0.38), 4);
        pair(painter, theme, {"As", "Js"}, at(0.5, 0.8));
        break;
    case BasicsPage::blinds:
        LearnArt::paintFelt(painter, theme, QSizeF(0.66 * box.width(), 0.46 * box.height()), at(0.5, 0.48));
        seat(painter, theme, LearnArt::character("Biscuit", "biscuit"), QStringLiteral("SB"), at(0.2, 0.7));
        seat(painter, theme, rascal, QStringLiteral("BB"), at(0.8, 0.26));
        seat(painter, theme, AvatarModel::hero(), {}, at(0.8, 0.72));
        {
            const double side = DealerButtonView::diameter(theme);
            DealerButtonView::paint(painter, at(0.8, 0.72) + QPointF(26 - side / 2, -side / 2), theme);
        }
        LearnArt::paintStack(painter, theme, {{ChipDenomination::d5, 1}}, 8, at(0.33, 0.6));
        LearnArt::paintStack(painter, theme, {{ChipDenomination::d25, 2}}, 8, at(0.67, 0.38));
        break;
    case BasicsPage::options:
        pair(painter, theme, {"Td", "Tc"}, at(0.5, 0.34));
        optionPills(painter, at(0.5, 0.78));
        break;
    case BasicsPage::showdown:
        LearnArt::paintCardRow(painter, theme, {"Kd", "7s", "7h", "2c", "Qs"}, boardCard, at(0.5, 0.26), 3);
        hand(painter, theme, rascal, {"Qd", "Jc"}, false, at(0.27, 0.7));
        hand(painter, theme, AvatarModel::hero(), {"Kh", "Kc"}, true, at(0.73, 0.7));
        break;
    case BasicsPage::chips:
        FloorShadow::paint(painter, at(0.5, 0.86), theme, 160, 0.9);
        LearnArt::paintStack(painter, theme,
                             {{ChipDenomination::d500, 6},
                              {ChipDenomination::d1000, 10},
                              {ChipDenomination::d5000, 7},
                              {ChipDenomination::d100, 4}},
                             18, at(0.5, 0.62));
        break;
    }
    painter.restore();
}
