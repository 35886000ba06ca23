// One copied entry on its way to the receiver: which window gets it, what it
// gets, and what the user sees when there is none.
#include <functional>
#include <string>
#include <vector>

#include "road_fixture.h"

namespace tarvek::e2e {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ClipboardRoadTest, EachEntryArrivesByteForByteInTheModeOfTheSettings)
{
    for (const int mode : {0, 1}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::string name = UniqueName("RXROAD");
        ReceiverStandIn receiver(name + " - stand-in");
        ASSERT_NE(receiver.Window(), nullptr);
        StartTarvek("TVROAD" + std::to_string(mode), name, mode);
        ASSERT_NE(run_.dialog, nullptr);

        ASSERT_TRUE(Copy(kCallEntry));
        ASSERT_TRUE(Copy(kBasicEntry));
        EXPECT_EQ(receiver.Log(), (Lines{ExpectedLine(kCallEntry, mode), ExpectedLine(kBasicEntry, mode)}));
        TearDown();
    }
}

TEST_F(ClipboardRoadTest, NoReceiverShowsTheBoxWhileTheClipboardStaysOpen)
{
    const std::string name = UniqueName("RXNONE");
    StartTarvek("TVNONE", name);
    ASSERT_NE(run_.dialog, nullptr);
    const int heard = downstream_->Notifications();
    ASSERT_TRUE(writer_.PutText(kCallEntry));

    const HWND box = WaitForDialog(run_.Pid(), run_.Name());
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, name + " is not active!");
    EXPECT_EQ(view.caption, "TVNONE");
    EXPECT_EQ(view.owner, run_.dialog);
    ASSERT_EQ(view.buttons.size(), 1u);
    EXPECT_EQ(view.buttons[0].id, IDOK);
    EXPECT_EQ(view.buttons[0].text, "OK");
    // Icon handles are the showing process's own, so only its presence can
    // be seen from here; which icon the box asks for the link tests record.
    EXPECT_NE(view.icon, nullptr);

    // The change is still being handled: the clipboard is TARVEK's and the
    // next viewer has not heard of it yet.
    PumpMessages(200);
    EXPECT_FALSE(ClipboardIsFree(writer_.Window()));
    EXPECT_EQ(downstream_->Notifications(), heard);

    PressButton(box, IDOK);
    ASSERT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(PassedOn(heard + 1));
    EXPECT_TRUE(ClipboardIsFree(writer_.Window()));
}

TEST_F(ClipboardRoadTest, OnlyTheFirstMatchingWindowInTheWindowOrderGetsTheRequest)
{
    const std::string name = UniqueName("RXTWO");
    ReceiverStandIn first(name + " - first");
    ReceiverStandIn second(name + " - second");
    ASSERT_NE(first.Window(), nullptr);
    ASSERT_NE(second.Window(), nullptr);
    StartTarvek("TVTWO", name);
    ASSERT_NE(run_.dialog, nullptr);

    Raise(first.Window());
    ASSERT_TRUE(Copy(kCallEntry));
    EXPECT_EQ(first.Log(), Lines{ExpectedLine(kCallEntry, 0)});
    EXPECT_EQ(second.Log(), Lines{});

    // The order decides, not which window came first.
    Raise(second.Window());
    ASSERT_TRUE(Copy(kBasicEntry));
    EXPECT_EQ(first.Log(), Lines{ExpectedLine(kCallEntry, 0)});
    EXPECT_EQ(second.Log(), Lines{ExpectedLine(kBasicEntry, 0)});
}

