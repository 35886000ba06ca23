#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <type_traits>

namespace tarvek {

class CDialog;
class CWinApp;

// The framework's Help command and the base of the help context numbers of
// dialog templates.
inline constexpr UINT ID_HELP = 0xE146;  // 57670
inline constexpr DWORD kHelpContextBase = 0x20000;  // 131072

// One row of the application object's command map.
struct AppCommandEntry {
    UINT id;
    void (*invoke)(CWinApp& app);
};

template <class Pointer>
struct AppMemberOf;
template <class C, class F>
struct AppMemberOf<F C::*> {
    using type = C;
};

// A command routed to member H of the application class, which takes nothing:
// AppCommand<ID_HELP, &CWinApp::OnHelp>.
template <UINT Id, auto H>
    requires std::is_base_of_v<CWinApp, typename AppMemberOf<decltype(H)>::type> &&
             std::is_same_v<decltype(H), void (AppMemberOf<decltype(H)>::type::*)()>
inline constexpr AppCommandEntry AppCommand{Id, [](CWinApp& app) {
    using App = typename AppMemberOf<decltype(H)>::type;
    (static_cast<App&>(app).*H)();
}};

// The application object: one global instance, constructed before start-up.
// The framework's WinMain names it after the executable and calls its
// InitInstance.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Current();

    // Start-up: called once; FALSE ends the program without a message loop.
    virtual BOOL InitInstance();

    // Framework start-up and the run; the process's exit code.
    int Run(HINSTANCE hInstance);

    // Kept for the program's start-up sequence: every supported system draws
    // dialog controls in three dimensions itself, so this changes nothing.
    BOOL Enable3dControlsStatic();

    // The settings file: the bare file name, so the system keeps it in the
    // Windows directory.
    UINT GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue) const;
    BOOL WriteProfileString(const char* section, const char* entry, const std::string& value) const;

    // A message box captioned with the application name, owned by the
    // application's active window.
    int DoMessageBox(const std::string& text, UINT type) const;

    // Runs the command map's handler for `id`; false when it has none.
    bool OnCmdMsg(UINT id);

    // The default Help handler: asks the help engine for the topic of the
    // dialog that holds the keyboard focus.
    void OnHelp();
    void WinHelp(DWORD data, UINT command = HELP_CONTEXT);

    HINSTANCE m_hInstance = nullptr;
    std::string m_strAppName;      // the executable's base name
    std::string m_strHelpPath;     // the executable's path with ".HLP"
    std::string m_strProfileName;  // the application name with ".INI"
    CDialog* m_pMainWnd = nullptr;

protected:
    virtual std::span<const AppCommandEntry> GetCommandMap() const;
};

}  // namespace tarvek
