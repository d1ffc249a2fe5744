#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "Style/PixelGeometry.h"

// The raise amount field's text: chip amounts in the current locale's integer format.
namespace AmountText {

QString format(std::int64_t amount);
// Typed or pasted text as a chip amount: surrounding spaces and the locale's grouping ("1,000") are
// fine. Empty text, text that is not a whole number, a negative and a number beyond the integer range
// give nothing, so the field keeps the amount it had.
std::optional<std::int64_t> parse(const QString& text);

// The pixel field's box on a grid of `columns` by `rows` cells: a frame with empty corner cells, a
// cream inside and a shaded top row.
struct PixelBox {
    std::vector<CellRect> edge;
    std::vector<CellRect> inside;
    std::vector<CellRect> shade;
};
PixelBox pixelBox(int columns, int rows);

} // namespace AmountText
