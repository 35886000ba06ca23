#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

namespace tarvek::e2e {

// A clipboard viewer on a thread of its own that takes its time over every
// change (as a viewer busy redrawing does) before passing it on. Its own
// thread keeps the test's thread free to copy and to watch meanwhile.
class SlowViewer {
public:
    explicit SlowViewer(DWORD delayMs);
    ~SlowViewer();
    SlowViewer(const SlowViewer&) = delete;
    SlowViewer& operator=(const SlowViewer&) = delete;

    int Notifications() const { return notifications_; }
    HWND Window() const { return window_; }
    bool WaitForNotifications(int count, DWORD timeoutMs) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Run();

    DWORD delayMs_;
    std::atomic<HWND> window_{nullptr};
    HWND next_ = nullptr;
    std::atomic<int> notifications_{0};
    std::atomic<bool> joined_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

}  // namespace tarvek::e2e
