#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The tests' own AppMessageBox and AppMainWindow: boxes are recorded instead
// of shown (each answers IDOK at once), and the main window is whatever the
// test sets.
namespace tarvek::testing {

struct MessageBoxCall {
    std::string text;
    UINT type;
};

std::vector<MessageBoxCall>& RecordedMessageBoxes();
void SetMainWindow(HWND window);

}  // namespace tarvek::testing
