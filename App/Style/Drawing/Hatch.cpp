#include "Style/Drawing/Hatch.h"

#include "Style/Ornaments.h"

QPainterPath hatchPath(const QRectF& rect) {
    QPainterPath path;
    for (const auto& stripe : hatchStripes(rect)) {
        path.moveTo(stripe[0]);
        for (std::size_t corner = 1; corner < stripe.size(); ++corner)
            path.lineTo(stripe[corner]);
        path.closeSubpath();
    }
    return path;
}
