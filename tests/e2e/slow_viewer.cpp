#include "slow_viewer.h"

#include "harness.h"

namespace tarvek::e2e {

SlowViewer::SlowViewer(DWORD delayMs) : delayMs_(delayMs), thread_([this] { Run(); })
{
    WaitUntil([this] { return joined_.load(); });
}

SlowViewer::~SlowViewer()
{
    if (HWND window = window_) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    // Leaving the chain sends messages to other viewers, maybe of this very
    // thread: keep handling them until the viewer's thread is done.
    WaitUntil([this] { return finished_.load(); }, 30000);
    thread_.join();
}

bool SlowViewer::WaitForNotifications(int count, DWORD timeoutMs) const
{
    return WaitUntil([&] { return notifications_ >= count; }, timeoutMs);
}

void SlowViewer::Run()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &SlowViewer::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TarvekTestSlowViewer";
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), this);
    window_ = window;
    // Joining notifies this viewer once at once; that is no change.
    next_ = SetClipboardViewer(window);
    notifications_ = 0;
    joined_ = true;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    finished_ = true;
}

LRESULT CALLBACK SlowViewer::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SlowViewer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_DRAWCLIPBOARD:
        Sleep(self->delayMs_);
        ++self->notifications_;
        if (self->next_) {
            SendMessageA(self->next_, WM_DRAWCLIPBOARD, wParam, lParam);
        }
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == self->next_) {
            self->next_ = reinterpret_cast<HWND>(lParam);
        } else if (self->next_) {
            SendMessageA(self->next_, WM_CHANGECBCHAIN, wParam, lParam);
        }
        return 0;
    case WM_CLOSE:
        ChangeClipboardChain(window, self->next_);
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace tarvek::e2e
