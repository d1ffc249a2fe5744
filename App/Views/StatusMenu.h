#pragma once

#include "StatusIcon.h"

#include <QMenu>

#include <functional>
#include <vector>

// The tray icon's menu, as a reader hears it too. Qt keeps a popup out of the reader's view of the
// program, so a menu that opens with nothing held says nothing until an arrow key moves onto an item;
// and Qt names an item by its title alone, without the shortcut the menu shows beside it. This menu
// can open with its first item held, and names each item with its shortcut. The same menu, given to a
// tray that draws menus itself, is what that tray shows.
class StatusMenu final : public QMenu {
    Q_OBJECT

  public:
    // `choose` runs the command of the item the player chose.
    StatusMenu(const std::vector<StatusMenuItem>& items, std::function<void(StatusMenuCommand)> choose);

    // Gives the items new titles, shortcuts and commands, in place while their number holds, so a tray
    // drawing the menu from what it was told sees the same items change.
    void setItems(const std::vector<StatusMenuItem>& items);

    // Shows the menu at `at`; with `holdFirstItem`, its first item held (see statusMenuHoldsFirstItem),
    // else with nothing held, as menus open here for a click: Down then takes the first item.
    void open(QPoint at, bool holdFirstItem);

    // The words an item of this menu is read with; none for an action of any other menu.
    static QString spokenName(const QAction* action);

  private:
    std::function<void(StatusMenuCommand)> choose_;
};
