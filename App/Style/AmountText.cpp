#include "Style/AmountText.h"

#include <QLocale>

namespace AmountText {

QString format(std::int64_t amount) {
    return QLocale().toString(static_cast<qint64>(amount));
}

std::optional<std::int64_t> parse(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = QLocale().toLongLong(trimmed, &ok);
    if (!ok || value < 0)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

PixelBox pixelBox(int columns, int rows) {
    PixelBox box;
    if (columns - 2 >= 1 && rows >= 1)
        box.edge.push_back({1, 0, columns - 2, rows});
    if (columns >= 1 && rows - 2 >= 1)
        box.edge.push_back({0, 1, columns, rows - 2});
    if (columns - 2 >= 1) {
        if (rows - 2 >= 1)
            box.inside.push_back({1, 1, columns - 2, rows - 2});
        box.shade.push_back({1, 1, columns - 2, 1});
    }
    return box;
}

} // namespace AmountText
