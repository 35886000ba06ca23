// desktop-demo: plays the part of a user at the Wine desktop for the headless
// demo of the run command. Each call does one step and says what it did:
//
//   desktop-demo wait            wait until TARVEK's main dialog is up
//   desktop-demo wait TITLE      wait until a window titled TITLE is up
//   desktop-demo copy FILE       put the file's text on the clipboard
//   desktop-demo mode 0|1        click the mode button in TARVEK's dialog
//   desktop-demo enter           press Enter in TARVEK: it ends and saves
//   desktop-demo close TITLE     close the window whose title is TITLE
//
// Exit status 0 when the step was done, 1 when it could not be, 2 for a
// usage error.

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "clipboard_chain.h"
#include "harness.h"

namespace {

using namespace tarvek::e2e;

constexpr DWORD kStepTimeoutMs = 20000;
constexpr int kTuneOnlyButton = 1001;
constexpr int kTuneAndStationButton = 1002;

HWND TarvekDialog()
{
    return FindWindowA("#32770", "TARVEK");
}

HWND WaitForTarvek()
{
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = TarvekDialog()) != nullptr && IsWindowVisible(dialog); }, kStepTimeoutMs);
    return dialog;
}

int Fail(const std::string& what)
{
    std::fprintf(stderr, "desktop-demo: %s\n", what.c_str());
    return 1;
}

int Wait()
{
    if (!WaitForTarvek()) {
        return Fail("TARVEK's dialog did not appear");
    }
    std::printf("TARVEK is up\n");
    return 0;
}

int Wait(const std::string& title)
{
    if (!WaitUntil([&] { return FindWindowA(nullptr, title.c_str()) != nullptr; }, kStepTimeoutMs)) {
        return Fail("no window titled " + title + " appeared");
    }
    std::printf("%s is up\n", title.c_str());
    return 0;
}

int Copy(const std::string& path)
{
    const std::optional<std::string> text = ReadFileBytes(path);
    if (!text) {
        return Fail("cannot read " + path);
    }
    ClipboardWriter writer;
    if (!writer.PutText(*text, kStepTimeoutMs)) {
        return Fail("cannot put " + path + " on the clipboard");
    }
    std::printf("copied %s\n", path.c_str());
    return 0;
}

int Mode(int mode)
{
    const HWND dialog = WaitForTarvek();
    if (!dialog) {
        return Fail("TARVEK is not running");
    }
    const HWND button = GetDlgItem(dialog, mode ? kTuneAndStationButton : kTuneOnlyButton);
    ClickControl(button);
    if (!WaitUntil([&] { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }, kStepTimeoutMs)) {
        return Fail("the mode button did not take the click");
    }
    std::printf("clicked \"%s\"\n", WindowText(button).c_str());
    return 0;
}

int Enter()
{
    const HWND dialog = WaitForTarvek();
    if (!dialog) {
        return Fail("TARVEK is not running");
    }
    DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    const HWND focus = FocusOf(thread);
    PostKey(focus ? focus : dialog, VK_RETURN);
    if (!WaitUntil([&] { return !IsWindow(dialog); }, kStepTimeoutMs)) {
        return Fail("TARVEK did not end on Enter");
    }
    std::printf("pressed Enter: TARVEK saved its settings and ended\n");
    return 0;
}

int Close(const std::string& title)
{
    const HWND window = FindWindowA(nullptr, title.c_str());
    if (!window) {
        return Fail("no window titled " + title);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(window); }, kStepTimeoutMs)) {
        return Fail(title + " did not close");
    }
    std::printf("closed %s\n", title.c_str());
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: desktop-demo wait [TITLE] | copy FILE | mode 0|1 | enter | close TITLE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view step = argc > 1 ? argv[1] : "";
    int result = 2;
    if (step == "wait" && argc == 2) {
        result = Wait();
    } else if (step == "wait" && argc == 3) {
        result = Wait(argv[2]);
    } else if (step == "copy" && argc == 3) {
        result = Copy(argv[2]);
    } else if (step == "mode" && argc == 3 && (std::string_view(argv[2]) == "0" || std::string_view(argv[2]) == "1")) {
        result = Mode(argv[2][0] - '0');
    } else if (step == "enter" && argc == 2) {
        result = Enter();
    } else if (step == "close" && argc == 3) {
        result = Close(argv[2]);
    } else {
        return Usage();
    }
    std::fflush(stdout);
    return result;
}
