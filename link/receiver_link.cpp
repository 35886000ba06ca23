#include "receiver_link.h"

#include "app_services.h"
#include "entry_parser.h"
#include "system_code_page.h"
#include "title_matches.h"

namespace tarvek {

namespace {

// GetWindowTextA reads at most 511 characters and a terminating zero.
constexpr int kTitleBuffer = 512;

struct WindowSearch {
    const std::string* name;
    HWND found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    char title[kTitleBuffer] = {};
    GetWindowTextA(window, title, kTitleBuffer);
    if (!TitleMatches(title, *search.name))
        return TRUE;
    search.found = window;
    return FALSE;
}

Delivery OutcomeOf(HWND receiver, const SendResult& result)
{
    // Access is denied both when the system keeps the message from a receiver
    // with higher rights and (under Wine) when the receiver dies while
    // handling it. Only a receiver still there has refused.
    if (!result.answered && result.error == ERROR_ACCESS_DENIED && IsWindow(receiver))
        return Delivery::Refused;
    // Otherwise the request was put to the receiver: answered, timed out
    // (ERROR_TIMEOUT, or no error code on older systems), or the receiver
    // went away meanwhile. Its answer is never examined.
    return Delivery::Delivered;
}

}  // namespace

SendResult SendCopyDataBounded(HWND receiver, HWND sender, COPYDATASTRUCT& data)
{
    // SMTO_NORMAL, not SMTO_BLOCK: while waiting, this thread still handles
    // messages sent to it, so the clipboard viewer chain keeps working.
    DWORD_PTR ignored = 0;
    SetLastError(ERROR_SUCCESS);
    const LRESULT sent = SendMessageTimeoutA(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                                             reinterpret_cast<LPARAM>(&data),
                                             SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    return {sent != 0, sent != 0 ? ERROR_SUCCESS : GetLastError()};
}

HWND FindReceiverWindow(const std::string& programName)
{
    WindowSearch search{&programName, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Delivery SendToReceiver(const TuningRequest& request, const std::string& programName,
                        CopyDataSender send)
{
    const HWND receiver = FindReceiverWindow(programName);
    if (!receiver)
        return Delivery::NotFound;

    // The receiver gets its own copy of the record; nothing writes through
    // lpData, which the structure merely declares non-const.
    COPYDATASTRUCT data{};
    data.dwData = request.code;
    data.cbData = request.size;
    data.lpData = const_cast<void*>(request.data());
    return OutcomeOf(receiver, send(receiver, AppMainWindow(), data));
}

std::string RefusedMessage(const std::string& programName)
{
    return programName +
           " was found but refused the request: it runs with higher rights than this program, "
           "so Windows does not let the request through.\n\n"
           "Start both programs with the same rights (both as administrator, or neither).";
}

void HandleClipboardText(std::string_view text, const std::string& programName, TuningMode mode,
                         CopyDataSender send)
{
    const ParsedEntry parsed = ParseEntry(text, SystemCodePage());
    if (!parsed.isEntry)
        return;

    const TuningRequest request = BuildTuningRequest(parsed.fields, mode);
    switch (SendToReceiver(request, programName, send)) {
    case Delivery::Delivered:
        break;
    case Delivery::NotFound:
        AppMessageBox(programName + " is not active!", MB_OK | MB_ICONEXCLAMATION);
        break;
    case Delivery::Refused:
        AppMessageBox(RefusedMessage(programName), MB_OK | MB_ICONEXCLAMATION);
        break;
    }
}

}  // namespace tarvek
