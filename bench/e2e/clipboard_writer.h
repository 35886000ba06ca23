#pragma once

#include <windows.h>

#include <string_view>

namespace tarvek::bench {

// Waits, handling this thread's messages, until no program holds the
// clipboard open; returns whether that happened within `timeoutMs`.
bool WaitForClipboardFree(DWORD timeoutMs);

// Puts `text` on the clipboard as CF_TEXT, the way any program copies text:
// open, empty, set, close. Closing it is what tells the viewers.
bool PutClipboardText(HWND owner, std::string_view text);

}  // namespace tarvek::bench
