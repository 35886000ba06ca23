#include "tune_link_dlg.h"

#include <algorithm>
#include <vector>

#include "about_box.h"
#include "app_services.h"
#include "data_exchange.h"
#include "remembered_corner.h"
#include "tarvek_app.h"

namespace tarvek {
namespace {

std::string LoadResourceString(UINT id)
{
    char buffer[256] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
        const Monitor entry{{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom},
                            {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom}};
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            monitors.insert(monitors.begin(), entry);
        } else {
            monitors.push_back(entry);
        }
    }
    return TRUE;
}

std::vector<Monitor> Monitors()
{
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace

const MessageEntry CTuneLinkDlg::kMessageMap[] = {
    Message<WM_SYSCOMMAND, &CTuneLinkDlg::OnSysCommand>,
    Message<WM_PAINT, &CTuneLinkDlg::OnPaint>,
    Message<WM_QUERYDRAGICON, &CTuneLinkDlg::OnQueryDragIcon>,
    Command<BN_CLICKED, IDC_TUNE_ONLY, &CTuneLinkDlg::OnModeClicked>,
    Command<BN_CLICKED, IDC_TUNE_AND_STATION, &CTuneLinkDlg::OnModeClicked>,
    Message<WM_CREATE, &CTuneLinkDlg::OnCreate>,
    Message<WM_DESTROY, &CTuneLinkDlg::OnDestroy>,
    Command<EN_UPDATE, IDC_PROGRAM_NAME, &CTuneLinkDlg::OnNameUpdate>,
    Message<WM_DRAWCLIPBOARD, &CTuneLinkDlg::OnDrawClipboard>,
    Message<WM_CHANGECBCHAIN, &CTuneLinkDlg::OnChangeCbChain>,
    Message<WM_ENDSESSION, &CTuneLinkDlg::OnEndSession>,
};

CTuneLinkDlg::CTuneLinkDlg()
    : CDialog(IDD_MAIN), m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

MessageMap CTuneLinkDlg::GetMessageMap() const
{
    return kMessageMap;
}

void CTuneLinkDlg::DoDataExchange(CDataExchange& dx)
{
    DDX_Radio(dx, IDC_TUNE_ONLY, m_nTuningMode);
    DDX_Text(dx, IDC_PROGRAM_NAME, m_strProgramName);
}

BOOL CTuneLinkDlg::OnInitDialog()
{
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    CDialog::OnInitDialog();

    if (systemMenu) {
        DeleteMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
        DeleteMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
        const std::string about = LoadResourceString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }

    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    if (theApp.m_wndPlacement.IsValid()) {
        MoveToRememberedCorner();
    }
    m_bReady = TRUE;
    return TRUE;
}

// Only the remembered top-left corner is applied: the size stays the
// template's and the window is shown normally.
void CTuneLinkDlg::MoveToRememberedCorner()
{
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const Size size{window.right - window.left, window.bottom - window.top};
    const Point corner{theApp.m_wndPlacement.left, theApp.m_wndPlacement.top};
    const std::vector<Monitor> monitors = Monitors();
    const Point origin = monitors.empty() ? corner : ScreenOriginForRememberedCorner(corner, size, monitors);
    SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CTuneLinkDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBox about;
        about.DoModal();
    } else {
        Default();
    }
}

// Minimised, the window shows its icon centred in the client area.
void CTuneLinkDlg::OnPaint()
{
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

HCURSOR CTuneLinkDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CTuneLinkDlg::OnModeClicked()
{
    UpdateData(TRUE);
}

// The receiver lookup reads the application object's copy of the name, so
// it follows every keystroke.
void CTuneLinkDlg::OnNameUpdate()
{
    UpdateData(TRUE);
    theApp.m_strProgramName = m_strProgramName;
}

void CTuneLinkDlg::OnCancel()
{
    if (AppMessageBox("Do you really want to quit ?", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    CapturePlacement();
    EndDialog(IDCANCEL);
}

void CTuneLinkDlg::CapturePlacement()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(m_hWnd, &placement) == 1) {
        theApp.m_wndPlacement = {WindowPlacement::kValidLength,
                                 placement.flags,
                                 placement.showCmd,
                                 placement.ptMinPosition.x,
                                 placement.ptMinPosition.y,
                                 placement.ptMaxPosition.x,
                                 placement.ptMaxPosition.y,
                                 placement.rcNormalPosition.left,
                                 placement.rcNormalPosition.top,
                                 placement.rcNormalPosition.right,
                                 placement.rcNormalPosition.bottom};
    } else {
        theApp.m_wndPlacement.length = 0;
    }
}

// The system ends the process once this returns: keep what a confirmed quit
// would have kept, so the run's changes are not lost with the session.
void CTuneLinkDlg::OnEndSession(BOOL bEnding)
{
    if (!bEnding) {
        return;
    }
    UpdateData(TRUE);
    CapturePlacement();
    theApp.m_nTuningMode = m_nTuningMode;
    theApp.m_strProgramName = m_strProgramName;
    theApp.SaveSettings();
}

}  // namespace tarvek
