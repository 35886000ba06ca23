#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tuning_request.h"

namespace tarvek {

// Runs one clipboard text through the whole chain: parse it, build the
// request for `mode`, deliver it to the receiver control program whose
// window title begins with `programName`, and tell the user when there is no
// such window. Texts that are no database entry are ignored.
void HandleClipboardText(std::string_view text, const std::string& programName, TuningMode mode);

enum class Delivery {
    Delivered,  // sent (also when the receiver did not answer in time)
    NotFound,   // no window title begins with the name
    Refused,    // the system would not let the message through
};

Delivery SendToReceiver(const TuningRequest& request, const std::string& programName);

// The first top-level window, in enumeration order, whose title matches.
HWND FindReceiverWindow(const std::string& programName);

}  // namespace tarvek
