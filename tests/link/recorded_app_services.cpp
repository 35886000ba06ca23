#include "recorded_app_services.h"

#include "app_services.h"

namespace tarvek::testing {

namespace {
HWND mainWindow = nullptr;
}

std::vector<MessageBoxCall>& RecordedMessageBoxes()
{
    static std::vector<MessageBoxCall> calls;
    return calls;
}

void SetMainWindow(HWND window) { mainWindow = window; }

}  // namespace tarvek::testing

int AppMessageBox(const std::string& text, UINT type)
{
    tarvek::testing::RecordedMessageBoxes().push_back({text, type});
    return IDOK;
}

HWND AppMainWindow() { return tarvek::testing::mainWindow; }
