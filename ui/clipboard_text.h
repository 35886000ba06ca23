#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace tarvek {

// The text of a clipboard block: its bytes up to the first zero, and never
// more than `size` bytes, for another program wrote the block and a missing
// terminator must not send the copy past its end.
std::string TextUpToZero(const char* bytes, std::size_t size);

// A copy of the CF_TEXT block `data`, bounded by the block's own size; empty
// when the block cannot be locked.
std::string CopyClipboardText(HANDLE data);

}  // namespace tarvek
