// Whatever another program puts on the clipboard, however the receiver and
// the other viewers behave: TARVEK sends the right request or none, never
// holds the clipboard beyond its bound, passes every change on, and the next
// copy works.
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "entry_parser.h"
#include "expected_request.h"
#include "fault_helpers.h"
#include "receiver_link.h"
#include "request_description.h"
#include "road_fixture.h"
#include "slow_viewer.h"
#include "system_code_page.h"
#include "tuning_request.h"

namespace tarvek::e2e {
namespace {

using Lines = std::vector<std::string>;
constexpr std::size_t k64MiB = std::size_t{64} << 20;
constexpr DWORD kBoundWithMarginMs = kSendTimeoutMs + 3000;

bool IsEntry(std::string_view text)
{
    return ParseEntry(text, SystemCodePage()).isEntry;
}

std::string Filler(std::size_t size)
{
    const std::string line = "Nothing to tune in this line of a very long clipboard text.\r\n";
    std::string text;
    text.reserve(size + line.size());
    while (text.size() < size) {
        text += line;
    }
    text.resize(size);
    return text;
}

std::string WithZero(std::string text)
{
    text.push_back('\0');
    return text;
}

// The 8-bit text the system makes of Unicode text for programs asking for
// CF_TEXT.
std::string AnsiOf(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.find('\0'));
    return ansi;
}

HGLOBAL UnicodeBlock(const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    return GlobalBlock({reinterpret_cast<const char*>(text.c_str()), bytes});
}

const std::wstring kUnicodeEntry =
    L"KLINGENFUSS Radio Utility Guide\r\nFrequency: 6070.00 kHz\r\nCall: \u00d6E1XYZ\r\n"
    L"Station: \u00d6sterreichischer Rundfunk \u0141\u00f3d\u017a \u65e5\u672c\r\nCountry: \u00d6sterreich\r\n";

// One kind of clipboard contents: how to make the block, and the text TARVEK
// must read from it (its request is built from that text, or there is none
// when the text is no entry).
struct Contents {
    const char* name;
    UINT format;
    std::function<HANDLE()> block;
    std::function<std::string()> readAs;
    bool isEntry;  // whether that text is an entry, so a request must arrive
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const Contents& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<Contents> ContentsCases()
{
    return {
        {"Text64MiBEntryAtTheEnd", CF_TEXT, [] { return GlobalBlock(WithZero(Filler(k64MiB) + kCallEntry)); },
         [] { return Filler(k64MiB) + kCallEntry; }, true},
        {"Text64MiBEntryAtTheStart", CF_TEXT, [] { return GlobalBlock(WithZero(kCallEntry + Filler(k64MiB))); },
         [] { return kCallEntry + Filler(k64MiB); }, true},
        {"Text64MiBWithoutEntry", CF_TEXT, [] { return GlobalBlock(WithZero(Filler(k64MiB))); },
         [] { return Filler(k64MiB); }, false},
        {"ZeroInsideTheEntryEndsTheText", CF_TEXT,
         [] {
             std::string text = kCallEntry;
             text.insert(text.find("Call:"), 1, '\0');
             return GlobalBlock(WithZero(text));
         },
         [] {
             const std::string text = kCallEntry;
             return text.substr(0, text.find("Call:"));
         },
         true},
        {"ZeroBeforeTheKeywordHidesTheEntry", CF_TEXT,
         [] { return GlobalBlock(WithZero(std::string("junk\0", 5) + kCallEntry)); }, [] { return "junk"; }, false},
        {"BinaryBytesInsideTheValues", CF_TEXT,
         [] {
             return GlobalBlock(WithZero("KLINGENFUSS\x01\x02\x7f\r\nFrequency: 4583.00 kHz\x80\x9d\r\nCall: D\x1b"
                                         "K2\xff\r\nStation: \x81\x8d\x8f\x90\xa0\xfe\t\b\r\nCountry: \x85\x96\r\n"));
         },
         [] {
             return "KLINGENFUSS\x01\x02\x7f\r\nFrequency: 4583.00 kHz\x80\x9d\r\nCall: D\x1b"
                    "K2\xff\r\nStation: \x81\x8d\x8f\x90\xa0\xfe\t\b\r\nCountry: \x85\x96\r\n";
         },
         true},
        {"OnlyUnicodeTextTheSystemConverts", CF_UNICODETEXT, [] { return UnicodeBlock(kUnicodeEntry); },
         [] { return AnsiOf(kUnicodeEntry); }, true},
    };
}

class ClipboardContentsFault : public ClipboardRoadTest, public testing::WithParamInterface<Contents> {};

TEST_P(ClipboardContentsFault, RightRequestOrNoneClipboardFreeAndTheNextCopyWorks)
{
    const Contents& c = GetParam();
    const std::string name = UniqueName("RXCONT");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVFC" + std::string(c.name).substr(0, 12), name);
    ASSERT_NE(run_.dialog, nullptr);

    const std::string readAs = c.readAs();
    ASSERT_EQ(IsEntry(readAs), c.isEntry) << "the case does not hold what it is meant to";
    const Lines expected = c.isEntry ? Lines{ExpectedLine(readAs, 0)} : Lines{};
    const int heard = downstream_->Notifications();
    ASSERT_TRUE(writer_.Put(c.format, c.block()));
    ASSERT_TRUE(PassedOn(heard + 1, 30000));
    EXPECT_EQ(receiver.Log(), expected);
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));
    EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog}) << "a box came up";

    ASSERT_TRUE(Copy(kBasicEntry));
    Lines afterwards = expected;
    afterwards.push_back(ExpectedLine(kBasicEntry, 0));
    EXPECT_EQ(receiver.Log(), afterwards);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClipboardContentsFault, testing::ValuesIn(ContentsCases()),
                         [](const testing::TestParamInfo<Contents>& info) { return std::string(info.param.name); });

