#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvek::bench {

// One WM_COPYDATA request as it reached the receiver, with the moment it did.
struct Arrival {
    LONGLONG ticks = 0;  // QueryPerformanceCounter when the message arrived
    HWND sender = nullptr;
    ULONG_PTR code = 0;
    DWORD size = 0;
    std::string station;  // the record's text at offset 4, when it has one
};

// The benchmark's own receiver: a top-level window under a title no other
// window has, which notes every WM_COPYDATA request with the time it came.
// Being the receiver itself, the benchmark needs no third process whose
// scheduling would blur the figures.
class BenchReceiver {
public:
    BenchReceiver();
    ~BenchReceiver();
    BenchReceiver(const BenchReceiver&) = delete;
    BenchReceiver& operator=(const BenchReceiver&) = delete;

    bool Created() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    const std::string& Title() const { return title_; }

    // Forgets every request received so far.
    void Forget() { arrivals_.clear(); }

    // Handles this thread's messages until a request from `sender` has
    // arrived, or `timeoutMs` has passed.
    std::optional<Arrival> WaitForRequest(HWND sender, DWORD timeoutMs);

private:
    void Create();
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCopyData(HWND sender, const COPYDATASTRUCT& data);

    std::string title_;
    HWND window_ = nullptr;
    std::vector<Arrival> arrivals_;
};

}  // namespace tarvek::bench
