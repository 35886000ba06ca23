// bench-minimal-dialog: a dialog program that does nothing but show one
// dialog from its template, as the yardstick for TARVEK's start-up. The
// template has the same controls as TARVEK's main dialog, so the comparison
// weighs the program's own start-up work, not the number of controls.

#include <windows.h>

#include "minimal_dialog.h"

namespace {

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr, &DialogProcedure, 0));
}