// A receiver that misbehaves while TARVEK delivers to it. The first entry
// reaches it byte for byte before it misbehaves; TARVEK passes the change on
// within its bound; a second entry meets what the receiver has become; once
// the user has replaced it with a healthy one, the next entry arrives.
enum class SecondCopy {
    Delivered,  // the receiver is still there and answers again
    Unanswered, // the receiver is still there but never answers
    NotActive,  // the receiver's window is gone: the user is told
};

struct ReceiverFault {
    const char* name;
    const char* arguments;
    SecondCopy second;
};

void PrintTo(const ReceiverFault& c, std::ostream* out)
{
    *out << c.name;
}

class ReceiverFaults : public ClipboardRoadTest, public testing::WithParamInterface<ReceiverFault> {};

TEST_P(ReceiverFaults, TarvekRecoversWithinTheBoundAndTheNextEntryReachesAHealthyReceiver)
{
    const ReceiverFault& c = GetParam();
    const std::string name = UniqueName("RXFAULT");
    auto faulty = std::make_unique<ReceiverStandIn>(name + " - faulty", c.arguments);
    ASSERT_NE(faulty->Window(), nullptr);
    StartTarvek(std::string("TVRF") + c.name, name);
    ASSERT_NE(run_.dialog, nullptr);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    ASSERT_TRUE(PassedOn(1, kBoundWithMarginMs));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("first_change_passed_on_ms", std::to_string(elapsed));
    EXPECT_LE(elapsed, static_cast<long long>(kSendTimeoutMs) + 1500);
    EXPECT_EQ(faulty->Log(), Lines{ExpectedLine(kCallEntry, 0)});
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));
    EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog});

    // The receiver may need a moment to close or die after its first request.
    if (c.second == SecondCopy::NotActive) {
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(faulty->Window()); }));
    }
    ASSERT_TRUE(writer_.PutText(kBasicEntry));
    switch (c.second) {
    case SecondCopy::Delivered:
        ASSERT_TRUE(PassedOn(2, kBoundWithMarginMs));
        EXPECT_EQ(faulty->Log(), (Lines{ExpectedLine(kCallEntry, 0), ExpectedLine(kBasicEntry, 0)}));
        break;
    case SecondCopy::Unanswered:
        ASSERT_TRUE(PassedOn(2, kBoundWithMarginMs));
        EXPECT_EQ(faulty->Log(), Lines{ExpectedLine(kCallEntry, 0)});
        EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog});
        break;
    case SecondCopy::NotActive: {
        const HWND box = WaitForDialog(run_.Pid(), run_.Name());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(ReadMessageBox(box).text, name + " is not active!");
        EXPECT_FALSE(ClipboardIsFree(writer_.Window()));
        PressButton(box, IDOK);
        ASSERT_TRUE(PassedOn(2));
        break;
    }
    }
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));

    faulty.reset();
    ReceiverStandIn healthy(name + " - healthy");
    ASSERT_NE(healthy.Window(), nullptr);
    ASSERT_TRUE(Copy(kCallEntry));
    EXPECT_EQ(healthy.Log(), Lines{ExpectedLine(kCallEntry, 0)});
    EXPECT_EQ(downstream_->Notifications(), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReceiverFaults,
                         testing::Values(ReceiverFault{"SLOW", "--delay 2500", SecondCopy::Delivered},
                                         ReceiverFault{"HANGS", "--hang", SecondCopy::Unanswered},
                                         ReceiverFault{"CLOSES", "--exit-after 1", SecondCopy::NotActive},
                                         ReceiverFault{"DIES", "--die-in-handler", SecondCopy::NotActive}),
                         [](const testing::TestParamInfo<ReceiverFault>& info) {
                             return std::string(info.param.name);
                         });

