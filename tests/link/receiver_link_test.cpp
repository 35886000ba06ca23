#include "receiver_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "entry_parser.h"
#include "recorded_app_services.h"
#include "request_description.h"
#include "standin_process.h"
#include "system_code_page.h"

namespace tarvek {
namespace {

using testing::LogField;
using testing::RecordedMessageBoxes;
using testing::StandInProcess;
using testing::TemporaryLog;
using testing::UniqueName;

constexpr char kCallEntry[] =
    "KLINGENFUSS Radio Utility Guide\r\nFrequency: 4583.00 kHz [USB]\r\nCall: DDK2\r\n"
    "Station: Deutscher Wetterdienst Hamburg\r\nTX-Site: Pinneberg\r\nCountry: Germany\r\n"
    "Modulation: RTTY 50 Bd 450 Hz\r\n";
constexpr char kBasicEntry[] =
    "Klingenfuss Frequenzliste\nFrequenz: 6070.00 kHz\nStation: Radio Channel 292\n"
    "Sendeort: Rohrbach\nLand: Deutschland\n";
constexpr char kNoEntry[] = "Meeting notes, nothing to tune here.\nFrequency: 6070.00 kHz\n";

TuningRequest RequestFor(const std::string& text, TuningMode mode)
{
    return BuildTuningRequest(ParseEntry(text, SystemCodePage()).fields, mode);
}

std::vector<std::uint8_t> BytesOf(const TuningRequest& request)
{
    return {request.bytes.begin(), request.bytes.begin() + request.size};
}

// A top-level window of this process, hidden, that records every
// WM_COPYDATA it is sent and every probe message.
class ReceiverWindow {
public:
    struct Received {
        ULONG_PTR code;
        HWND sender;
        std::vector<std::uint8_t> bytes;
    };

    static constexpr UINT kProbe = WM_APP + 1;

