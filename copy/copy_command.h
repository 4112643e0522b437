// The "拷贝文件" command: checks that rows are ticked, runs the copy with the
// progress group and reports what was copied and what failed.
#pragma once

void CopyCommand();
