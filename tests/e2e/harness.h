#pragma once

// A small toolkit for driving Windows programs from a test under Wine: start
// a private copy of a program, find its windows, read and press what they
// show, send keys, and always end what was started. Every wait is bounded and
// keeps this thread's messages flowing, so windows of the test itself (such as
// a stand-in that the program talks to) answer meanwhile.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvek::e2e {

inline constexpr DWORD kDefaultWaitMs = 5000;

// Handles this thread's messages for `ms` milliseconds.
void PumpMessages(DWORD ms);

// Polls `done` every few milliseconds, handling messages in between, until it
// holds or `timeoutMs` has passed; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kDefaultWaitMs);

std::string TestProgramDirectory();
std::string WindowsDirectory();

std::optional<std::string> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, std::string_view bytes);

// A copy of a program under a name of its own, in a scratch folder; removed
// again (with its settings file in the Windows directory) when it goes.
class ProgramCopy {
public:
    ProgramCopy(const std::string& sourcePath, const std::string& baseName);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    const std::string& Path() const { return path_; }
    const std::string& BaseName() const { return baseName_; }
    // The settings file the program keeps: its base name with ".INI" in the
    // Windows directory.
    std::string IniPath() const;

private:
    std::string path_;
    std::string baseName_;
};

// A started process; ended by force if it is still running when this goes.
class Process {
public:
    explicit Process(const std::string& path, const std::string& arguments = "");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    bool IsRunning() const;
    bool WaitForExit(DWORD timeoutMs = kDefaultWaitMs);
    void Terminate();

private:
    PROCESS_INFORMATION info_{};
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
RECT WindowRect(HWND window);

// The visible top-level windows of process `pid`, in the system's order.
std::vector<HWND> TopLevelWindows(DWORD pid);

// The first visible dialog window of `pid` whose caption is `caption`, once it
// appears; null when none does in time.
HWND WaitForDialog(DWORD pid, std::string_view caption, DWORD timeoutMs = kDefaultWaitMs);

// Waits until `window` is gone (destroyed or hidden).
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultWaitMs);

struct Button {
    int id;
    std::string text;
    bool isDefault;
};

// What a message box shows: caption, text, buttons, and its owner window.
struct MessageBoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    std::vector<Button> buttons;
    HICON icon = nullptr;
};

MessageBoxView ReadMessageBox(HWND box);

// The children of a dialog with their ids, classes and texts.
struct Control {
    HWND window;
    int id;
    std::string className;
    std::string text;
    LONG style;
};
std::vector<Control> Controls(HWND dialog);

// Presses button `id` of a dialog the way a click does: the dialog receives
// the button's BN_CLICKED notification. Posted, so a box the click opens does
// not hold up the test.
void PressButton(HWND dialog, int id);

// A mouse click on a button control itself (radio buttons change state).
void ClickControl(HWND control);

// The window of thread `threadId` that has the keyboard focus.
HWND FocusOf(DWORD threadId);

// A key pressed and released in `target`, as the keyboard would deliver it;
// `alt` sends it as a system key with Alt held.
void PostKey(HWND target, UINT virtualKey, bool alt = false);

// A key pressed and released on the keyboard itself: it goes to the window
// with the focus in the foreground, through the system's whole input path.
void TypeKey(UINT virtualKey);

// Posts a system-menu command to a window, as choosing it from the menu does.
void PostSysCommand(HWND window, WPARAM command);

}  // namespace tarvek::e2e
