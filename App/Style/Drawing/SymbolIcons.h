#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// Our own painted stand-ins for the system symbols the screens name ("person.fill", "gearshape.fill"…),
// drawn as paths so they stay sharp at any size.
namespace SymbolIcons {

// Names this set can draw.
const QStringList& names();
bool has(const QString& name);
// Paints the symbol centred in `box` (scaled to its shorter side); an unknown name draws nothing.
void paint(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour);

} // namespace SymbolIcons
