#include "Views/Learn/LearnArt.h"

#include <QPainter>

#include "Style/Drawing/LitStack.h"
#include "Style/Drawing/TagView.h"
#include "Style/SeatedTableLayout.h"
#include "Views/Controls/LobbyArt.h"
#include "Views/Table/CardView.h"
#include "Views/Table/FeltView.h"

namespace LearnArt {

AvatarModel character(const std::string& name, const std::string& slug) {
    BotKit::BotProfile profile;
    profile.name = name;
    profile.avatar = slug;
    return SeatedTableLayout::avatar(profile);
}

void paintStack(QPainter& painter, const TableTheme& theme, const std::vector<ChipColumn>& columns,
                double radius, QPointF centre) {
    const QSizeF size = LitStack::size(columns, radius);
    LitStack::paint(painter, centre - QPointF(size.width() / 2, size.height() / 2), columns, radius,
                    theme.dark);
}

void paintTaggedColumns(QPainter& painter, const TableTheme& theme, const std::vector<Column>& columns,
                        QPointF centre, double spacing) {
    constexpr double tagGap = 3;
    std::vector<double> widths;
    double total = 0;
    double tallest = 0;
    for (const Column& column : columns) {
        const QSizeF tag = TagView::measure(theme, column.tag);
        const double chips = LitStack::size(column.chips, column.radius).width();
        widths.push_back(std::max(tag.width(), chips));
        total += widths.back();
        tallest =
            std::max(tallest, tag.height() + tagGap + LitStack::size(column.chips, column.radius).height());
    }
    total += spacing * static_cast<double>(columns.size() - 1);
    double x = centre.x() - total / 2;
    const double bottom = centre.y() + tallest / 2;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const QSizeF tag = TagView::measure(theme, column.tag);
        const double middle = x + widths[i] / 2;
        // The stack's lowest chip sits on the shared bottom line; the tag sits above its top chip.
        const double stackHeight = LitStack::size(column.chips, column.radius).height();
        paintStack(painter, theme, column.chips, column.radius, QPointF(middle, bottom - stackHeight / 2));
        TagView::paint(painter,
                       QPointF(middle - tag.width() / 2, bottom - stackHeight - tagGap - tag.height()), theme,
                       column.tag, TagView::Kind::blind);
        x += widths[i] + spacing;
    }
}

void paintSeatedTable(QPainter& painter, const TableTheme& theme, const QRectF& box,
                      const std::vector<std::string>& names, BotKit::BotTier tier) {
    LobbyArt::SeatedTableScene scene;
    for (const std::string& name : names)
        scene.players.push_back(
            BotKit::BotProfile::standard(tier, name, QString::fromStdString(name).toLower().toStdString()));
    scene.diameter = 12;
    scene.shape = SeatedTableLayout::Shape{0.62, 0.3, 0.4};
    LobbyArt::paintSeatedTable(painter, box, theme, scene);
}

void paintPair(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes, QSizeF size,
               QPointF centre, double overlap, double firstAngle, double secondAngle) {
    const double step = size.width() - overlap;
    const double angles[] = {firstAngle, secondAngle};
    for (std::size_t i = 0; i < std::min<std::size_t>(codes.size(), 2); ++i) {
        const QPointF middle = centre + QPointF((static_cast<double>(i) - 0.5) * step, 0);
        painter.save();
        painter.translate(middle);
        painter.rotate(angles[i]);
        paintCardRow(painter, theme, {codes[i]}, size, QPointF(0, 0), 0);
        painter.restore();
    }
}

void paintCardRow(QPainter& painter, const TableTheme& theme, const std::vector<std::string>& codes,
                  QSizeF size, QPointF centre, double spacing) {
    const double count = static_cast<double>(codes.size());
    double x = centre.x() - (count * size.width() + (count - 1) * spacing) / 2;
    for (const std::string& code : codes) {
        // The codes are fixed in the program and always parse; one that did not would lie face down.
        CardView::paint(painter, QPointF(x, centre.y() - size.height() / 2), theme,
                        PokerEngine::Card::fromCode(code), size, false);
        x += size.width() + spacing;
    }
}

void paintFelt(QPainter& painter, const TableTheme& theme, QSizeF size, QPointF centre) {
    FeltView::paint(painter, QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size), theme);
}

} // namespace LearnArt
