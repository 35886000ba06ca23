#pragma once

// The clipboard as another program on the desktop uses it: putting data on
// it as a copy does, and watching it as a member of the viewer chain. Both
// windows are message-only: the clipboard and the chain take them, but no
// enumeration of top-level windows ever meets them.

#include <windows.h>

#include <string_view>

namespace tarvek::e2e {

// A global memory block holding exactly `bytes` (nothing is appended: a
// text's terminating zero must be part of them); null if allocation failed.
HGLOBAL GlobalBlock(std::string_view bytes);

class ClipboardWriter {
public:
    ClipboardWriter();
    ~ClipboardWriter();
    ClipboardWriter(const ClipboardWriter&) = delete;
    ClipboardWriter& operator=(const ClipboardWriter&) = delete;

    // Replaces the clipboard's contents with `data` in `format`; the
    // clipboard owns the block once this succeeds. Retries (handling this
    // thread's messages) while another program holds the clipboard open, up
    // to `timeoutMs`.
    bool Put(UINT format, HANDLE data, DWORD timeoutMs = 5000);

    // 8-bit text with its terminating zero, as CF_TEXT.
    bool PutText(std::string_view text, DWORD timeoutMs = 5000);

    HWND Window() const { return window_; }

private:
    HWND window_;
};

// Whether the clipboard can be opened now; closes it again at once.
bool ClipboardIsFree(HWND window);

// A viewer that joins the chain when it is made and behaves as a well-mannered
// viewer does: counts each change and passes it on, follows chain changes
// and leaves the chain when it goes. Changes are passed on without waiting
// for the next viewer, so a viewer further down that waits for the user does
// not hold this thread.
class ChainViewer {
public:
    ChainViewer();
    ~ChainViewer();
    ChainViewer(const ChainViewer&) = delete;
    ChainViewer& operator=(const ChainViewer&) = delete;

    void Leave();

    int Notifications() const { return notifications_; }
    HWND Window() const { return window_; }
    HWND Next() const { return next_; }

    // Waits (handling messages) until this viewer has heard `count` changes.
    bool WaitForNotifications(int count, DWORD timeoutMs = 5000) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    HWND next_ = nullptr;
    bool joined_ = false;
    int notifications_ = 0;
};

}  // namespace tarvek::e2e
