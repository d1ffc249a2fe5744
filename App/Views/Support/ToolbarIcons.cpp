#include "Views/Support/ToolbarIcons.h"

#include "Style/Drawing/SymbolIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The symbols a toolbar names that our icon set draws under a nearby name.
QString drawnSymbol(const QString& name) {
    if (name == QLatin1String("gearshape")) {
        return QStringLiteral("gearshape.fill");
    }
    if (name == QLatin1String("questionmark.circle")) {
        return QStringLiteral("questionmark");
    }
    if (name == QLatin1String("sidebar.trailing")) {
        return QStringLiteral("book.fill");
    }
    return name;
}

} // namespace

QIcon ToolbarIcons::icon(const QString& symbol, const QColor& colour) {
    const auto key = std::make_pair(symbol, colour.rgba());
    if (const auto kept = icons_.find(key); kept != icons_.end()) {
        return kept->second;
    }
    QPixmap pixmap(36, 36);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        SymbolIcons::paint(painter, drawnSymbol(symbol), QRectF(5, 5, 26, 26), colour);
    }
    return icons_.emplace(key, QIcon(pixmap)).first->second;
}
