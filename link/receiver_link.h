#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tuning_request.h"

namespace tarvek {

// How long TARVEK waits for the receiver control program to handle one
// request. The clipboard stays open during the wait, so a receiver that has
// stopped answering must not hold the whole desktop's clipboard for longer.
inline constexpr UINT kSendTimeoutMs = 5000;

// What became of one WM_COPYDATA send: whether the receiver handled it, and
// otherwise GetLastError() of the failed call.
struct SendResult {
    bool answered = false;
    DWORD error = ERROR_SUCCESS;
};

// Puts a request into the receiver's window. Replaceable so that tests can
// play a system that behaves as Wine never does (one that refuses the send).
using CopyDataSender = SendResult (*)(HWND receiver, HWND sender, COPYDATASTRUCT& data);

// The real send: WM_COPYDATA with SendMessageTimeoutA, bounded by
// kSendTimeoutMs, returning at once when the receiver is known to hang.
// While it waits, messages that other programs send to this thread (such as
// the clipboard chain's) are still handled.
SendResult SendCopyDataBounded(HWND receiver, HWND sender, COPYDATASTRUCT& data);

enum class Delivery {
    Delivered,  // sent (also when the receiver did not answer in time or went away)
    NotFound,   // no window title begins with the name
    Refused,    // the system would not let the message through to a running receiver
};

// Runs one clipboard text through the whole chain: parse it, build the
// request for `mode`, deliver it to the receiver control program whose
// window title begins with `programName`, and tell the user when there is no
// such window or the system refused to deliver. Texts that are no database
// entry are ignored.
void HandleClipboardText(std::string_view text, const std::string& programName, TuningMode mode,
                         CopyDataSender send = SendCopyDataBounded);

// Finds the receiver's window and sends it the request, with the
// application's main window as the sender.
Delivery SendToReceiver(const TuningRequest& request, const std::string& programName,
                        CopyDataSender send = SendCopyDataBounded);

// The first top-level window, in enumeration order, whose title matches.
HWND FindReceiverWindow(const std::string& programName);

// The text of the box shown when the system refused the request.
std::string RefusedMessage(const std::string& programName);

}  // namespace tarvek
