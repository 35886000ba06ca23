#pragma once

// The road of one copied entry: a TARVEK copy on the clipboard viewer chain,
// a viewer of the test's own behind it, and receiver stand-ins.

#include <memory>
#include <string>
#include <string_view>

#include "clipboard_chain.h"
#include "receiver_standin.h"
#include "tarvek_fixture.h"

namespace tarvek::e2e {

// An entry with a call sign and one without (German labels).
inline constexpr char kCallEntry[] =
    "KLINGENFUSS Radio Utility Guide\r\nFrequency: 4583.00 kHz [USB]\r\nCall: DDK2\r\n"
    "Station: Deutscher Wetterdienst Hamburg\r\nTX-Site: Pinneberg\r\nCountry: Germany\r\n"
    "Modulation: RTTY 50 Bd 450 Hz\r\n";
inline constexpr char kBasicEntry[] =
    "Klingenfuss Frequenzliste\r\nFrequenz: 6070.00 kHz\r\nStation: Radio Channel 292\r\n"
    "Sendeort: Rohrbach\r\nLand: Deutschland\r\n";
inline constexpr char kNoEntry[] = "Meeting notes, nothing to tune here.\r\nFrequency: 6070.00 kHz\r\nCall: DDK2\r\n";

class ClipboardRoadTest : public TarvekTest {
protected:
    static constexpr int kNameBox = 1003;
    static constexpr int kTuneOnlyButton = 1001;
    static constexpr int kTuneAndStationButton = 1002;
    static constexpr int kAboutCommand = 16;

    // Starts TARVEK as `baseName` with the receiver name and mode in its
    // settings, after `downstream_` has joined the chain: TARVEK is then the
    // first viewer and `downstream_` its next, which hears of each change
    // only once TARVEK is done with it.
    void StartTarvek(const std::string& baseName, const std::string& receiverName, int mode = 0);

    // Copies `text` (CF_TEXT) and waits until TARVEK has passed the change on.
    testing::AssertionResult Copy(std::string_view text);
    // Puts `data` on the clipboard and waits until TARVEK has passed it on.
    testing::AssertionResult CopyData(UINT format, HANDLE data);
    // Waits until `downstream_` has heard `count` changes in all.
    testing::AssertionResult PassedOn(int count, DWORD timeoutMs = kDefaultWaitMs);

    // The stand-in's log line for the request TARVEK builds from `text` in
    // `mode`: every byte of the record, in hex, and the sender.
    std::string ExpectedLine(std::string_view text, int mode) const;

    // Types `name` into the name box, as the user does.
    void SetProgramName(const std::string& name);
    // Clicks a mode button and waits until it shows checked.
    void ClickMode(int mode);

    // Raises `window` to the top of the window order without activating it.
    static void Raise(HWND window);

    // Ends TARVEK as Enter does (it leaves the chain), then the viewer.
    void TearDown() override;

    ClipboardWriter writer_;
    std::unique_ptr<ChainViewer> downstream_;
    TarvekRun run_;
};

}  // namespace tarvek::e2e
