#include "ui/about_window.h"

#include <windows.h>

#include "ui/clipboard.h"
#include "ui/control_table.h"
#include "ui/dialogs.h"
#include "ui/label.h"
#include "ui/link_label.h"
#include "ui/modal_window.h"

namespace {

struct AboutRow {
    AboutControlName name;
    ControlLook look;
};

// Labels wrap from their top edge, each "\r\n" starting a new line.
const AboutRow kAboutControls[] = {
    {按钮_复制, {"BUTTON", "复制到剪辑板", 190, 58, 80, 20, kPushButton, 0, kGuiFont}},
    {标签_留言,
     {kLabelClass,
      "非常感谢您使用本软件！\r\n本软件完全因个人兴趣爱好所编写，\r\n由于个人技术有限，难免会考虑不周。\r\n"
      "若您在使用过程中遇到程序BUG，\r\n或者有好的意见和建议，请您联系我。\r\n（注：BUG请附截图说明，以便重现）\r\n"
      "我会不断完善软件功能，谢谢您的合作！\r\n\r\n",
      16, 88, 256, 104, kLabelLeft, 0, kNormal14}},
    {超级链接框_邮箱, {kLabelClass, kContactAddress, 72, 58, 121, 24, kLabelCentre | kLabelOneLine, 0, kGuiFont}},
    {标签_作者, {kLabelClass, "作者：Quillan", 16, 34, 128, 24, kLabelLeft, 0, kNormal16}},
    {标签_版本, {kLabelClass, "版本：V1.0", 16, 8, 128, 24, kLabelLeft, 0, kNormal16}},
    {标签_联系我, {kLabelClass, "联系我：", 16, 60, 64, 24, kLabelLeft, 0, kNormal16}},
};

bool CreateAboutControls(HWND window)
{
    if (!RegisterLabelClass(GetModuleHandleA(nullptr)))
        return false;
    HWND above = HWND_TOP;
    for (const AboutRow& row : kAboutControls) {
        const HWND control = CreateChildControl(window, kFirstAboutControlId + row.name, row.look);
        if (!control)
            return false;
        above = StackUnder(control, above);
    }
    MakeMailLink(GetDlgItem(window, kFirstAboutControlId + 超级链接框_邮箱));
    return true;
}

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kFirstAboutControlId + 按钮_复制 && HIWORD(wParam) == BN_CLICKED) {
        CopyContactAddress();
        return 0;
    }
    return ModalWindowProc(window, message, wParam, lParam);
}

}  // namespace

void OpenAboutWindow()
{
    OpenModalWindow({"VelmoraAboutWindow", "关于", 281, 228, CreateAboutControls, AboutWindowProc});
}

void CopyContactAddress()
{
    PutClipboardText(kContactAddress);
    if (CompareText(ClipboardText(), kContactAddress) == 0)
        ShowMessageBox("复制成功！", kStyleInfo, "信息");
    else
        ShowMessageBox("复制失败！", kStyleError, "错误");
}
