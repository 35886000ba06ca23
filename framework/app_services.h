#pragma once

#include <windows.h>

#include <string>

// What code outside the dialogs needs of the running application.

// A modal message box captioned with the application name and owned by the
// application's active window (the main dialog, or a box or dialog above it).
// Returns the button the user chose (IDOK, IDYES, ...).
int AppMessageBox(const std::string& text, UINT type);

// The application's main window, the main dialog; null before it exists.
HWND AppMainWindow();
