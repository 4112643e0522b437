#include "ui/list_menu.h"

#include <cstring>

#include <windows.h>

#include "copy/copy_command.h"
#include "results/checked_rows.h"
#include "results/row_details.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace {

constexpr int kPointerOffset = 3;

const ListMenuItem k右键菜单[kListMenuItemCount] = {
    {"选择", CheckHighlightedRows},
    {"反选", InvertCheckMarks},
    {"统计文件大小", ShowCheckedSizeTotal},
    {"-", nullptr},
    {"删除全部", RemoveAllRows},
    {"删除选中", RemoveCheckedRows},
    {"-", nullptr},
    {"拷贝文件", CopyCommand},
    {"默认列宽", SetDefaultColumnWidths},
    {"-", nullptr},
    {"帮助信息", OpenHelpWindow},
    {"关于", OpenAboutWindow},
};

bool IsSeparator(const ListMenuItem& item)
{
    return std::strcmp(item.text, "-") == 0;
}

HMENU BuildListMenu()
{
    const HMENU menu = CreatePopupMenu();
    for (int i = 0; i < kListMenuItemCount; ++i) {
        const ListMenuItem& item = k右键菜单[i];
        if (IsSeparator(item))
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(kFirstMenuId + i), item.text);
    }
    return menu;
}

}  // namespace

const ListMenuItem* ListMenuItems()
{
    return k右键菜单;
}

void ShowListMenu()
{
    const HMENU menu = BuildListMenu();
    POINT pointer = {};
    GetCursorPos(&pointer);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, pointer.x + kPointerOffset, pointer.y + kPointerOffset, 0, MainWindow(),
                   nullptr);
    DestroyMenu(menu);
}

bool RunListMenuCommand(int commandId)
{
    const int index = commandId - kFirstMenuId;
    if (index < 0 || index >= kListMenuItemCount || IsSeparator(k右键菜单[index]))
        return false;
    if (k右键菜单[index].routine)
        k右键菜单[index].routine();
    return true;
}
