// The main dialog as a user meets it: its controls, where it opens, the quit
// question, Enter, the system menu and the About box.
#include <string>
#include <vector>

#include "tarvek_fixture.h"

namespace tarvek::e2e {
namespace {

constexpr int kEdit = 1003;
constexpr int kTuneOnly = 1001;
constexpr int kTuneAndStation = 1002;
constexpr int kIdmAbout = 16;

std::string Placement(int left, int top, int width, int height)
{
    return "0,1,-1,-1,-1,-1," + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(left + width) +
           "," + std::to_string(top + height);
}

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}

std::string StoredPos(const std::string& ini)
{
    const std::string key = "WindowPos=";
    const std::size_t at = ini.find(key);
    return at == std::string::npos ? "<none>" : ini.substr(at + key.size(), ini.find('\r', at) - at - key.size());
}

void MoveTo(HWND window, int x, int y)
{
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitUntil([&] { return WindowRect(window).left == x && WindowRect(window).top == y; });
}

TEST_F(TarvekTest, MainDialogShowsTheTemplatesControlsInTabOrder)
{
    TarvekRun run = Start("TVCTRLS");
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(GetWindowLongA(run.dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, WS_EX_APPWINDOW);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(run.dialog, GWL_STYLE));
    for (DWORD bit : {DWORD{WS_POPUP}, DWORD{WS_CAPTION}, DWORD{WS_SYSMENU}, DWORD{WS_MINIMIZEBOX}, DWORD{DS_MODALFRAME}}) {
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    }
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);

    // The styles are the template's (checked in the resources); at run time
    // the system adjusts some, such as the tab stops of a radio group.
    struct Expected {
        int id;
        const char* className;
        const char* text;
        bool startsGroup;
    };
    const Expected expected[] = {
        {-1, "Static", "Tunes the receiver control program to that Klingenfuss", true},
        {-1, "Static", "database entry which is copied to the clipboard.", true},
        {-1, "Static", "Name of the receiver control program:", true},
        {kEdit, "Edit", "ORMELIN", false},
        {kTuneOnly, "Button", "Tune receiver only", true},
        {kTuneAndStation, "Button", "Create/find station file entry", false},
        {IDCANCEL, "Button", "Exit", true},
    };
    const std::vector<Control> controls = Controls(run.dialog);
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(static_cast<short>(controls[i].id), expected[i].id);
        EXPECT_STRCASEEQ(controls[i].className.c_str(), expected[i].className);
        EXPECT_EQ(controls[i].text, expected[i].text);
        EXPECT_EQ((controls[i].style & WS_GROUP) != 0, expected[i].startsGroup);
    }
    // No default push button: Exit is a plain one.
    EXPECT_EQ(controls[6].style & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(TarvekTest, WithoutPlacementOpensCentredInTheWorkArea)
{
    TarvekRun run = Start("TVCENTRE");
    ASSERT_NE(run.dialog, nullptr);
    const RECT area = WorkArea();
    const RECT window = WindowRect(run.dialog);
    EXPECT_EQ(window.left, (area.left + area.right) / 2 - Width(window) / 2);
    EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - Height(window) / 2);
}

TEST_F(TarvekTest, RememberedCornerPlacesTheTopLeftAndKeepsTheTemplateSize)
{
    TarvekRun centred = Start("TVSIZE");
    ASSERT_NE(centred.dialog, nullptr);
    const RECT templateSize = WindowRect(centred.dialog);
    centred.process->Terminate();

    const std::string ini = "[QERN]\r\nWindowPos=" + Placement(100, 80, 700, 600) + "\r\n";
    TarvekRun run = Start("TVCORNER", ini.c_str());
    ASSERT_NE(run.dialog, nullptr);
    const RECT window = WindowRect(run.dialog);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 80);
    EXPECT_EQ(Width(window), Width(templateSize));
    EXPECT_EQ(Height(window), Height(templateSize));
    EXPECT_TRUE(IsWindowVisible(run.dialog));
    EXPECT_FALSE(IsIconic(run.dialog));
}

TEST_F(TarvekTest, CornerOffEveryScreenOpensInsideTheNearestWorkArea)
{
    TarvekRun run = Start("TVOFFSCR", "[QERN]\r\nWindowPos=0,1,-1,-1,-1,-1,30000,20000,30300,20200\r\n");
    ASSERT_NE(run.dialog, nullptr);
    const RECT area = WorkArea();
    const RECT window = WindowRect(run.dialog);
    EXPECT_EQ(window.right, area.right);
    EXPECT_EQ(window.bottom, area.bottom);
}

