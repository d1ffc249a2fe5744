#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QSystemTrayIcon;

// What the desktop's tray makes of the icon, asked of Qt and of the session bus.
namespace StatusNotifierTray {

// Whether Qt made `icon` a StatusNotifierItem, which the tray draws itself, rather than a window the
// tray embeds. Qt chooses once, at the first icon, by whether a StatusNotifierItem watcher with a host
// was on the session bus then; what it chose is read from the icon itself, since asking the bus again
// could answer otherwise.
bool speaksStatusNotifierItem(const QSystemTrayIcon& icon);

// The bus name in one of the watcher's RegisteredStatusNotifierItems, each watcher writing it its own
// way: ":1.15/StatusNotifierItem" (Xfce, KDE), ":1.15@/StatusNotifierItem" (GNOME Shell's extension),
// "org.kde.StatusNotifierItem-4242-1/StatusNotifierItem" or the bare name. None for an entry that
// names no bus.
std::optional<QString> registeredBusName(const QString& item);

// Whether one of the watcher's `registered` items is on one of `ourNames`.
bool holdsItemOn(const QStringList& registered, const QStringList& ourNames);

// The bus names Qt serves `icon` on: the unique name of the connection it opened for the icon, and the
// well-known name that connection is named after. Empty for an icon that is not a StatusNotifierItem.
QStringList busNamesOf(const QSystemTrayIcon& icon);

// Whether the session's StatusNotifierItem watcher holds `icon`: the tray has taken it. Found by the
// icon's bus names; failing that, by the process owning an item's name, which a sandboxed session bus
// (Flatpak's proxy) never tells.
bool holdsTheIcon(const QSystemTrayIcon& icon);

// Whether the watcher is GNOME Shell's (its AppIndicator extension): there a left click on the icon
// opens the menu, and only a double click reaches the program.
bool watcherIsGnomeShell();

} // namespace StatusNotifierTray
