#include "copy/copy_command.h"

#include "copy/copy_engine.h"
#include "core/display_text.h"
#include "core/session.h"
#include "results/checked_rows.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/stages.h"

namespace {

// Three lines: how many files, how many bytes, how many milliseconds.
Text CopyReport()
{
    return JoinTexts({"成功复制：", IntToText(g_copiedCount), " 个文件！\r\n复制文件大小约为：", FormatSize(g_copiedBytes),
                      "\r\n复制文件耗时：", IntToText(g_copyMs), " 毫秒"});
}

}  // namespace

void CopyCommand()
{
    CollectCheckedRows();
    if (g_checkedPaths.empty()) {
        ShowMessageBox("请先选择需要复制的文件!", kStyleError, "错误");
        return;
    }
    ResetForStage(kStageCopy);
    if (IsTicked(选择框_原目录结构))
        ShowCopyProgress();
    const Text outcome = CopyCheckedFiles();
    const Text report = CopyReport();
    if (outcome == kCopySucceeded)
        ShowMessageBox(report, kStyleInfo, "信息：");
    else if (outcome != kCopyCancelled)
        ShowMessageBox(JoinTexts({report, "\r\n", outcome}), kStyleError, "错误：");
    HideCopyProgress();
}