TEST_F(TarvekTest, EnterEndsAtOnceKeepingTheLoadedPlacementAndTheShownSettings)
{
    TarvekRun run = Start("TVENTER", "[QERN]\r\nWindowPos=0,1,-1,-1,-1,-1,100,80,400,300\r\n");
    ASSERT_NE(run.dialog, nullptr);
    MoveTo(run.dialog, 200, 150);
    ClickControl(GetDlgItem(run.dialog, kTuneAndStation));
    SendMessageA(GetDlgItem(run.dialog, kEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("WiNRADiO"));
    WaitUntil([&] { return SendMessageA(GetDlgItem(run.dialog, kTuneAndStation), BM_GETCHECK, 0, 0) == BST_CHECKED; });

    PostKey(GetDlgItem(run.dialog, kEdit), VK_RETURN);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(Ini(run), "[QERN]\r\nWindowPos=0,1,-1,-1,-1,-1,100,80,400,300\r\nTuningMode=1\r\n"
                        "ApplicationName=WiNRADiO\r\n");
}

struct QuitWay {
    const char* name;
    void (*ask)(const TarvekRun& run);
};

void ExitButton(const TarvekRun& run)
{
    PressButton(run.dialog, IDCANCEL);
}
void EscapeKey(const TarvekRun& run)
{
    PostKey(GetDlgItem(run.dialog, kEdit), VK_ESCAPE);
}
void CloseBox(const TarvekRun& run)
{
    PostSysCommand(run.dialog, SC_CLOSE);
}
void AltF4(const TarvekRun& run)
{
    PostKey(GetDlgItem(run.dialog, kEdit), VK_F4, true);
}

TEST_F(TarvekTest, EveryWayOutAsksTheQuitQuestionAndNoKeepsTheDialog)
{
    TarvekRun run = Start("TVQUIT");
    ASSERT_NE(run.dialog, nullptr);
    const QuitWay ways[] = {{"Exit button", ExitButton}, {"Esc", EscapeKey}, {"close box", CloseBox},
                            {"Alt+F4", AltF4}};
    for (const QuitWay& way : ways) {
        SCOPED_TRACE(way.name);
        way.ask(run);
        HWND box = WaitForDialog(run.Pid(), "TVQUIT");
        ASSERT_NE(box, nullptr);
        const MessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.text, "Do you really want to quit ?");
        EXPECT_EQ(view.owner, run.dialog);
        EXPECT_FALSE(IsWindowEnabled(run.dialog));
        ASSERT_EQ(view.buttons.size(), 2u);
        EXPECT_EQ(view.buttons[0].id, IDYES);
        EXPECT_TRUE(view.buttons[0].isDefault);
        EXPECT_EQ(view.buttons[1].id, IDNO);
        EXPECT_FALSE(view.buttons[1].isDefault);
        EXPECT_NE(view.icon, nullptr);

        PressButton(box, IDNO);
        ASSERT_TRUE(WaitForWindowGone(box));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(run.dialog); }));
        EXPECT_TRUE(IsWindowVisible(run.dialog));
        EXPECT_TRUE(run.process->IsRunning());
    }
    EXPECT_FALSE(ReadFileBytes(run.copy->IniPath()).has_value()) << "nothing is saved before the end";
}

TEST_F(TarvekTest, YesEndsTheProgramAndRemembersWhereTheWindowWas)
{
    TarvekRun run = Start("TVYES", "[QERN]\r\nTuningMode=0\r\nApplicationName=ORMELIN\r\nWindowPos=\r\n");
    ASSERT_NE(run.dialog, nullptr);
    MoveTo(run.dialog, 150, 130);
    const RECT window = WindowRect(run.dialog);
    PressButton(run.dialog, IDCANCEL);
    AnswerQuitQuestion(run, IDYES);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(StoredPos(Ini(run)), Placement(150, 130, Width(window), Height(window)));
}

TEST_F(TarvekTest, RenamedProgramUsesItsOwnSettingsFileAndCaptions)
{
    TarvekRun run = Start("RADIOLNK", "[QERN]\r\nApplicationName=Other\r\n");
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(run.dialog, kEdit)), "Other");
    EXPECT_EQ(WindowText(run.dialog), "TARVEK");
    PressButton(run.dialog, IDCANCEL);
    HWND box = WaitForDialog(run.Pid(), "RADIOLNK");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBox(box).caption, "RADIOLNK");
    PressButton(box, IDYES);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_NE(Ini(run).find("ApplicationName=Other\r\n"), std::string::npos);
}

