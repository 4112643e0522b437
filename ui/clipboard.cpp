#include "ui/clipboard.h"

#include <cstring>

#include <windows.h>

bool PutClipboardText(const Text& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    bool handedOver = false;
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1)) {
        if (void* bytes = GlobalLock(block)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
        }
        // The clipboard owns the block only once it has taken it.
        if (!handedOver)
            GlobalFree(block);
    }
    CloseClipboard();
    return handedOver;
}

Text ClipboardText()
{
    if (!OpenClipboard(nullptr))
        return Text();
    Text text;
    if (const HANDLE block = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(block))) {
            // The block may be larger than its text; the text ends at the first zero.
            text.assign(bytes, strnlen(bytes, GlobalSize(block)));
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    return text;
}
