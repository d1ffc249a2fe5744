#include "Style/WordFlow.h"

#include <algorithm>

std::vector<WordFlow::Line> WordFlow::lines(double maxWidth, const std::vector<QSizeF>& words) const {
    std::vector<Line> finished;
    Line current;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const QSizeF word = words[index];
        const double candidate =
            current.indices.empty() ? word.width() : current.width + spacing + word.width();
        if (candidate <= maxWidth || current.indices.empty()) {
            current.width = candidate;
        } else {
            finished.push_back(current);
            current = Line{};
            current.width = word.width();
        }
        current.height = std::max(current.height, word.height());
        current.indices.push_back(index);
    }
    if (!words.empty())
        finished.push_back(current);
    return finished;
}

QSizeF WordFlow::size(std::optional<double> proposedWidth, const std::vector<QSizeF>& words) const {
    const auto found = lines(proposedWidth.value_or(std::numeric_limits<double>::infinity()), words);
    if (found.empty())
        return {0, 0};
    double widest = 0;
    double height = lineSpacing * static_cast<double>(found.size() - 1);
    for (const Line& line : found) {
        widest = std::max(widest, line.width);
        height += line.height;
    }
    if (proposedWidth)
        widest = std::min(widest, *proposedWidth);
    return {widest, height};
}

std::vector<QPointF> WordFlow::place(QPointF origin, double width, const std::vector<QSizeF>& words) const {
    std::vector<QPointF> positions(words.size());
    double y = origin.y();
    for (const Line& line : lines(width, words)) {
        double x = centered ? origin.x() + (width - line.width) * 0.5 : origin.x();
        for (std::size_t index : line.indices) {
            positions[index] = QPointF(x, y);
            x += words[index].width() + spacing;
        }
        y += line.height + lineSpacing;
    }
    return positions;
}
