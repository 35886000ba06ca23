#include "help_engine_standin.h"

#include <cstring>

namespace tarvek::e2e {
namespace {

constexpr const char* kClassName = "MS_WINHELP";
// COPYDATASTRUCT.dwData of a help request.
constexpr ULONG_PTR kHelpRequestTag = 0xA1DE505;

// The request record: size, command, data, reserved, then the offsets of the
// help file name and of extra data, both from the record's start.
struct HelpRequestRecord {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileNameOffset;
    WORD dataOffset;
};

void RegisterOnce()
{
    WNDCLASSA windowClass{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &windowClass)) {
        return;
    }
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

}  // namespace

HelpEngineStandIn::HelpEngineStandIn(bool accept) : accept_(accept)
{
    RegisterOnce();
    window_ = CreateWindowExA(0, kClassName, "Help engine stand-in", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HelpEngineStandIn::WindowProc));
    }
}

HelpEngineStandIn::~HelpEngineStandIn()
{
    if (window_) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK HelpEngineStandIn::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<HelpEngineStandIn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COPYDATA && self) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (copy->dwData == kHelpRequestTag && copy->cbData >= sizeof(HelpRequestRecord)) {
            const auto* bytes = static_cast<const char*>(copy->lpData);
            HelpRequestRecord record;
            std::memcpy(&record, bytes, sizeof record);
            Request request{record.command, static_cast<DWORD>(record.data), {}};
            if (record.fileNameOffset < copy->cbData) {
                const char* name = bytes + record.fileNameOffset;
                request.helpFile.assign(name, strnlen(name, copy->cbData - record.fileNameOffset));
            }
            self->requests_.push_back(request);
            return self->accept_ ? TRUE : FALSE;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tarvek::e2e
