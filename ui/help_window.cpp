#include "ui/help_window.h"

#include <initializer_list>

#include <windows.h>
#include <richedit.h>

#include "ui/control_table.h"
#include "ui/modal_window.h"

namespace {

// 30 lines, 1891 bytes in GBK.
constexpr char kHelpText[] =
    "◇路径：指定寻找路径（目录）\r\n"
    "◇类型：支持单后缀查询、单文件名查询、*号模糊查询\r\n"
    "◇气球提示框：当鼠标停留在相关组件上方时，会提示该组件的对应功能简介及说明\r\n"
    "◇修改时间：若勾选，可以寻找指定修改时间范围内的文件\r\n"
    "◇修改时间 - 时间框：当此编辑框失去焦点时，进行时间框格式校验、数值校验\r\n"
    "◇按钮 - 开始寻找：执行文件寻找任务，将查询结果显示在列表框中。寻找对象：根目录及其下所有子目录\r\n"
    "◇显示根目录：若勾选，可在列表框中将文件的根目录显示出来\r\n"
    "◇默认列宽：可将列表框中的列宽恢复到初始值\r\n"
    "◇删除全部：删除列表框中的全部数据\r\n"
    "◇删除选中：删除列表框中选中的数据\r\n"
    "◇拷贝文件：将列表框中选择的文件拷贝到指定的目录中\r\n"
    "◇拷贝文件 - 开始：需要指定文件存放路径\r\n"
    "◇拷贝文件 - 结束：返回文件复制结果信息框，包含：复制成功数、复制文件总大小、复制耗时(毫秒)；"
    "若复制失败，则依次显示失败的文件名(带路径)\r\n"
    "◇原目录结构 - 勾选：保持文件原有目录结构，如有多级目录，则自动按照结构创建对应目录\r\n"
    "◇原目录结构 - 不勾选：将所有文件拷贝到指定的同级目录下\r\n"
    "◇标签 - 找到文件：可实时显示寻找到的文件数目\r\n"
    "◇标签 - 耗时：寻找完成后，统计此次寻找任务的耗时，单位=毫秒\r\n"
    "◇超级列表框 - 左键表项：将显示该条数据的更多信息\r\n"
    "◇超级列表框 - 选择多行：按住Shift键或者Ctrl键可以选择多行数据\r\n"
    "◇超级列表框 - 双击表项：将打开双击文件的所在位置\r\n"
    "◇超级列表框 - 右键表项：弹出“右键菜单”\r\n"
    "◇超级列表框 - 右键菜单：包含：选择、反选、删除全部、删除选中、拷贝文件、默认列宽、帮助信息、关于\r\n"
    "◇窗口 - 帮助信息：由右键菜单进入，显示：所有功能的帮助信息\r\n"
    "◇窗口 - 关于作者：由右键菜单进入，显示：版本信息、作者信息、作者邮箱、作者致辞\r\n"
    "◇左侧按钮 - 选择：列表框被选择的行，将他们的检查框选中\r\n"
    "◇左侧按钮 - 反选：遍历列表框中的全部数据，并更改他们的检查框选中状态\r\n"
    "◇左侧标签 - 选中个数：可实时显示当前选中的表项个数\r\n"
    "◇左侧按钮 - 统计大小：可统计选中文件的总大小，并分级显示到更多信息框中\r\n"
    "◇编辑框 - 更多信息：可现实列表框选择行的其他信息，包括：文件名(带路径)、文件修改时间、文件大小\r\n"
    "◇进度条：只有在拷贝文件时显示，可实时显示文件复制进度";

// Multi-line with word wrap: a vertical scroll bar and no horizontal one.
constexpr DWORD kTextBoxStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_READONLY | WS_TABSTOP;

// Rich edit 2.0, or the first rich edit where that is missing.
HWND CreateRichTextBox(HWND window)
{
    static const bool loaded = LoadLibraryA("RICHED20.DLL") || LoadLibraryA("RICHED32.DLL");
    if (!loaded)
        return nullptr;
    for (const char* className : {"RichEdit20A", "RICHEDIT"}) {
        const ControlLook look = {className, "", 23, 18, 448, 336, kTextBoxStyle, WS_EX_CLIENTEDGE, kGuiFont};
        if (const HWND box = CreateChildControl(window, 超级编辑框_帮助信息, look))
            return box;
    }
    return nullptr;
}

// 宋体 9 points in the automatic colour, plain, for the whole text and whatever comes after it.
void SetTextFormat(HWND box)
{
    CHARFORMATA format = {};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
                    CFM_CHARSET;
    format.dwEffects = CFE_AUTOCOLOR;
    format.yHeight = 9 * 20;  // twips
    format.bCharSet = DEFAULT_CHARSET;
    lstrcpynA(format.szFaceName, "宋体", LF_FACESIZE);
    for (WPARAM scope : {SCF_DEFAULT, SCF_ALL})
        SendMessageA(box, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&format));
}

bool CreateHelpControls(HWND window)
{
    const HWND box = CreateRichTextBox(window);
    if (!box)
        return false;
    SendMessageA(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
    // Plain text: it does not start with an RTF header.
    SetWindowTextA(box, kHelpText);
    SetTextFormat(box);
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SETMODIFY, FALSE, 0);
    return true;
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The text takes the keys, so that they scroll it.
    if (message == WM_SETFOCUS) {
        SetFocus(GetDlgItem(window, 超级编辑框_帮助信息));
        return 0;
    }
    return ModalWindowProc(window, message, wParam, lParam);
}

}  // namespace

void OpenHelpWindow()
{
    OpenModalWindow({"VelmoraHelpWindow", "帮助信息", 500, 400, CreateHelpControls, HelpWindowProc});
}
