#include "Style/Drawing/SymbolIcons.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace {

// Every symbol is drawn on a 24 by 24 grid.
using Drawing = std::function<void(QPainter&, const QColor&)>;

QPen strokePen(const QColor& colour, double width = 2.4) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void strokeLines(QPainter& p, const QColor& colour, std::initializer_list<QLineF> lines, double width = 2.4) {
    p.setPen(strokePen(colour, width));
    p.setBrush(Qt::NoBrush);
    for (const QLineF& line : lines)
        p.drawLine(line);
}

void fillPolygon(QPainter& p, const QColor& colour, std::initializer_list<QPointF> points) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

QPainterPath gear() {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    QPolygonF outline;
    for (int tooth = 0; tooth < 8; ++tooth) {
        for (double edge : {-0.2, 0.2}) {
            QLineF ray(12, 12, 12, 2);
            ray.setAngle(90 + tooth * 45 + edge * 45);
            outline << ray.p2();
        }
        for (double edge : {0.3, 0.7}) {
            QLineF ray(12, 12, 12, 5.5);
            ray.setLength(7.5);
            ray.setAngle(90 + tooth * 45 + edge * 45);
            outline << ray.p2();
        }
    }
    path.addPolygon(outline);
    path.closeSubpath();
    path.addEllipse(QPointF(12, 12), 3.2, 3.2);
    return path;
}

