#include "harness.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tarvek::e2e {
namespace {

constexpr DWORD kPollMs = 10;

std::string ModuleDirectory()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    return full.substr(0, full.find_last_of('\\'));
}

std::string ScratchDirectory()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string dir = std::string(temp) + "tarvek-e2e";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

}  // namespace

void PumpMessages(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        PumpMessages(kPollMs);
    }
}

std::string TestProgramDirectory()
{
    return ModuleDirectory();
}

std::string WindowsDirectory()
{
    char dir[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir, length);
}

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

ProgramCopy::ProgramCopy(const std::string& sourcePath, const std::string& baseName)
    : path_(ScratchDirectory() + "\\" + baseName + ".EXE"), baseName_(baseName)
{
    CopyFileA(sourcePath.c_str(), path_.c_str(), FALSE);
    DeleteFileA(IniPath().c_str());
}

ProgramCopy::~ProgramCopy()
{
    DeleteFileA(path_.c_str());
    DeleteFileA(IniPath().c_str());
}

std::string ProgramCopy::IniPath() const
{
    return WindowsDirectory() + "\\" + baseName_ + ".INI";
}

Process::Process(const std::string& path, const std::string& arguments)
{
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
        info_ = {};
    }
}

Process::~Process()
{
    Terminate();
    if (info_.hProcess) {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool Process::IsRunning() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD timeoutMs)
{
    return WaitUntil([this] { return !IsRunning(); }, timeoutMs);
}

void Process::Terminate()
{
    if (IsRunning()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, kDefaultWaitMs);
    }
}

// Asks the window itself: GetWindowTextA does not ask the controls of other
// processes for their text.
std::string WindowText(HWND window)
{
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kDefaultWaitMs, &length)) {
        return {};
    }
    return std::string(text, std::min<std::size_t>(length, sizeof text - 1));
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.pid && IsWindowVisible(window)) {
        search.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid)
{
    WindowSearch search{pid, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD pid, std::string_view caption, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindows(pid)) {
                if (ClassName(window) == "#32770" && WindowText(window) == caption) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs)
{
    return WaitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::vector<Control> Controls(HWND dialog)
{
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back({child, GetDlgCtrlID(child), ClassName(child), WindowText(child),
                            static_cast<LONG>(GetWindowLongA(child, GWL_STYLE))});
    }
    return controls;
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view;
    view.window = box;
    view.owner = GetWindow(box, GW_OWNER);
    view.caption = WindowText(box);
    for (const Control& control : Controls(box)) {
        if (_stricmp(control.className.c_str(), "Button") == 0) {
            const bool isDefault = (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            view.buttons.push_back({control.id, control.text, isDefault});
        } else if (_stricmp(control.className.c_str(), "Static") == 0) {
            if ((control.style & SS_TYPEMASK) == SS_ICON) {
                view.icon = reinterpret_cast<HICON>(SendMessageA(control.window, STM_GETICON, 0, 0));
            } else if (!control.text.empty()) {
                view.text = control.text;
            }
        }
    }
    return view;
}

void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ClickControl(HWND control)
{
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

HWND FocusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

void PostKey(HWND target, UINT virtualKey, bool alt)
{
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM altBit = alt ? (1 << 29) : 0;
    const LPARAM releaseBits = static_cast<LPARAM>(0xC0000000u);
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | scan | altBit);
    PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, 1 | scan | altBit | releaseBits);
}

void TypeKey(UINT virtualKey)
{
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = static_cast<WORD>(virtualKey);
        key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void PostSysCommand(HWND window, WPARAM command)
{
    PostMessageA(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace tarvek::e2e
