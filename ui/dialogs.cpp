#include "ui/dialogs.h"

#include "ui/dialog_seam.h"

int ShowMessageBox(const Text& text, int style, const Text& title)
{
    UINT flags = static_cast<UINT>(style);
    if (!(flags & MB_SYSTEMMODAL))
        flags |= MB_TASKMODAL;
    const int result = Dialogs().messageBox(nullptr, text.c_str(), title.c_str(), flags);
    return result >= IDOK && result <= IDNO ? result - 1 : 0;
}
