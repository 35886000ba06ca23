#include "bench_receiver.h"

#include <cstring>

#include "bench_clock.h"

namespace tarvek::bench {
namespace {

constexpr char kWindowClass[] = "TarvekBenchReceiver";
constexpr std::size_t kStationOffset = 4;
constexpr std::size_t kStationSlot = 50;

}  // namespace

BenchReceiver::BenchReceiver() : title_("TarvekBenchReceiver-" + std::to_string(GetCurrentProcessId()))
{
    Create();
}

void BenchReceiver::Create()
{
    if (window_) {
        return;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &BenchReceiver::Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly when the class exists
    window_ = CreateWindowExA(0, kWindowClass, title_.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

BenchReceiver::~BenchReceiver()
{
    if (window_) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK BenchReceiver::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<BenchReceiver*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COPYDATA && lParam) {
        self->OnCopyData(reinterpret_cast<HWND>(wParam), *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void BenchReceiver::OnCopyData(HWND sender, const COPYDATASTRUCT& data)
{
    Arrival arrival{Now(), sender, data.dwData, data.cbData, {}};
    if (data.lpData && data.cbData >= kStationOffset + kStationSlot) {
        const char* slot = static_cast<const char*>(data.lpData) + kStationOffset;
        arrival.station.assign(slot, strnlen(slot, kStationSlot));
    }
    arrivals_.push_back(std::move(arrival));
}

std::optional<Arrival> BenchReceiver::WaitForRequest(HWND sender, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        for (const Arrival& arrival : arrivals_) {
            if (arrival.sender == sender) {
                return arrival;
            }
        }
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs) {
            return std::nullopt;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - waited, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace tarvek::bench