TEST_F(ClipboardRoadTest, AnEmptyNameSendsToTheFirstWindowOfAllWithoutABox)
{
    ReceiverStandIn receiver(UniqueName("RXEMPTY") + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVEMPTY", "");
    ASSERT_NE(run_.dialog, nullptr);

    Raise(receiver.Window());
    ASSERT_EQ(GetTopWindow(nullptr), receiver.Window()) << "the stand-in must be the first window enumerated";
    // Passed on at once: no box waits for the user.
    ASSERT_TRUE(Copy(kCallEntry));
    EXPECT_EQ(receiver.Log(), Lines{ExpectedLine(kCallEntry, 0)});
}

TEST_F(ClipboardRoadTest, ANameWithALeadingSpaceMatchesNoTitle)
{
    const std::string name = UniqueName("RXSPACE");
    ReceiverStandIn plain(name + " - stand-in");
    ReceiverStandIn spaced("  " + name + " - stand-in");
    ASSERT_NE(plain.Window(), nullptr);
    ASSERT_NE(spaced.Window(), nullptr);
    StartTarvek("TVSPACE", name);
    ASSERT_NE(run_.dialog, nullptr);
    SetProgramName(" " + name);

    const int heard = downstream_->Notifications();
    ASSERT_TRUE(writer_.PutText(kCallEntry));
    const HWND box = WaitForDialog(run_.Pid(), run_.Name());
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(ReadMessageBox(box).text, " " + name + " is not active!");
    PressButton(box, IDOK);
    ASSERT_TRUE(PassedOn(heard + 1));
    EXPECT_EQ(plain.Log(), Lines{});
    EXPECT_EQ(spaced.Log(), Lines{});
}

TEST_F(ClipboardRoadTest, AModeClickAndANameEditCountForTheVeryNextCopy)
{
    const std::string name = UniqueName("RXEDIT");
    const std::string other = UniqueName("RXOTHER");
    ReceiverStandIn receiver(name + " - stand-in");
    ReceiverStandIn otherReceiver(other + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    ASSERT_NE(otherReceiver.Window(), nullptr);
    StartTarvek("TVEDIT", name, 0);
    ASSERT_NE(run_.dialog, nullptr);

    ASSERT_TRUE(Copy(kCallEntry));
    ClickMode(1);
    ASSERT_TRUE(Copy(kCallEntry));
    SetProgramName(other);
    ASSERT_TRUE(Copy(kBasicEntry));
    ClickMode(0);
    ASSERT_TRUE(Copy(kBasicEntry));
    EXPECT_EQ(receiver.Log(), (Lines{ExpectedLine(kCallEntry, 0), ExpectedLine(kCallEntry, 1)}));
    EXPECT_EQ(otherReceiver.Log(), (Lines{ExpectedLine(kBasicEntry, 1), ExpectedLine(kBasicEntry, 0)}));
}

TEST_F(ClipboardRoadTest, TheSameEntryTwiceIsSentTwice)
{
    const std::string name = UniqueName("RXTWICE");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVTWICE", name, 1);
    ASSERT_NE(run_.dialog, nullptr);

    ASSERT_TRUE(Copy(kBasicEntry));
    ASSERT_TRUE(Copy(kBasicEntry));
    EXPECT_EQ(receiver.Log(), (Lines{ExpectedLine(kBasicEntry, 1), ExpectedLine(kBasicEntry, 1)}));
}

// Clipboard contents that are no entry in CF_TEXT: nothing goes to a
// receiver that is there, and no box comes up when none is (the change is
// passed on at once).
TEST_F(ClipboardRoadTest, NoEntryInTheTextSendsAndShowsNothing)
{
    struct Content {
        const char* what;
        std::function<HANDLE()> make;
        UINT format;
    };
    const UINT privateFormat = RegisterClipboardFormatA("TARVEK test private text");
    const Content contents[] = {
        {"text without the keyword", [] { return GlobalBlock({kNoEntry, sizeof kNoEntry}); }, CF_TEXT},
        {"empty text", [] { return GlobalBlock({"", 1}); }, CF_TEXT},
        {"a picture", [] {
             static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
             return static_cast<HANDLE>(CreateBitmap(8, 8, 1, 1, pattern));
         }, CF_BITMAP},
        {"an entry in a private format", [] { return GlobalBlock({kCallEntry, sizeof kCallEntry}); }, privateFormat},
    };

    const std::string name = UniqueName("RXNOTHING");
    ReceiverStandIn receiver(name + " - stand-in");
    ASSERT_NE(receiver.Window(), nullptr);
    StartTarvek("TVNOTHING", name);
    ASSERT_NE(run_.dialog, nullptr);

    for (const bool receiverThere : {true, false}) {
        if (!receiverThere) {
            SetProgramName(UniqueName("RXABSENT"));
        }
        for (const Content& content : contents) {
            SCOPED_TRACE(std::string(content.what) + (receiverThere ? ", receiver there" : ", no receiver"));
            EXPECT_TRUE(CopyData(content.format, content.make()));
            EXPECT_EQ(TopLevelWindows(run_.Pid()), std::vector<HWND>{run_.dialog});
        }
    }
    EXPECT_EQ(receiver.Log(), Lines{});
}

}  // namespace
}  // namespace tarvek::e2e
