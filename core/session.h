// SessionState: the program-wide values that outlive a single event handler.
// There is one instance, alive from InitSession until ReleaseSession.
#pragma once

#include <cstdint>
#include <vector>

#include "core/datetime.h"
#include "core/text.h"

extern int32_t g_searchMs;
extern TextList g_checkedPaths;
extern Text g_rootPath;
extern std::vector<int32_t> g_checkedRows;
extern DateTime g_rangeStart;
extern DateTime g_rangeEnd;
extern Text g_typePattern;
extern int32_t g_copiedCount;
extern int64_t g_copiedBytes;
extern int32_t g_copyMs;

void InitSession();
void ReleaseSession();
