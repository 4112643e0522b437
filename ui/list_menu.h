// 右键菜单: the main window's hidden menu, shown only as a pop-up over the
// result list.
#pragma once

constexpr int kFirstMenuId = 2000;
constexpr int kListMenuItemCount = 12;

struct ListMenuItem {
    const char* text;  // "-" is a separator
    void (*routine)();
};

// The items in order; a chosen item has the command id kFirstMenuId + its index.
const ListMenuItem* ListMenuItems();

// Pops the menu up 3 pixels right of and below the pointer.
void ShowListMenu();
// Runs the routine of a chosen item; false when the id names no item.
bool RunListMenuCommand(int commandId);
