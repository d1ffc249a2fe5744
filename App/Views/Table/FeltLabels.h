#pragma once

#include "Style/TableTheme.h"
#include "Table/Screen/PotText.h"

#include "PokerEngine/PlayerView.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QImage;

class QPainter;

// The words on the felt: a short label with its style's backing, a seat's bet (chips and amount) and
// the pot (collected chips, the pill with the total, the side-pot line), each painted centred on a
// point. Their spoken forms are the stage's.
namespace FeltLabels {

// An amount on its way from `from`, `progress` from 0 to 1: its digits roll (1: at rest).
struct AmountRoll {
    std::int64_t from = 0;
    double progress = 1;
};

QSizeF labelSize(const TableTheme& theme, const QString& text, TextRole role);
// `previous`: the words rolling out as `text` rolls in, `progress` of the way.
void paintLabel(QPainter& painter, QPointF center, const TableTheme& theme, const QString& text,
                TextRole role, const QString& previous = {}, double progress = 1);
// A label of several lines, each centred, on one backing.
QSizeF labelSize(const TableTheme& theme, const QStringList& lines, TextRole role);
void paintLabel(QPainter& painter, QPointF center, const TableTheme& theme, const QStringList& lines,
                TextRole role);
// A bet marker's size: its chips and its amount side by side.
QSizeF betSize(const TableTheme& theme, std::int64_t amount);
void paintBet(QPainter& painter, QPointF center, const TableTheme& theme, std::int64_t amount,
              AmountRoll roll = {});
// Where the pot label's pieces fall for a view, centred on `center`.
PotLabelLayout potLayout(QPointF center, const TableTheme& theme, const PokerEngine::PlayerView& view,
                         bool showsChips);
void paintPot(QPainter& painter, QPointF center, const TableTheme& theme, const PokerEngine::PlayerView& view,
              bool showsChips, AmountRoll roll = {});
// The pixel style's box: the outline colour (or `line`) round `fill`, corners left empty.
void paintPixelBox(QPainter& painter, const QRectF& box, const TableTheme& theme, const RGB& fill,
                   std::optional<RGB> line = std::nullopt);

} // namespace FeltLabels

// The page behind every table surface: the style's page colour or dot pattern, then the paper grain.
namespace PageBackground {

// Drawn once for a size and look and kept, so repainting it behind a moving stage costs one copy.
void paint(QPainter& painter, const QRectF& page, const TableTheme& theme);
// The grain tile of an appearance, built once per process.
const QImage& paperTile(bool dark);

} // namespace PageBackground
