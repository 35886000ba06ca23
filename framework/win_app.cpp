#include "win_app.h"

#include <vector>

#include "app_services.h"
#include "dialog.h"
#include "module_names.h"

namespace tarvek {
namespace {

CWinApp* g_app = nullptr;

// Profile values come back through a buffer of this size.
constexpr DWORD kProfileBufferSize = 4096;

std::string ModulePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

CWinApp* CWinApp::Current()
{
    return g_app;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    const std::string path = ModulePath();
    m_strAppName = BaseName(path);
    m_strHelpPath = WithExtension(path, ".HLP");
    m_strProfileName = m_strAppName + ".INI";

    if (!InitInstance()) {
        return 0;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    return GetPrivateProfileIntA(section, entry, defaultValue, m_strProfileName.c_str());
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const
{
    std::vector<char> buffer(kProfileBufferSize);
    const DWORD length = GetPrivateProfileStringA(section, entry, defaultValue, buffer.data(), kProfileBufferSize,
                                                  m_strProfileName.c_str());
    return std::string(buffer.data(), length);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const std::string& value) const
{
    return WritePrivateProfileStringA(section, entry, value.c_str(), m_strProfileName.c_str());
}

int CWinApp::DoMessageBox(const std::string& text, UINT type) const
{
    HWND main = AppMainWindow();
    HWND owner = main ? GetLastActivePopup(main) : GetActiveWindow();
    return MessageBoxA(owner, text.c_str(), m_strAppName.c_str(), type);
}

std::span<const AppCommandEntry> CWinApp::GetCommandMap() const
{
    return {};
}

bool CWinApp::OnCmdMsg(UINT id)
{
    for (const AppCommandEntry& entry : GetCommandMap()) {
        if (entry.id == id) {
            entry.invoke(*this);
            return true;
        }
    }
    return false;
}

void CWinApp::OnHelp()
{
    HWND focus = GetFocus();
    const CDialog* dialog = focus ? CDialog::FromHandle(GetAncestor(focus, GA_ROOT)) : nullptr;
    if (!dialog) {
        dialog = m_pMainWnd;
    }
    if (dialog) {
        WinHelp(kHelpContextBase + dialog->TemplateId());
    }
}

void CWinApp::WinHelp(DWORD data, UINT command)
{
    HWND main = AppMainWindow();
    if (!::WinHelpA(main, m_strHelpPath.c_str(), command, data)) {
        DoMessageBox("Failed to launch help.", MB_OK | MB_ICONEXCLAMATION);
    }
}

}  // namespace tarvek

int AppMessageBox(const std::string& text, UINT type)
{
    const tarvek::CWinApp* app = tarvek::CWinApp::Current();
    return app ? app->DoMessageBox(text, type) : MessageBoxA(GetActiveWindow(), text.c_str(), nullptr, type);
}

HWND AppMainWindow()
{
    const tarvek::CWinApp* app = tarvek::CWinApp::Current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}
