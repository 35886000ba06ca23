#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tarvek::e2e {

// The line the receiver stand-in logs for the request TARVEK builds from
// `text` in `mode`, sent by the dialog `sender`: what a test expects to find.
std::string ExpectedStandInLine(std::string_view text, int mode, HWND sender);

}  // namespace tarvek::e2e
