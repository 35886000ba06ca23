// TARVEK as one viewer among others on the clipboard viewer chain, and the
// moments around the road of an entry: start-up, boxes above the dialog, a
// receiver that stops answering, text blocks without their zero.
#include <string>
#include <vector>

#include "receiver_link.h"
#include "road_fixture.h"

namespace tarvek::e2e {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ClipboardRoadTest, TextOnTheClipboardAtStartUpIsNotSent)
{
    const std::string name = UniqueName("RXSTART");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    StartTarvek("TVSTART", name);
    ASSERT_NE(run_.dialog, nullptr);

    // Changes are handled in order: once this one is passed on, anything
    // made of the start-up text would be in the log.
    ASSERT_TRUE(Copy(kNoEntry));
    EXPECT_EQ(receiver.Log(), Lines{});
    ASSERT_TRUE(Copy(kBasicEntry));
    EXPECT_EQ(receiver.Log(), Lines{ExpectedLine(kBasicEntry, 0)});
}

// Chain: joinedAfter -> TARVEK -> downstream -> middle -> last.
TEST_F(ClipboardRoadTest, EveryViewerHearsEveryChangeAndTheChainIsMendedWhenViewersLeave)
{
    const std::string name = UniqueName("RXCHAIN");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    ChainViewer last;
    ChainViewer middle;
    StartTarvek("TVCHAIN", name);
    ASSERT_NE(run_.dialog, nullptr);
    ChainViewer joinedAfter;
    ASSERT_EQ(joinedAfter.Next(), run_.dialog);

    ASSERT_TRUE(Copy(kCallEntry));
    ASSERT_TRUE(middle.WaitForNotifications(1));
    ASSERT_TRUE(last.WaitForNotifications(1));
    EXPECT_EQ(joinedAfter.Notifications(), 1);

    // A viewer further down leaves: TARVEK passes the chain change on.
    middle.Leave();
    EXPECT_EQ(downstream_->Next(), last.Window());
    ASSERT_TRUE(Copy(kCallEntry));
    ASSERT_TRUE(last.WaitForNotifications(2));
    EXPECT_EQ(middle.Notifications(), 1);

    // TARVEK's own next viewer leaves: TARVEK now passes changes to the one
    // after it.
    const int downstreamHeard = downstream_->Notifications();
    downstream_->Leave();
    ASSERT_TRUE(writer_.PutText(kBasicEntry));
    ASSERT_TRUE(last.WaitForNotifications(3));
    EXPECT_EQ(downstream_->Notifications(), downstreamHeard);
    EXPECT_EQ(joinedAfter.Notifications(), 3);
    EXPECT_EQ(receiver.Log(),
              (Lines{ExpectedLine(kCallEntry, 0), ExpectedLine(kCallEntry, 0), ExpectedLine(kBasicEntry, 0)}));
}

TEST_F(ClipboardRoadTest, EntriesCopiedWhileTheAboutBoxOrTheQuitQuestionIsUpAreDelivered)
{
    const std::string name = UniqueName("RXBOXES");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVBOXES", name);
    ASSERT_NE(run_.dialog, nullptr);

    PostSysCommand(run_.dialog, kAboutCommand);
    const HWND about = WaitForDialog(run_.Pid(), "About TARVEK");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(Copy(kCallEntry));

    // With no receiver, the box comes up above the About box.
    const std::string absent = UniqueName("RXABSENT");
    SetProgramName(absent);
    const int heard = downstream_->Notifications();
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    const HWND box = WaitForDialog(run_.Pid(), run_.Name());
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, absent + " is not active!");
    EXPECT_EQ(view.owner, about);
    PressButton(box, IDOK);
    ASSERT_TRUE(PassedOn(heard + 1));
    PressButton(about, IDOK);
    ASSERT_TRUE(WaitForWindowGone(about));

    SetProgramName(name);
    PressButton(run_.dialog, IDCANCEL);
    const HWND question = WaitForDialog(run_.Pid(), run_.Name());
    ASSERT_NE(question, nullptr);
    ASSERT_EQ(ReadMessageBox(question).text, "Do you really want to quit ?");
    ASSERT_TRUE(Copy(kBasicEntry));
    PressButton(question, IDNO);
    ASSERT_TRUE(WaitForWindowGone(question));

    EXPECT_EQ(receiver.Log(), (Lines{ExpectedLine(kCallEntry, 0), ExpectedLine(kBasicEntry, 0)}));
}

TEST_F(ClipboardRoadTest, AHungReceiverHoldsTheClipboardOnlyForTheBoundedWait)
{
    const std::string hungName = UniqueName("RXHUNG");
    const std::string healthyName = UniqueName("RXHEALTHY");
    ReceiverStandIn hung(hungName + " - stand-in", "--hang");
    ReceiverStandIn healthy(healthyName + " - stand-in");
    ASSERT_NE(hung.Window(), nullptr);
    ASSERT_NE(healthy.Window(), nullptr);
    StartTarvek("TVHUNG", hungName);
    ASSERT_NE(run_.dialog, nullptr);

    const int heard = downstream_->Notifications();
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    ASSERT_TRUE(WaitUntil([&] { return hung.Log().size() == 1; }));
    EXPECT_EQ(hung.Log(), Lines{ExpectedLine(kCallEntry, 0)});
    EXPECT_FALSE(ClipboardIsFree(writer_.Window()));

    // A send that ran out of time counts as delivered: no box.
    ASSERT_TRUE(PassedOn(heard + 1, kSendTimeoutMs + 3000));
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));
    EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog});

    SetProgramName(healthyName);
    ASSERT_TRUE(Copy(kBasicEntry));
    EXPECT_EQ(healthy.Log(), Lines{ExpectedLine(kBasicEntry, 0)});
}

// The system may force a zero into the last byte of a text block (Wine and
// Windows do); whatever it keeps, TARVEK sends what the block holds up to
// its first zero and reads nothing behind the block.
TEST_F(ClipboardRoadTest, ATextBlockWithoutAZeroIsSentAsTheClipboardHoldsIt)
{
    const std::string name = UniqueName("RXNOZERO");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVNOZERO", name);
    ASSERT_NE(run_.dialog, nullptr);

    // The block ends inside the modulation, with no zero of its own.
    const std::string written = std::string(kCallEntry).substr(0, std::string(kCallEntry).find(" Hz") + 3);
    ASSERT_TRUE(CopyData(CF_TEXT, GlobalBlock(written)));

    ASSERT_TRUE(WaitUntil([&] { return OpenClipboard(writer_.Window()) != FALSE; }));
    std::string held;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        const auto* bytes = static_cast<const char*>(GlobalLock(data));
        held.assign(bytes, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    held.resize(std::min(held.find('\0'), held.size()));
    ASSERT_EQ(written.rfind(held, 0), 0u) << "the clipboard holds no prefix of what was written: " << held;
    EXPECT_EQ(receiver.Log(), Lines{ExpectedLine(held, 0)});
    RecordProperty("text_bytes_kept", std::to_string(held.size()) + " of " + std::to_string(written.size()));
}

}  // namespace
}  // namespace tarvek::e2e
