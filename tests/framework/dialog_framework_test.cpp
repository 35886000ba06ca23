// The dialog framework in its own process under Wine: message maps with each
// handler shape, the order of creation, data exchange in both directions, the
// default OK and Cancel, centring, and the Help command's way to the
// application object.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app_services.h"
#include "data_exchange.h"
#include "dialog.h"
#include "test_dialog_ids.h"
#include "win_app.h"

namespace tarvek {
namespace {

constexpr UINT kProbeCommand = 0x0100;  // a system command the probe uses to run a step after start-up

class ProbeApp : public CWinApp {
public:
    void OnHelpCommand() { ++helpCommands; }
    int helpCommands = 0;

protected:
    std::span<const AppCommandEntry> GetCommandMap() const override;

private:
    static const AppCommandEntry kCommandMap[];
};

const AppCommandEntry ProbeApp::kCommandMap[] = {AppCommand<ID_HELP, &ProbeApp::OnHelpCommand>};

std::span<const AppCommandEntry> ProbeApp::GetCommandMap() const
{
    return kCommandMap;
}

ProbeApp g_app;

// A dialog that records what reaches it; `script` runs at the end of its
// initialisation, `later` once the dialog is up and running.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_PROBE) {}

    std::vector<std::string> events;
    int m_nChoice = 0;
    std::string m_strName;
    int createResult = 0;
    std::function<void(ProbeDialog&)> script;
    std::function<void(ProbeDialog&)> later;
    HWND removed = nullptr;
    HWND after = nullptr;
    int nameUpdates = 0;

    using CDialog::EndDialog;
    using CDialog::UpdateData;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Radio(dx, IDC_PROBE_FIRST, m_nChoice);
        DDX_Text(dx, IDC_PROBE_NAME, m_strName);
    }

    BOOL OnInitDialog() override
    {
        events.push_back("init");
        CDialog::OnInitDialog();
        if (script) {
            script(*this);
        }
        if (later) {
            PostMessageA(m_hWnd, WM_SYSCOMMAND, kProbeCommand, 0);
        }
        return TRUE;
    }

    MessageMap GetMessageMap() const override;

private:
    int OnCreate(LPCREATESTRUCTA createStruct)
    {
        events.push_back(createStruct && m_hWnd ? "create" : "create without window");
        return createResult;
    }
    void OnDestroy() { events.push_back("destroy"); }
    void OnDrawClipboard() { events.push_back("drawclipboard"); }
    void OnChangeCbChain(HWND hWndRemove, HWND hWndAfter)
    {
        removed = hWndRemove;
        after = hWndAfter;
    }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(0x1234); }
    void OnSysCommand(UINT nID, LPARAM)
    {
        if (nID == kProbeCommand && later) {
            later(*this);
        } else {
            Default();
        }
    }
    void OnButton() { events.push_back("button"); }
    void OnNameUpdate() { ++nameUpdates; }

    static const MessageEntry kMessageMap[];
};

const MessageEntry ProbeDialog::kMessageMap[] = {
    Message<WM_CREATE, &ProbeDialog::OnCreate>,
    Message<WM_DESTROY, &ProbeDialog::OnDestroy>,
    Message<WM_DRAWCLIPBOARD, &ProbeDialog::OnDrawClipboard>,
    Message<WM_CHANGECBCHAIN, &ProbeDialog::OnChangeCbChain>,
    Message<WM_QUERYDRAGICON, &ProbeDialog::OnQueryDragIcon>,
    Message<WM_SYSCOMMAND, &ProbeDialog::OnSysCommand>,
    Command<BN_CLICKED, IDC_PROBE_BUTTON, &ProbeDialog::OnButton>,
    Command<EN_UPDATE, IDC_PROBE_NAME, &ProbeDialog::OnNameUpdate>,
};

MessageMap ProbeDialog::GetMessageMap() const
{
    return kMessageMap;
}

// A handler of the wrong shape for its message is refused when the map is
// built, not when the message arrives.
struct ShapeProbe : CDialog {
    ShapeProbe() : CDialog(0) {}
    void Plain() {}
    int Create(LPCREATESTRUCTA) { return 0; }
    void Chain(HWND, HWND) {}
    void ChainSwapped(HWND, LPARAM) {}
    void Click(int) {}
};
template <UINT Msg, auto H>
constexpr bool Maps = requires { Message<Msg, H>; };
template <auto H>
constexpr bool MapsClick = requires { Command<BN_CLICKED, 1, H>; };
static_assert(Maps<WM_DRAWCLIPBOARD, &ShapeProbe::Plain>);
static_assert(Maps<WM_CREATE, &ShapeProbe::Create>);
static_assert(Maps<WM_CHANGECBCHAIN, &ShapeProbe::Chain>);
static_assert(!Maps<WM_CREATE, &ShapeProbe::Plain>);
static_assert(!Maps<WM_CHANGECBCHAIN, &ShapeProbe::ChainSwapped>);
static_assert(!Maps<WM_DESTROY, &ShapeProbe::Create>);
static_assert(MapsClick<&ShapeProbe::Plain>);
static_assert(!MapsClick<&ShapeProbe::Click>);

HWND Item(const ProbeDialog& d, int id)
{
    return GetDlgItem(d.GetSafeHwnd(), id);
}

