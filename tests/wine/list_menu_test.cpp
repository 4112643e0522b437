// 右键菜单: its items, where it pops up, and what a chosen item runs.
#include <atomic>
#include <cstring>
#include <thread>

#include "results/result_list.h"
#include "tests/support/list_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/controls.h"
#include "ui/list_menu.h"

namespace {

const char* const kItems[kListMenuItemCount] = {"选择", "反选", "统计文件大小", "-", "删除全部", "删除选中",
                                                "-",    "拷贝文件", "默认列宽", "-", "帮助信息", "关于"};

// What a watcher saw of the pop-up menu before it answered it.
struct SeenMenu {
    RECT rect = {};
    int itemCount = 0;
    int separators = 0;
    std::vector<Text> texts;
};

HWND WaitForPopupMenu()
{
    for (int i = 0; i < 1000; ++i) {
        const HWND menu = FindWindowA("#32768", nullptr);
        if (menu && IsWindowVisible(menu))
            return menu;
        Sleep(10);
    }
    return nullptr;
}

void ReadMenu(HWND menuWindow, SeenMenu& seen)
{
    GetWindowRect(menuWindow, &seen.rect);
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    seen.itemCount = GetMenuItemCount(menu);
    for (int i = 0; i < seen.itemCount; ++i) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR)
            ++seen.separators;
        seen.texts.push_back(text);
    }
}

// Opens the menu from a watcher thread and presses the given keys in it.
SeenMenu ShowListMenuAndPress(std::vector<WPARAM> keys)
{
    SeenMenu seen;
    std::thread watcher([&] {
        const HWND menu = WaitForPopupMenu();
        if (!menu)
            return;
        ReadMenu(menu, seen);
        for (WPARAM key : keys)
            PostMessageA(menu, WM_KEYDOWN, key, 0);
    });
    ShowListMenu();
    watcher.join();
    DrainMessages();
    return seen;
}

}  // namespace

TEST(ListMenu, HasTwelveItemsWithThreeSeparators)
{
    const ListMenuItem* items = ListMenuItems();
    int separators = 0;
    for (int i = 0; i < kListMenuItemCount; ++i) {
        EXPECT_STREQ(items[i].text, kItems[i]);
        if (std::strcmp(items[i].text, "-") == 0) {
            ++separators;
            EXPECT_EQ(items[i].routine, nullptr);
        }
    }
    EXPECT_EQ(separators, 3);
}

TEST_F(MainWindowTest, ListMenuPopsUpBesideThePointerWithItsItems)
{
    SetCursorPos(300, 250);
    POINT pointer;
    GetCursorPos(&pointer);
    const SeenMenu seen = ShowListMenuAndPress({VK_ESCAPE});
    EXPECT_EQ(seen.rect.left, pointer.x + 3);
    EXPECT_EQ(seen.rect.top, pointer.y + 3);
    EXPECT_EQ(seen.itemCount, 12);
    EXPECT_EQ(seen.separators, 3);
    ASSERT_EQ(seen.texts.size(), 12u);
    EXPECT_EQ(seen.texts[0], "选择");
    EXPECT_EQ(seen.texts[11], "关于");
}

TEST_F(MainWindowTest, AChosenMenuItemRunsItsRoutineAfterTheMenuCloses)
{
    AddNumberedRows(3);
    SetCheckState(1, kTicked);
    // The second item, "反选".
    ShowListMenuAndPress({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(TickedRows(), (std::vector<int>{0, 2}));
}

TEST_F(MainWindowTest, RightClickInTheListPopsUpTheMenu)
{
    AddRows({"a"});
    std::atomic<bool> seen{false};
    std::thread watcher([&] {
        const HWND menu = WaitForPopupMenu();
        seen = menu != nullptr;
        if (menu)
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    RightClickList(RowTextPoint(0));
    watcher.join();
    EXPECT_TRUE(seen);
}
