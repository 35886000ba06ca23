#include "clipboard_writer.h"

#include <cstring>

#include "harness.h"

namespace tarvek::bench {
namespace {

constexpr DWORD kOpenTimeoutMs = 2000;

}  // namespace

bool WaitForClipboardFree(DWORD timeoutMs)
{
    return e2e::WaitUntil([] { return GetOpenClipboardWindow() == nullptr; }, timeoutMs);
}

bool PutClipboardText(HWND owner, std::string_view text)
{
    // Another program may still be closing it after the previous change.
    if (!OpenClipboard(owner) && !e2e::WaitUntil([owner] { return OpenClipboard(owner) != FALSE; }, kOpenTimeoutMs)) {
        return false;
    }
    EmptyClipboard();
    bool set = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
            std::memcpy(bytes, text.data(), text.size());
            bytes[text.size()] = '\0';
            GlobalUnlock(memory);
            set = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!set) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return set;
}

}  // namespace tarvek::bench
