#include "core/session.h"

int32_t g_searchMs = 0;
TextList g_checkedPaths;
Text g_rootPath;
std::vector<int32_t> g_checkedRows;
DateTime g_rangeStart = 0.0;
DateTime g_rangeEnd = 0.0;
Text g_typePattern;
int32_t g_copiedCount = 0;
int64_t g_copiedBytes = 0;
int32_t g_copyMs = 0;

namespace {

template <typename T>
void Release(T& value)
{
    T().swap(value);
}

}  // namespace

void InitSession()
{
    g_searchMs = 0;
    g_checkedPaths = TextList();
    Release(g_rootPath);
    g_checkedRows = std::vector<int32_t>();
    g_rangeStart = 0.0;
    g_rangeEnd = 0.0;
    Release(g_typePattern);
    g_copiedCount = 0;
    g_copiedBytes = 0;
    g_copyMs = 0;
}

void ReleaseSession()
{
    Release(g_checkedPaths);
    Release(g_rootPath);
    Release(g_checkedRows);
    Release(g_typePattern);
}
