#include "results/row_details.h"

#include "core/datetime.h"
#include "core/display_text.h"
#include "core/session.h"
#include "core/system.h"
#include "results/checked_rows.h"
#include "results/result_list.h"
#include "ui/controls.h"
#include "ui/dialog_seam.h"
#include "ui/dialogs.h"

void ShowRowDetails()
{
    const Text path = RowFullPath(CurrentRow());
    if (path.empty()) {
        SetControlText(编辑框_更多信息, Text());
        return;
    }
    SetControlText(编辑框_更多信息, JoinTexts({path, "\r\n文件修改时间：", DateTimeToText(FileModifiedTime(path)),
                                               "\r\n文件大小：", FileSizeText(path)}));
}

void OpenRowLocation()
{
    const Text path = RowFullPath(CurrentRow());
    // FindLastText looks only at character boundaries: the second byte of a
    // character such as 俓 is not taken for a backslash.
    const Text folder = TextLeft(path, FindLastText(path, "\\", false));
    // When the shell cannot open the folder there is nothing to tell the user.
    Dialogs().shellExecute(nullptr, "open", folder.c_str(), nullptr, "", SW_SHOWNORMAL);
}

int64_t TotalCheckedSize()
{
    const int count = RefreshCheckedLabel();
    BeginBusyCursor();
    int64_t total = 0;
    for (int i = 0; i < count; ++i)
        total += FileSizeBytes(g_checkedPaths[static_cast<size_t>(i)]);
    EndBusyCursor();
    return total;
}

void ShowCheckedSizeTotal()
{
    const int64_t total = TotalCheckedSize();
    SetControlText(编辑框_更多信息, JoinTexts({"共选中文件：", IntToText(static_cast<int>(g_checkedPaths.size())),
                                               "个\r\n选中文件总大小：", FormatSize(total)}));
}
