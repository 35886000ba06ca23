// bench-minimal-viewer: the least a clipboard viewer must do to hand a
// copied text's request to a receiver window, as the yardstick for TARVEK's
// own clipboard handling. It joins the chain, and on every change opens the
// clipboard, copies the text, finds the first top-level window whose title
// begins with the name on its command line, sends it a 260-byte record with
// WM_COPYDATA, closes the clipboard and passes the change on. It parses
// nothing: the record is fixed but for the copied text's length, which keeps
// the copy from being optimised away.
//
//   bench-minimal-viewer RECEIVER-TITLE-PREFIX

#include <windows.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr char kWindowClass[] = "TarvekBenchMinimalViewer";
constexpr ULONG_PTR kRequestCode = 1003;

struct Viewer {
    std::string receiverPrefix;
    HWND nextViewer = nullptr;
    // Off while SetClipboardViewer runs: the clipboard's contents at start-up
    // are no copy made for us.
    bool ready = false;
};
Viewer g_viewer;

struct Search {
    const std::string* prefix;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<Search*>(param);
    char title[512];
    const int length = GetWindowTextA(window, title, sizeof title);
    if (length >= 0 && static_cast<std::size_t>(length) >= search.prefix->size() &&
        std::memcmp(title, search.prefix->data(), search.prefix->size()) == 0) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindReceiver()
{
    Search search{&g_viewer.receiverPrefix};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SendRecord(HWND self, HWND receiver, std::size_t textLength)
{
    std::array<std::uint8_t, 260> record{};
    const auto length = static_cast<std::uint32_t>(textLength);
    std::memcpy(record.data(), &length, sizeof length);
    COPYDATASTRUCT data{kRequestCode, static_cast<DWORD>(record.size()), record.data()};
    SendMessageA(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(&data));
}

void OnDrawClipboard(HWND self)
{
    if (g_viewer.ready && OpenClipboard(self)) {
        if (HANDLE handle = GetClipboardData(CF_TEXT)) {
            if (const auto* text = static_cast<const char*>(GlobalLock(handle))) {
                const std::string copy(text);
                GlobalUnlock(handle);
                if (HWND receiver = FindReceiver()) {
                    SendRecord(self, receiver, copy.size());
                }
            }
        }
        CloseClipboard();
    }
    if (g_viewer.nextViewer) {
        SendMessageA(g_viewer.nextViewer, WM_DRAWCLIPBOARD, 0, 0);
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        g_viewer.nextViewer = SetClipboardViewer(window);
        g_viewer.ready = true;
        return 0;
    case WM_DRAWCLIPBOARD:
        OnDrawClipboard(window);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == g_viewer.nextViewer) {
            g_viewer.nextViewer = reinterpret_cast<HWND>(lParam);
        } else if (g_viewer.nextViewer) {
            SendMessageA(g_viewer.nextViewer, WM_CHANGECBCHAIN, wParam, lParam);
        }
        return 0;
    case WM_DESTROY:
        ChangeClipboardChain(window, g_viewer.nextViewer);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    g_viewer.receiverPrefix = commandLine;
    if (g_viewer.receiverPrefix.empty()) {
        return 2;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    // Visible, like TARVEK's dialog, so that whoever started it finds it
    // among the desktop's windows and can close it.
    const HWND window = CreateWindowExA(0, kWindowClass, "bench-minimal-viewer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return 0;
}