// A receiver window of this test's own thread, so that the test decides when
// it handles messages: TARVEK finds it, sends, and waits for an answer that
// cannot come before the window is gone.
class VanishingReceiver {
public:
    explicit VanishingReceiver(const std::string& title)
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &VanishingReceiver::Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "TarvekTestVanishingReceiver";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~VanishingReceiver() { Destroy(); }
    VanishingReceiver(const VanishingReceiver&) = delete;
    VanishingReceiver& operator=(const VanishingReceiver&) = delete;

    HWND Window() const { return window_; }
    void Destroy()
    {
        if (window_) {
            DestroyWindow(window_);
            window_ = nullptr;
        }
    }
    static int Received() { return received_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COPYDATA) {
            ++received_;
            return TRUE;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    static inline int received_ = 0;
};

// The window closes after TARVEK found it and while the request is on its way:
// the send fails, TARVEK counts the request as put to the receiver (it was
// there when looked up) and goes on at once; the next entry, with no window
// left, tells the user.
TEST_F(ClipboardRoadTest, ReceiverWindowClosingDuringTheSendLeavesTarvekFreeAtOnce)
{
    const std::string name = UniqueName("RXGONE");
    VanishingReceiver receiver(name + " - vanishing");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVVANISH", name);
    ASSERT_NE(run_.dialog, nullptr);

    const int before = VanishingReceiver::Received();
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    // Without handling messages: TARVEK finds the window and its request
    // waits in this thread's queue.
    Sleep(1500);
    receiver.Destroy();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(PassedOn(1, kBoundWithMarginMs));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(elapsed, 1000) << "TARVEK waited for a window that was gone";
    EXPECT_EQ(VanishingReceiver::Received(), before);
    EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog}) << "a box came up";
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));

    ASSERT_TRUE(writer_.PutText(kBasicEntry));
    const HWND box = WaitForDialog(run_.Pid(), run_.Name());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBox(box).text, name + " is not active!");
    PressButton(box, IDOK);
    EXPECT_TRUE(PassedOn(2));
}

