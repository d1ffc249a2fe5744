#pragma once

#include <limits>
#include <optional>
#include <vector>

#include <QPointF>
#include <QSizeF>

// Greedy word wrapping of measured words: as many words on a line as fit, a word wider than the line
// alone on its own line, never split or dropped. Pure layout; the paragraph widget places its words by it.
struct WordFlow {
    double spacing = 0;
    double lineSpacing = 0;
    bool centered = false;

    struct Line {
        std::vector<std::size_t> indices;
        double width = 0;
        double height = 0;
        bool operator==(const Line&) const = default;
    };

    std::vector<Line> lines(double maxWidth, const std::vector<QSizeF>& words) const;
    // The size for a proposed width; no width means everything on one line.
    QSizeF size(std::optional<double> proposedWidth, const std::vector<QSizeF>& words) const;
    // Top-left corner of every word when laid out in bounds starting at `origin` and `width` wide.
    std::vector<QPointF> place(QPointF origin, double width, const std::vector<QSizeF>& words) const;
};
