#include "ui/link_label.h"

#include <commctrl.h>

#include "core/shell_command.h"
#include "ui/controls.h"
#include "ui/dialog_seam.h"
#include "ui/label.h"

namespace {

// The link's state, kept as a property of its window.
constexpr char kStateProperty[] = "VelmoraLinkState";
constexpr UINT_PTR kHot = 1;
constexpr UINT_PTR kVisited = 2;

COLORREF ColourFor(UINT_PTR state)
{
    if (state & kHot)
        return kLinkHotColour;
    return (state & kVisited) ? kLinkVisitedColour : kLinkColour;
}

UINT_PTR LinkState(HWND link)
{
    return reinterpret_cast<UINT_PTR>(GetPropA(link, kStateProperty));
}

void SetLinkState(HWND link, UINT_PTR state)
{
    SetPropA(link, kStateProperty, reinterpret_cast<HANDLE>(state));
    SetLabelColour(link, ColourFor(state));
}

// The default value of a key of HKEY_CLASSES_ROOT; empty when it has none.
Text RegisteredClassText(const Text& key)
{
    DWORD size = 0;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return Text();
    Text value(size, '\0');
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return Text();
    value.resize(value.find('\0'));
    return value;
}

// The command that opens web pages (".htm" files).
Text WebPageCommand()
{
    const Text fileClass = RegisteredClassText(".htm");
    return fileClass.empty() ? Text() : RegisteredClassText(fileClass + "\\shell\\open\\command");
}

// Asks the shell to open the link; when it cannot, hands the link to the
// program that opens web pages. True when either reports success.
bool OpenLink(const Text& link)
{
    const HINSTANCE shell = Dialogs().shellExecute(nullptr, "open", link.c_str(), nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(shell) > 32)
        return true;
    // Without a registered command there is nothing to run.
    const Text command = WebPageCommand();
    return !command.empty() && Dialogs().winExec(CommandLineFor(command, link).c_str(), SW_SHOW) > 31;
}

void OnMouseMove(HWND link)
{
    if (LinkState(link) & kHot)
        return;
    TRACKMOUSEEVENT leave = {sizeof(leave), TME_LEAVE, link, 0};
    TrackMouseEvent(&leave);
    SetLinkState(link, LinkState(link) | kHot);
}

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(link);
        break;
    case WM_MOUSELEAVE:
        SetLinkState(link, LinkState(link) & ~kHot);
        return 0;
    case WM_LBUTTONDOWN:
        if (OpenLink(JoinTexts({"mailto:", WindowText(link)})))
            SetLinkState(link, LinkState(link) | kVisited);
        return 0;
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
    case WM_NCDESTROY:
        RemovePropA(link, kStateProperty);
        RemoveWindowSubclass(link, LinkProc, 0);
        break;
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

}  // namespace

void MakeMailLink(HWND label)
{
    SetWindowSubclass(label, LinkProc, 0, 0);
    SetLinkState(label, 0);
}