bool Checked(const ProbeDialog& d, int id)
{
    return SendMessageA(Item(d, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(DialogFramework, MessagesReachTheirHandlersInCreationOrder)
{
    ProbeDialog dialog;
    HWND seen = nullptr;
    LRESULT dragIcon = 0;
    dialog.script = [&](ProbeDialog& d) {
        seen = d.GetSafeHwnd();
        SendMessageA(seen, WM_DRAWCLIPBOARD, 0, 0);
        SendMessageA(seen, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(HWND(0x10)), reinterpret_cast<LPARAM>(HWND(0x20)));
        dragIcon = SendMessageA(seen, WM_QUERYDRAGICON, 0, 0);
        SendMessageA(seen, WM_COMMAND, MAKEWPARAM(IDC_PROBE_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(Item(d, IDC_PROBE_BUTTON)));
        SendMessageA(seen, WM_COMMAND, MAKEWPARAM(IDC_PROBE_BUTTON, BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(Item(d, IDC_PROBE_BUTTON)));
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"create", "init", "drawclipboard", "button", "destroy"}));
    EXPECT_EQ(dialog.removed, HWND(0x10));
    EXPECT_EQ(dialog.after, HWND(0x20));
    EXPECT_EQ(dragIcon, 0x1234);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(DialogFramework, CreateHandlerCanRefuseTheWindow)
{
    ProbeDialog dialog;
    dialog.createResult = -1;
    EXPECT_EQ(dialog.DoModal(), -1);
    ASSERT_FALSE(dialog.events.empty());
    EXPECT_EQ(dialog.events[0], "create");
    EXPECT_EQ(std::count(dialog.events.begin(), dialog.events.end(), "init"), 0);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

TEST(DialogFramework, RadioGroupExchangesTheSelectedIndex)
{
    struct Case {
        int value;
        bool first, second, third;
    };
    for (const Case& c : {Case{0, true, false, false}, Case{2, false, false, true}, Case{7, false, false, false},
                          Case{-1, false, false, false}}) {
        SCOPED_TRACE(c.value);
        ProbeDialog dialog;
        dialog.m_nChoice = c.value;
        int readBack = 99;
        dialog.script = [&](ProbeDialog& d) {
            EXPECT_EQ(Checked(d, IDC_PROBE_FIRST), c.first);
            EXPECT_EQ(Checked(d, IDC_PROBE_SECOND), c.second);
            EXPECT_EQ(Checked(d, IDC_PROBE_THIRD), c.third);
            EXPECT_FALSE(Checked(d, IDC_PROBE_OTHER_GROUP)) << "the next group is not touched";
            SendMessageA(Item(d, IDC_PROBE_OTHER_GROUP), BM_SETCHECK, BST_CHECKED, 0);
            d.UpdateData(TRUE);
            readBack = d.m_nChoice;
            d.EndDialog(IDOK);
        };
        dialog.DoModal();
        EXPECT_EQ(readBack, c.value >= 0 && c.value <= 2 ? c.value : -1);
    }
}

TEST(DialogFramework, EditBoxIsWrittenOnlyWhenItsTextDiffers)
{
    ProbeDialog dialog;
    dialog.m_strName = "ORMELIN";
    bool keptAfterSameText = false;
    bool keptAfterOtherText = true;
    dialog.script = [&](ProbeDialog& d) {
        HWND edit = Item(d, IDC_PROBE_NAME);
        EXPECT_EQ(d.nameUpdates, 0) << "filling the box at start is no edit";
        SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
        d.UpdateData(FALSE);  // same text: the box is left alone
        keptAfterSameText = SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0;
        d.m_strName = "AOR";
        d.UpdateData(FALSE);
        keptAfterOtherText = SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0;
        EXPECT_EQ(d.nameUpdates, 0) << "notifications during an exchange are dropped";
        SetWindowTextA(edit, "typed");
        EXPECT_GT(d.nameUpdates, 0);
        d.UpdateData(TRUE);
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    EXPECT_TRUE(keptAfterSameText);
    EXPECT_FALSE(keptAfterOtherText);
    EXPECT_EQ(dialog.m_strName, "typed");
}

TEST(DialogFramework, DefaultOkExchangesFromTheControlsAndCancelDoesNot)
{
    for (int command : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(command);
        ProbeDialog dialog;
        dialog.m_strName = "before";
        dialog.script = [&](ProbeDialog& d) {
            SetWindowTextA(Item(d, IDC_PROBE_NAME), "after");
            SendMessageA(Item(d, IDC_PROBE_SECOND), BM_SETCHECK, BST_CHECKED, 0);
            SendMessageA(Item(d, IDC_PROBE_FIRST), BM_SETCHECK, BST_UNCHECKED, 0);
            PostMessageA(d.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        };
        EXPECT_EQ(dialog.DoModal(), command);
        EXPECT_EQ(dialog.m_strName, command == IDOK ? "after" : "before");
        EXPECT_EQ(dialog.m_nChoice, command == IDOK ? 1 : 0);
    }
}

TEST(DialogFramework, DialogWithoutOwnerIsCentredInThePrimaryWorkArea)
{
    ProbeDialog dialog;
    RECT window{};
    dialog.later = [&](ProbeDialog& d) {
        GetWindowRect(d.GetSafeHwnd(), &window);
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    EXPECT_GT(width, 0);
    EXPECT_EQ(window.left, (area.left + area.right) / 2 - width / 2);
    EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - height / 2);
}

TEST(DialogFramework, HelpRequestBecomesTheApplicationsHelpCommand)
{
    ProbeDialog dialog;
    g_app.m_pMainWnd = &dialog;
    g_app.helpCommands = 0;
    HWND mainWindow = nullptr;
    dialog.later = [&](ProbeDialog& d) {
        mainWindow = AppMainWindow();
        HELPINFO info{};
        info.cbSize = sizeof info;
        SendMessageA(Item(d, IDC_PROBE_NAME), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        d.EndDialog(IDOK);
    };
    dialog.DoModal();
    g_app.m_pMainWnd = nullptr;
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(g_app.helpCommands, 1);
    EXPECT_EQ(AppMainWindow(), nullptr);
}

}  // namespace
}  // namespace tarvek