// Viewers that take their time, before and after TARVEK in the chain:
// slowUpstream -> TARVEK -> downstream -> slowDownstream.
TEST_F(ClipboardRoadTest, SlowViewersAroundTarvekHearEveryChangeAndEveryEntryIsSentOnce)
{
    const std::string name = UniqueName("RXSLOWV");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    SlowViewer slowDownstream(300);
    StartTarvek("TVSLOWV", name);
    ASSERT_NE(run_.dialog, nullptr);
    SlowViewer slowUpstream(300);

    const std::string texts[] = {kCallEntry, kNoEntry, kBasicEntry, kCallEntry, kBasicEntry};
    Lines expected;
    int count = 0;
    for (const std::string& text : texts) {
        ASSERT_TRUE(writer_.PutText(text));
        ++count;
        ASSERT_TRUE(PassedOn(count, 10000));
        ASSERT_TRUE(slowDownstream.WaitForNotifications(count, 10000));
        if (IsEntry(text)) {
            expected.push_back(ExpectedLine(text, 0));
        }
    }
    EXPECT_EQ(slowUpstream.Notifications(), count);
    EXPECT_EQ(receiver.Log(), expected);
}

// TARVEK's next viewer leaves and another joins while TARVEK waits for a slow
// receiver: the chain change is applied during the wait and the change goes
// to the viewer that now follows TARVEK.
TEST_F(ClipboardRoadTest, ViewersLeavingAndJoiningDuringTheSendKeepTheChainWhole)
{
    const std::string name = UniqueName("RXDURING");
    ReceiverStandIn receiver(name + " - stand-in", "--delay 1500");
    ASSERT_NE(receiver.Window(), nullptr);
    ChainViewer last;
    StartTarvek("TVDURING", name);
    ASSERT_NE(run_.dialog, nullptr);

    ASSERT_TRUE(writer_.PutText(kCallEntry));
    ASSERT_TRUE(WaitUntil([&] { return receiver.Log().size() == 1; }));
    downstream_->Leave();
    ChainViewer joined;
    ASSERT_TRUE(last.WaitForNotifications(1, kBoundWithMarginMs));
    EXPECT_EQ(downstream_->Notifications(), 0);
    EXPECT_EQ(joined.Next(), run_.dialog);

    ASSERT_TRUE(writer_.PutText(kBasicEntry));
    ASSERT_TRUE(last.WaitForNotifications(2, kBoundWithMarginMs));
    EXPECT_EQ(joined.Notifications(), 1);
    EXPECT_EQ(receiver.Log(), (Lines{ExpectedLine(kCallEntry, 0), ExpectedLine(kBasicEntry, 0)}));
}

// Two copies of TARVEK on the chain: each sends every entry once, under its
// own window as the sender.
TEST_F(ClipboardRoadTest, TwoCopiesRunningAtOnceEachSendEveryEntryOnce)
{
    const std::string name = UniqueName("RXDUO");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVDUOA", name, 1);
    ASSERT_NE(run_.dialog, nullptr);
    const std::string ini = "[QERN]\r\nTuningMode=0\r\nApplicationName=" + name + "\r\n";
    TarvekRun second = Start("TVDUOB", ini.c_str());
    ASSERT_NE(second.dialog, nullptr);

    ASSERT_TRUE(Copy(kCallEntry));
    ASSERT_TRUE(Copy(kBasicEntry));
    Lines log = receiver.Log();
    // The later copy is first in the chain and sends first.
    EXPECT_EQ(log, (Lines{ExpectedStandInLine(kCallEntry, 0, second.dialog),
                          ExpectedStandInLine(kCallEntry, 1, run_.dialog),
                          ExpectedStandInLine(kBasicEntry, 0, second.dialog),
                          ExpectedStandInLine(kBasicEntry, 1, run_.dialog)}));

    PressButton(second.dialog, IDOK);
    EXPECT_TRUE(second.process->WaitForExit());
    ASSERT_TRUE(Copy(kCallEntry));
    log = receiver.Log();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log.back(), ExpectedStandInLine(kCallEntry, 1, run_.dialog));
}

}  // namespace
}  // namespace tarvek::e2e
