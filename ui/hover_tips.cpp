#include "ui/hover_tips.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/fonts.h"
#include "ui/main_window.h"

namespace {

constexpr int kShowAfterMs = 600;
constexpr int kHideAfterMs = 3000;
// Wide enough for the longest tip line; each "\r\n" starts a new line.
constexpr int kMaxTipWidth = 400;

struct TipRow {
    ControlName control;
    const char* text;
};

const TipRow kTips[] = {
    {编辑框_文件类型, "①默认类型：*.*\r\n②可指定后缀，例：*.exe\r\n③可指定文件，例：test.txt\r\n④可用*模糊查找，例：*演示*.ppt"},
    {超级列表框_显示结果,
     "①左键单击查看更多信息；\r\n②左键双击打开文件所在位置；\r\n③按住Shift键或者Ctrl键可以选择多行数据；\r\n④右键可以弹出右键菜单；"},
    {按钮_默认列表宽度, "恢复列表宽度到初始值"},
    {按钮_全部删除, "仅删除列表框中显示的内容，并不会删除对应的文件"},
    {按钮_删除选中, "仅删除列表框中选中的内容，并不会删除对应的文件"},
    {按钮_拷贝文件, "将选中的文件复制到指定的文件夹下"},
    {选择框_原目录结构, "若不勾选，则所有文件拷贝到同级目录中"},
};

HWND CreateTipComponent(HWND owner)
{
    const HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                      WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_INITIAL, kShowAfterMs);
    SendMessageA(tips, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHideAfterMs);
    SendMessageA(tips, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    SendMessageA(tips, WM_SETFONT, reinterpret_cast<WPARAM>(StoredFaceFont("宋体", 9)), FALSE);
    return tips;
}

}  // namespace

bool HoverTip(ControlName control, const Text& tipText)
{
    const HWND target = Control(control);
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(target);
    tool.uId = reinterpret_cast<UINT_PTR>(target);
    tool.lpszText = const_cast<char*>(tipText.c_str());
    return SendMessageA(Control(气球提示框1), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

void AttachHoverTips()
{
    SetControlWindow(气球提示框1, CreateTipComponent(MainWindow()));
    for (const TipRow& tip : kTips)
        HoverTip(tip.control, tip.text);
}