TEST_F(TarvekTest, AboutBoxFromTheSystemMenuIsCentredOverTheDialog)
{
    TarvekRun run = Start("TVABOUT");
    ASSERT_NE(run.dialog, nullptr);
    PostSysCommand(run.dialog, kIdmAbout | 0x3);  // the low four bits do not matter
    HWND about = WaitForDialog(run.Pid(), "About TARVEK");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), run.dialog);
    EXPECT_FALSE(IsWindowEnabled(run.dialog));

    const RECT owner = WindowRect(run.dialog);
    const RECT box = WindowRect(about);
    EXPECT_EQ(box.left, (owner.left + owner.right) / 2 - Width(box) / 2);
    EXPECT_EQ(box.top, (owner.top + owner.bottom) / 2 - Height(box) / 2);

    const std::vector<Control> controls = Controls(about);
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].style & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(controls[1].text.find("TARVEK"), std::string::npos);
    EXPECT_NE(controls[1].text.find("Klingenfuss"), std::string::npos);
    EXPECT_NE(controls[1].text.find("Version  1.02"), std::string::npos);
    EXPECT_EQ(controls[1].style & SS_NOPREFIX, SS_NOPREFIX);
    EXPECT_FALSE(controls[2].text.empty());
    EXPECT_EQ(controls[3].id, IDOK);
    EXPECT_EQ(controls[3].text, "OK");
    EXPECT_EQ(controls[3].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    PressButton(about, IDOK);
    ASSERT_TRUE(WaitForWindowGone(about));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(run.dialog); }));

    // Esc and the close box end it as well.
    for (bool escape : {true, false}) {
        PostSysCommand(run.dialog, kIdmAbout);
        about = WaitForDialog(run.Pid(), "About TARVEK");
        ASSERT_NE(about, nullptr);
        if (escape) {
            PostKey(GetDlgItem(about, IDOK), VK_ESCAPE);
        } else {
            PostSysCommand(about, SC_CLOSE);
        }
        EXPECT_TRUE(WaitForWindowGone(about));
    }
    EXPECT_TRUE(run.process->IsRunning());
}

// Wine keeps menus inside their process, so the items cannot be read from
// here; walking the menu with the keyboard shows what its last item does.
TEST_F(TarvekTest, SystemMenuEndsWithTheAboutItem)
{
    TarvekRun run = Start("TVSYSMNU");
    ASSERT_NE(run.dialog, nullptr);
    PostMessageA(run.dialog, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND window : TopLevelWindows(run.Pid())) {
            if (ClassName(window) == "#32768") {
                return true;
            }
        }
        return false;
    }));
    PostKey(run.dialog, VK_UP);  // from no selection round to the last item
    PostKey(run.dialog, VK_RETURN);
    HWND about = WaitForDialog(run.Pid(), "About TARVEK");
    ASSERT_NE(about, nullptr);
    PressButton(about, IDOK);
    EXPECT_TRUE(WaitForWindowGone(about));
}

TEST_F(TarvekTest, SessionEndSavesWhatTheUserSees)
{
    TarvekRun run = Start("TVSESSN", "[QERN]\r\nTuningMode=0\r\nApplicationName=ORMELIN\r\nWindowPos=\r\n");
    ASSERT_NE(run.dialog, nullptr);
    MoveTo(run.dialog, 140, 120);
    const RECT window = WindowRect(run.dialog);
    ClickControl(GetDlgItem(run.dialog, kTuneAndStation));
    SendMessageA(GetDlgItem(run.dialog, kEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("AOR"));
    WaitUntil([&] { return SendMessageA(GetDlgItem(run.dialog, kTuneAndStation), BM_GETCHECK, 0, 0) == BST_CHECKED; });

    DWORD_PTR answer = 0;
    SendMessageTimeoutA(run.dialog, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, kDefaultWaitMs, &answer);
    EXPECT_EQ(Ini(run), "[QERN]\r\nTuningMode=0\r\nApplicationName=ORMELIN\r\nWindowPos=\r\n")
        << "a session end that did not happen saves nothing";

    SendMessageTimeoutA(run.dialog, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, kDefaultWaitMs, &answer);
    EXPECT_EQ(Ini(run), "[QERN]\r\nTuningMode=1\r\nApplicationName=AOR\r\nWindowPos=" +
                            Placement(140, 120, Width(window), Height(window)) + "\r\n");
}

}  // namespace
}  // namespace tarvek::e2e
