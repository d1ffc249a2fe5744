#pragma once

class QSystemTrayIcon;

// What the desktop's tray makes of the icon, asked of Qt and of the session bus.
namespace StatusNotifierTray {

// Whether Qt made `icon` a StatusNotifierItem, which the tray draws itself, rather than a window the
// tray embeds. Qt chooses once, at the first icon, by whether a StatusNotifierItem watcher with a host
// was on the session bus then; what it chose is read from the icon itself, since asking the bus again
// could answer otherwise.
bool speaksStatusNotifierItem(const QSystemTrayIcon& icon);

// Whether the session's StatusNotifierItem watcher holds an icon of this process: the tray has taken it.
bool holdsAnIconOfOurs();

} // namespace StatusNotifierTray
