#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

#include <map>
#include <utility>

// The painted symbols of a toolbar, one icon for each symbol and colour, made the first time it is
// asked for and handed out again after. Qt keeps the scaled copies it paints of an icon in its pixmap
// cache under that icon's own key, and Qt 6.4 never frees the key of a copy the cache pushes out: an
// icon made afresh for a button that looks the same would add a copy at every repaint and leave its
// key behind for good.
class ToolbarIcons {
  public:
    // The icon of `symbol` (a name of our symbol set, or one the toolbar draws under a nearby name) in
    // `colour`; the same icon, with the same cache key, every time for the same pair.
    QIcon icon(const QString& symbol, const QColor& colour);

  private:
    std::map<std::pair<QString, QRgb>, QIcon> icons_;
};
