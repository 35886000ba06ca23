#include "clipboard_chain.h"

#include <cstring>

#include "harness.h"

namespace tarvek::e2e {
namespace {

HWND MessageOnlyWindow(const char* className, WNDPROC procedure, void* self)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    return CreateWindowExA(0, className, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), self);
}

}  // namespace

HGLOBAL GlobalBlock(std::string_view bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) {
        return nullptr;
    }
    if (void* memory = GlobalLock(block)) {
        std::memcpy(memory, bytes.data(), bytes.size());
        GlobalUnlock(block);
        return block;
    }
    GlobalFree(block);
    return nullptr;
}

ClipboardWriter::ClipboardWriter() : window_(MessageOnlyWindow("TarvekTestClipboardWriter", DefWindowProcA, nullptr))
{
}

ClipboardWriter::~ClipboardWriter()
{
    DestroyWindow(window_);
}

bool ClipboardWriter::Put(UINT format, HANDLE data, DWORD timeoutMs)
{
    if (!data || !WaitUntil([this] { return OpenClipboard(window_) != FALSE; }, timeoutMs)) {
        if (data) {
            GlobalFree(data);
        }
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(format, data) != nullptr;
    if (!placed) {
        GlobalFree(data);
    }
    CloseClipboard();
    return placed;
}

bool ClipboardWriter::PutText(std::string_view text, DWORD timeoutMs)
{
    std::string withZero(text);
    withZero.push_back('\0');
    return Put(CF_TEXT, GlobalBlock(withZero), timeoutMs);
}

bool ClipboardIsFree(HWND window)
{
    if (!OpenClipboard(window)) {
        return false;
    }
    CloseClipboard();
    return true;
}

ChainViewer::ChainViewer() : window_(MessageOnlyWindow("TarvekTestChainViewer", &ChainViewer::Procedure, this))
{
    // Joining notifies this viewer once at once; that is no change.
    next_ = SetClipboardViewer(window_);
    joined_ = true;
    notifications_ = 0;
}

ChainViewer::~ChainViewer()
{
    Leave();
    DestroyWindow(window_);
}

void ChainViewer::Leave()
{
    if (joined_) {
        joined_ = false;
        ChangeClipboardChain(window_, next_);
    }
}

bool ChainViewer::WaitForNotifications(int count, DWORD timeoutMs) const
{
    return WaitUntil([&] { return notifications_ >= count; }, timeoutMs);
}

LRESULT CALLBACK ChainViewer::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<ChainViewer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_DRAWCLIPBOARD) {
        ++self->notifications_;
        if (self->next_) {
            SendNotifyMessageA(self->next_, WM_DRAWCLIPBOARD, wParam, lParam);
        }
        return 0;
    }
    if (self && message == WM_CHANGECBCHAIN) {
        const auto removed = reinterpret_cast<HWND>(wParam);
        if (removed == self->next_) {
            self->next_ = reinterpret_cast<HWND>(lParam);
        } else if (self->next_) {
            SendMessageA(self->next_, WM_CHANGECBCHAIN, wParam, lParam);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tarvek::e2e