    explicit ReceiverWindow(const std::string& title)
    {
        static const ATOM windowClass = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = Procedure;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "TarvekLinkTestReceiver";
            return RegisterClassA(&wc);
        }();
        window_ = CreateWindowExA(0, MAKEINTATOM(windowClass), title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                  100, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~ReceiverWindow()
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
    ReceiverWindow(const ReceiverWindow&) = delete;
    ReceiverWindow& operator=(const ReceiverWindow&) = delete;

    HWND Handle() const { return window_; }
    const std::vector<Received>& Requests() const { return requests_; }
    ULONGLONG ProbedAt() const { return probedAt_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<ReceiverWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            const auto* bytes = static_cast<const std::uint8_t*>(data->lpData);
            self->requests_.push_back({data->dwData, reinterpret_cast<HWND>(wParam),
                                       std::vector<std::uint8_t>(bytes, bytes + data->cbData)});
            return TRUE;
        }
        if (self && message == kProbe) {
            self->probedAt_ = GetTickCount64();
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::vector<Received> requests_;
    ULONGLONG probedAt_ = 0;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::ptrdiff_t EnumerationIndex(HWND window)
{
    const std::vector<HWND> windows = TopLevelWindows();
    return std::find(windows.begin(), windows.end(), window) - windows.begin();
}

class ReceiverLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordedMessageBoxes().clear();
        testing::SetMainWindow(mainWindow_.Handle());
    }
    void TearDown() override { testing::SetMainWindow(nullptr); }

    ReceiverWindow mainWindow_{"TARVEK-link-test-main"};
};

TEST_F(ReceiverLinkTest, FindsTheWindowWhoseTitleBeginsWithTheName)
{
    const std::string name = UniqueName("find");
    const ReceiverWindow other(name.substr(0, name.size() - 1));  // one byte short of the name
    const ReceiverWindow receiver("  " + name + " - Receiver Control");  // hidden and spaced
    ASSERT_TRUE(receiver.Handle());

    EXPECT_EQ(FindReceiverWindow(name), receiver.Handle());
    EXPECT_EQ(FindReceiverWindow(name + " - Receiver Control"), receiver.Handle());
    EXPECT_EQ(FindReceiverWindow(name + "!"), nullptr);
    EXPECT_EQ(FindReceiverWindow(" " + name), nullptr) << "a name that begins with a space";
    EXPECT_EQ(FindReceiverWindow(UniqueName("absent")), nullptr);
}

TEST_F(ReceiverLinkTest, EmptyNameFindsTheFirstWindowEnumerated)
{
    const ReceiverWindow receiver(UniqueName("empty"));
    EXPECT_EQ(FindReceiverWindow(""), TopLevelWindows().front());
}

TEST_F(ReceiverLinkTest, TheFirstOfTwoMatchingWindowsGetsTheRequestAndOnlyIt)
{
    const std::string name = UniqueName("two");
    const ReceiverWindow a(name + " A");
    const ReceiverWindow b(name + " B");
    const TuningRequest request = RequestFor(kCallEntry, TuneOnly);

    // Twice, with the other window brought to the front of the enumeration
    // the second time: the order the system gives decides, not creation.
    for (const ReceiverWindow* front : {&a, &b}) {
        SetWindowPos(front->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const ReceiverWindow* back = front == &a ? &b : &a;
        ASSERT_LT(EnumerationIndex(front->Handle()), EnumerationIndex(back->Handle()));
        const std::size_t frontBefore = front->Requests().size();
        const std::size_t backBefore = back->Requests().size();

        EXPECT_EQ(SendToReceiver(request, name), Delivery::Delivered);
        EXPECT_EQ(front->Requests().size(), frontBefore + 1);
        EXPECT_EQ(back->Requests().size(), backBefore);
    }
}

struct EntryCase {
    const char* label;
    const char* text;
    TuningMode mode;
    std::uint32_t code;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.label; }

const EntryCase kEntries[] = {
    {"call sign, tune only", kCallEntry, TuneOnly, 1003},
    {"call sign, station file", kCallEntry, TuneAndStation, 2003},
    {"no call sign, tune only", kBasicEntry, TuneOnly, 1002},
    {"no call sign, other nonzero mode", kBasicEntry, 5, 2002},
};

class DeliveredRecordTest : public ReceiverLinkTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(DeliveredRecordTest, ArrivesExactlyAsBuiltWithTheMainWindowAsSender)
{
    const std::string name = UniqueName("record");
    const ReceiverWindow receiver(name + " - rx");

    HandleClipboardText(GetParam().text, name, GetParam().mode);

    ASSERT_EQ(receiver.Requests().size(), 1u);
    const ReceiverWindow::Received& got = receiver.Requests()[0];
    const TuningRequest expected = RequestFor(GetParam().text, GetParam().mode);
    EXPECT_EQ(got.code, GetParam().code);
    EXPECT_EQ(got.bytes, BytesOf(expected));
    EXPECT_EQ(got.sender, mainWindow_.Handle());
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, DeliveredRecordTest, ::testing::ValuesIn(kEntries));

TEST_F(ReceiverLinkTest, ANameThatFitsTheOwnMainWindowSendsToItWithoutABox)
{
    HandleClipboardText(kCallEntry, "TARVEK-link-test-main", TuneOnly);

    ASSERT_EQ(mainWindow_.Requests().size(), 1u);
    EXPECT_EQ(mainWindow_.Requests()[0].sender, mainWindow_.Handle());
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST_F(ReceiverLinkTest, NoReceiverShowsTheNotActiveBox)
{
    const std::string name = UniqueName("absent");
    HandleClipboardText(kCallEntry, name, TuneOnly);

    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, name + " is not active!");
    EXPECT_EQ(RecordedMessageBoxes()[0].type, UINT{MB_OK | MB_ICONEXCLAMATION});
}

TEST_F(ReceiverLinkTest, TextWithoutAnEntrySendsAndShowsNothing)
{
    const std::string name = UniqueName("noentry");
    const ReceiverWindow receiver(name);
    HandleClipboardText(kNoEntry, name, TuneOnly);
    HandleClipboardText(kNoEntry, UniqueName("absent"), TuneOnly);
    HandleClipboardText("", name, TuneOnly);

    EXPECT_TRUE(receiver.Requests().empty());
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST_F(ReceiverLinkTest, TheSameEntryTwiceIsSentTwice)
{
    const std::string name = UniqueName("twice");
    const ReceiverWindow receiver(name);
    HandleClipboardText(kBasicEntry, name, TuneOnly);
    HandleClipboardText(kBasicEntry, name, TuneOnly);

    ASSERT_EQ(receiver.Requests().size(), 2u);
    EXPECT_EQ(receiver.Requests()[0].bytes, receiver.Requests()[1].bytes);
}

// Sends that fail as the system may make them fail, played through the
// send seam. Plain function pointers, so the scripted result is global.
SendResult scriptedResult;
HWND scriptedReceiverSeen = nullptr;
COPYDATASTRUCT scriptedDataSeen{};

SendResult ScriptedSend(HWND receiver, HWND, COPYDATASTRUCT& data)
{
    scriptedReceiverSeen = receiver;
    scriptedDataSeen = data;
    return scriptedResult;
}

struct OutcomeCase {
    const char* label;
    SendResult result;
    Delivery delivery;
    bool refusalBox;
    bool notActiveBox;
};

void PrintTo(const OutcomeCase& c, std::ostream* out) { *out << c.label; }

class SendOutcomeTest : public ReceiverLinkTest, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(SendOutcomeTest, DecidesDeliveryAndTheBox)
{
    const std::string name = UniqueName("outcome");
    const ReceiverWindow receiver(name);
    scriptedResult = GetParam().result;
    scriptedReceiverSeen = nullptr;

    const TuningRequest request = RequestFor(kCallEntry, TuneAndStation);
    EXPECT_EQ(SendToReceiver(request, name, ScriptedSend), GetParam().delivery);
    EXPECT_EQ(scriptedReceiverSeen, receiver.Handle());
    EXPECT_EQ(scriptedDataSeen.dwData, ULONG_PTR{2003});
    EXPECT_EQ(scriptedDataSeen.cbData, DWORD{260});
    EXPECT_EQ(scriptedDataSeen.lpData, request.data());

    HandleClipboardText(kCallEntry, name, TuneAndStation, ScriptedSend);
    std::vector<std::string> expectedBoxes;
    if (GetParam().refusalBox)
        expectedBoxes.push_back(RefusedMessage(name));
    if (GetParam().notActiveBox)
        expectedBoxes.push_back(name + " is not active!");
    ASSERT_EQ(RecordedMessageBoxes().size(), expectedBoxes.size());
    for (std::size_t i = 0; i < expectedBoxes.size(); ++i) {
        EXPECT_EQ(RecordedMessageBoxes()[i].text, expectedBoxes[i]);
        EXPECT_EQ(RecordedMessageBoxes()[i].type, UINT{MB_OK | MB_ICONEXCLAMATION});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SendOutcomeTest,
    ::testing::Values(
        OutcomeCase{"answered", {true, ERROR_SUCCESS}, Delivery::Delivered, false, false},
        OutcomeCase{"timed out", {false, ERROR_TIMEOUT}, Delivery::Delivered, false, false},
        OutcomeCase{"timed out without error code", {false, ERROR_SUCCESS}, Delivery::Delivered, false, false},
        OutcomeCase{"refused by the system", {false, ERROR_ACCESS_DENIED}, Delivery::Refused, true, false},
        OutcomeCase{"window gone", {false, ERROR_INVALID_WINDOW_HANDLE}, Delivery::Delivered, false, false}));

// Access denied from a receiver whose window is gone is no refusal: Wine
// reports it so when the receiver dies while handling the request.
SendResult CloseThenDeny(HWND receiver, HWND, COPYDATASTRUCT&)
{
    DestroyWindow(receiver);
    return {false, ERROR_ACCESS_DENIED};
}

TEST_F(ReceiverLinkTest, AccessDeniedByAReceiverThatIsGoneIsNoRefusal)
{
    const std::string name = UniqueName("gone");
    const ReceiverWindow receiver(name);
    EXPECT_EQ(SendToReceiver(RequestFor(kCallEntry, TuneOnly), name, CloseThenDeny), Delivery::Delivered);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST_F(ReceiverLinkTest, RefusalBoxNamesTheReceiverAndTheRemedy)
{
    const std::string text = RefusedMessage("ORMELIN");
    EXPECT_EQ(text.rfind("ORMELIN was found but refused the request", 0), 0u) << text;
    EXPECT_NE(text.find("same rights"), std::string::npos) << text;
}

SendResult CloseThenSend(HWND receiver, HWND sender, COPYDATASTRUCT& data)
{
    DestroyWindow(receiver);
    return SendCopyDataBounded(receiver, sender, data);
}

// The request is put to a window that no longer exists; as with any send
// whose answer is not examined, TARVEK goes on without a box.
TEST_F(ReceiverLinkTest, WindowClosedBetweenLookupAndSendIsPassedOver)
{
    const std::string name = UniqueName("closing");
    const ReceiverWindow receiver(name);
    HandleClipboardText(kBasicEntry, name, TuneOnly, CloseThenSend);

    EXPECT_FALSE(IsWindow(receiver.Handle()));
    EXPECT_TRUE(receiver.Requests().empty());
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

// The stand-in, another process: what TARVEK sends crosses the process
// boundary byte for byte.
TEST_F(ReceiverLinkTest, StandInReceivesEveryRequestByteForByte)
{
    const std::string name = UniqueName("standin");
    TemporaryLog log;
    StandInProcess standIn(name + " - receiver stand-in", {"--log", log.Path()});
    ASSERT_TRUE(standIn.Window());

    for (const EntryCase& entry : kEntries)
        HandleClipboardText(entry.text, name, entry.mode);
    HandleClipboardText(kNoEntry, name, TuneOnly);
    EXPECT_TRUE(RecordedMessageBoxes().empty());

    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), std::size(kEntries));
    char sender[32];
    std::snprintf(sender, sizeof sender, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(mainWindow_.Handle())));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(kEntries[i].label);
        const TuningRequest expected = RequestFor(kEntries[i].text, kEntries[i].mode);
        EXPECT_EQ(LogField(lines[i], "code"), std::to_string(kEntries[i].code));
        EXPECT_EQ(LogField(lines[i], "size"), std::to_string(expected.size));
        EXPECT_EQ(LogField(lines[i], "sender"), sender);
        EXPECT_EQ(LogField(lines[i], "hex"), HexBytes(expected.bytes.data(), expected.size));
    }
    // Read independently of the builder: 4583000 Hz little-endian, the call
    // sign at offset 54 of the call record.
    EXPECT_EQ(LogField(lines[0], "hex").substr(0, 8), "58ee4500");
    EXPECT_EQ(LogField(lines[0], "hex").substr(2 * 54, 10), "44444b3200");
    EXPECT_EQ(LogField(lines[0], "frequency"), "4583000");
    EXPECT_EQ(LogField(lines[0], "call"), "\"DDK2\"");
}

TEST_F(ReceiverLinkTest, StandInLogsRequestsOfUnexpectedSize)
{
    const std::string title = UniqueName("odd");
    TemporaryLog log;
    StandInProcess standIn(title, {"--log", log.Path()});
    ASSERT_TRUE(standIn.Window());

    char seven[7] = {'1', '2', '3', '4', '5', '6', '7'};
    COPYDATASTRUCT shortRecord{1002, sizeof seven, seven};
    COPYDATASTRUCT empty{2003, 0, nullptr};
    EXPECT_TRUE(SendCopyDataBounded(standIn.Window(), nullptr, shortRecord).answered);
    EXPECT_TRUE(SendCopyDataBounded(standIn.Window(), nullptr, empty).answered);

    const std::vector<std::string> lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "code=1002 size=7 sender=0x0 layout=unexpected hex=31323334353637");
    EXPECT_EQ(lines[1], "code=2003 size=0 sender=0x0 layout=unexpected hex=");
}

TEST_F(ReceiverLinkTest, StandInAnswersAfterItsDelayAndExitsAfterItsCount)
{
    constexpr DWORD kDelayMs = 600;
    const std::string name = UniqueName("slow");
    TemporaryLog log;
    StandInProcess standIn(name, {"--log", log.Path(), "--delay", std::to_string(kDelayMs), "--exit-after", "2"});
    ASSERT_TRUE(standIn.Window());

    const TuningRequest request = RequestFor(kBasicEntry, TuneOnly);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(SendToReceiver(request, name), Delivery::Delivered);
    EXPECT_GE(GetTickCount64() - start, kDelayMs - 50) << "the send waits for the answer";
    EXPECT_FALSE(standIn.Ended(200));

    EXPECT_EQ(SendToReceiver(request, name), Delivery::Delivered);
    EXPECT_TRUE(standIn.Ended(10000));
    EXPECT_EQ(log.Lines().size(), 2u);
}

// A receiver that stops answering holds the send only for the bound, and
// while this thread waits it still handles what other threads send it (the
// clipboard viewer chain relies on that).
TEST_F(ReceiverLinkTest, HungReceiverIsGivenUpAfterTheBound)
{
    const std::string name = UniqueName("hung");
    TemporaryLog log;
    StandInProcess hung(name + " - hung", {"--log", log.Path(), "--hang"});
    ASSERT_TRUE(hung.Window());
    const TuningRequest request = RequestFor(kCallEntry, TuneOnly);

    std::atomic<bool> probeAnswered{false};
    std::thread prober([&] {
        Sleep(500);
        DWORD_PTR result = 0;
        probeAnswered = SendMessageTimeoutA(mainWindow_.Handle(), ReceiverWindow::kProbe, 0, 0, SMTO_NORMAL,
                                            3000, &result) != 0;
    });
    const ULONGLONG start = GetTickCount64();
    const Delivery delivery = SendToReceiver(request, name);
    const ULONGLONG returned = GetTickCount64();
    prober.join();

    EXPECT_EQ(delivery, Delivery::Delivered);
    EXPECT_LE(returned - start, kSendTimeoutMs + 2000);
    EXPECT_EQ(log.Lines().size(), 1u) << "the hung receiver did get the request";
    EXPECT_TRUE(probeAnswered);
    EXPECT_NE(mainWindow_.ProbedAt(), 0u);
    EXPECT_LT(mainWindow_.ProbedAt(), returned) << "the probe was handled during the send";

    // Still hung: the next entry is bounded too, and shows no box.
    const ULONGLONG again = GetTickCount64();
    HandleClipboardText(kCallEntry, name, TuneOnly);
    EXPECT_LE(GetTickCount64() - again, kSendTimeoutMs + 2000);
    EXPECT_TRUE(RecordedMessageBoxes().empty());

    // A healthy receiver gets the next one.
    const std::string healthyName = UniqueName("healthy");
    const ReceiverWindow healthy(healthyName);
    HandleClipboardText(kCallEntry, healthyName, TuneOnly);
    EXPECT_EQ(healthy.Requests().size(), 1u);
}

SendResult lastRealSend;

SendResult RecordingSend(HWND receiver, HWND sender, COPYDATASTRUCT& data)
{
    lastRealSend = SendCopyDataBounded(receiver, sender, data);
    return lastRealSend;
}

// A receiver that dies while handling the request: it did get it, so no
// box; TARVEK goes on at once and the next entry reaches a healthy receiver.
TEST_F(ReceiverLinkTest, ReceiverThatDiesInItsHandlerCountsAsDelivered)
{
    const std::string name = UniqueName("dying");
    TemporaryLog log;
    StandInProcess dying(name, {"--log", log.Path(), "--die-in-handler"});
    ASSERT_TRUE(dying.Window());

    const ULONGLONG start = GetTickCount64();
    HandleClipboardText(kBasicEntry, name, TuneOnly, RecordingSend);
    EXPECT_LE(GetTickCount64() - start, kSendTimeoutMs + 2000);
    EXPECT_TRUE(dying.Ended(5000));
    EXPECT_EQ(log.Lines().size(), 1u);
    EXPECT_FALSE(lastRealSend.answered);
    EXPECT_TRUE(RecordedMessageBoxes().empty()) << "send failed with error " << lastRealSend.error;

    const ReceiverWindow healthy(name + " again");
    HandleClipboardText(kBasicEntry, name, TuneOnly);
    EXPECT_EQ(healthy.Requests().size(), 1u);
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

}  // namespace
}  // namespace tarvek