const std::map<QString, Drawing>& drawings() {
    static const std::map<QString, Drawing> table{
        {"person.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(12, 7.5), 4.5, 4.5);
             QPainterPath body;
             body.moveTo(3, 22);
             body.cubicTo(3, 15, 7, 13.5, 12, 13.5);
             body.cubicTo(17, 13.5, 21, 15, 21, 22);
             body.closeSubpath();
             p.drawPath(body);
         }},
        {"lock.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(strokePen(c, 2.6));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(7, 2.5, 10, 12), 0, 180 * 16);
             p.drawLine(QPointF(7, 8.5), QPointF(7, 11));
             p.drawLine(QPointF(17, 8.5), QPointF(17, 11));
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawRoundedRect(QRectF(4, 10.5, 16, 12), 2.5, 2.5);
         }},
        {"slider.horizontal.3",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{3, 5, 21, 5}, {3, 12, 21, 12}, {3, 19, 21, 19}}, 2);
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(15, 5), 3, 3);
             p.drawEllipse(QPointF(8, 12), 3, 3);
             p.drawEllipse(QPointF(16, 19), 3, 3);
         }},
        {"pause.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawRoundedRect(QRectF(5, 3.5, 5, 17), 1.5, 1.5);
             p.drawRoundedRect(QRectF(14, 3.5, 5, 17), 1.5, 1.5);
         }},
        {"play.fill",
         [](QPainter& p, const QColor& c) {
             fillPolygon(p, c, {{6, 3}, {21, 12}, {6, 21}});
         }},
        {"speaker.wave.2.fill",
         [](QPainter& p, const QColor& c) {
             fillPolygon(p, c, {{2, 9}, {6, 9}, {12, 3.5}, {12, 20.5}, {6, 15}, {2, 15}});
             p.setPen(strokePen(c, 2));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(10, 8, 6, 8), -60 * 16, 120 * 16);
             p.drawArc(QRectF(10, 4, 12, 16), -60 * 16, 120 * 16);
         }},
        {"speaker.slash.fill",
         [](QPainter& p, const QColor& c) {
             fillPolygon(p, c, {{2, 9}, {6, 9}, {12, 3.5}, {12, 20.5}, {6, 15}, {2, 15}});
             strokeLines(p, c, {{15, 9, 21, 15}, {21, 9, 15, 15}}, 2.2);
         }},
        {"questionmark",
         [](QPainter& p, const QColor& c) {
             p.setPen(strokePen(c, 2.8));
             p.setBrush(Qt::NoBrush);
             QPainterPath hook;
             hook.moveTo(7, 8);
             hook.cubicTo(7, 2.5, 17, 2.5, 17, 8);
             hook.cubicTo(17, 11.5, 12, 12, 12, 15.5);
             p.drawPath(hook);
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(12, 20.5), 1.8, 1.8);
         }},
        {"gearshape.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawPath(gear());
         }},
        {"arrow.up.left.and.arrow.down.right",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c,
                         {{4, 4, 10, 10},
                          {4, 4, 10, 4},
                          {4, 4, 4, 10},
                          {20, 20, 14, 14},
                          {20, 20, 14, 20},
                          {20, 20, 20, 14}});
         }},
        {"arrow.down.right.and.arrow.up.left",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c,
                         {{4, 4, 10, 10},
                          {10, 10, 4, 10},
                          {10, 10, 10, 4},
                          {20, 20, 14, 14},
                          {14, 14, 20, 14},
                          {14, 14, 14, 20}});
         }},
        {"rectangle.portrait.and.arrow.right",
         [](QPainter& p, const QColor& c) {
             p.setPen(strokePen(c, 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(13, 7), QPointF(13, 3), QPointF(3, 3), QPointF(3, 21),
                                       QPointF(13, 21), QPointF(13, 17)}));
             strokeLines(p, c, {{9, 12, 21, 12}, {21, 12, 17, 8}, {21, 12, 17, 16}}, 2.2);
         }},
        {"xmark",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{5, 5, 19, 19}, {19, 5, 5, 19}}, 2.8);
         }},
        {"plus",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{12, 4, 12, 20}, {4, 12, 20, 12}}, 2.8);
         }},
        {"minus",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{4, 12, 20, 12}}, 2.8);
         }},
        {"checkmark",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{4, 13, 9.5, 18.5}, {9.5, 18.5, 20, 6}}, 2.8);
         }},
        {"chevron.left",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{15, 4, 7, 12}, {7, 12, 15, 20}}, 2.8);
         }},
        {"chevron.right",
         [](QPainter& p, const QColor& c) {
             strokeLines(p, c, {{9, 4, 17, 12}, {17, 12, 9, 20}}, 2.8);
         }},
        {"book.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             QPainterPath pages;
             pages.moveTo(2, 5);
             pages.cubicTo(6, 3, 9, 3.5, 11.2, 5.5);
             pages.lineTo(11.2, 21);
             pages.cubicTo(9, 19, 6, 18.8, 2, 20.5);
             pages.closeSubpath();
             pages.moveTo(22, 5);
             pages.cubicTo(18, 3, 15, 3.5, 12.8, 5.5);
             pages.lineTo(12.8, 21);
             pages.cubicTo(15, 19, 18, 18.8, 22, 20.5);
             pages.closeSubpath();
             p.drawPath(pages);
         }},
        {"graduationcap.fill",
         [](QPainter& p, const QColor& c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             QPainterPath board;
             board.moveTo(12, 3.5);
             board.lineTo(23, 9);
             board.lineTo(12, 14.5);
             board.lineTo(1, 9);
             board.closeSubpath();
             board.moveTo(5.5, 12.6);
             board.lineTo(12, 15.9);
             board.lineTo(18.5, 12.6);
             board.lineTo(18.5, 17.5);
             board.cubicTo(16.5, 19.6, 7.5, 19.6, 5.5, 17.5);
             board.closeSubpath();
             p.drawPath(board);
             strokeLines(p, c, {{21, 9.8, 21, 16}}, 1.4);
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawEllipse(QPointF(21, 17), 1.3, 1.3);
         }},
    };
    return table;
}

} // namespace

namespace SymbolIcons {

const QStringList& names() {
    static const QStringList all = [] {
        QStringList list;
        for (const auto& [name, drawing] : drawings())
            list << name;
        return list;
    }();
    return all;
}

bool has(const QString& name) {
    return drawings().contains(name);
}

void paint(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour) {
    auto found = drawings().find(name);
    if (found == drawings().end() || box.isEmpty())
        return;
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24, side / 24);
    found->second(painter, colour);
    painter.restore();
}

} // namespace SymbolIcons
