#include "dialog.h"

#include "app_services.h"
#include "centring.h"
#include "data_exchange.h"
#include "win_app.h"

namespace tarvek {
namespace {

// The dialog whose window is being created on this (the only) user-interface
// thread, and the hook that catches the creation. The dialog procedure sees
// nothing before WM_INITDIALOG, but a dialog's message map must see its
// window's WM_CREATE; so the object is attached to the window the moment the
// system creates it.
struct PendingCreation {
    CDialog* dialog = nullptr;
    HHOOK hook = nullptr;
};
PendingCreation g_pending;

void EndPendingCreation()
{
    if (g_pending.hook) {
        UnhookWindowsHookEx(g_pending.hook);
    }
    g_pending = {};
}

bool IsDialogClass(LPCSTR className)
{
    constexpr WORD kDialogAtom = 0x8002;  // the system's "#32770"
    if (IS_INTRESOURCE(className)) {
        return LOWORD(reinterpret_cast<ULONG_PTR>(className)) == kDialogAtom;
    }
    return lstrcmpiA(className, "#32770") == 0;
}

Rect ToRect(const RECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

Rect WorkAreaOf(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return ToRect(info.rcWork);
}

// Restores a flag when the scope ends, also on the way out of an exception.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : flag_(flag), saved_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = saved_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CDialog* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : AppMainWindow();
    const PendingCreation outer = g_pending;
    g_pending = {this, SetWindowsHookExA(WH_CBT, &CDialog::CreationHook, nullptr, GetCurrentThreadId())};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    EndPendingCreation();
    g_pending = outer;
    return result;
}

CDialog* CDialog::FromHandle(HWND hWnd)
{
    if (!hWnd || reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) != &CDialog::WindowProc) {
        return nullptr;
    }
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
}

LRESULT CALLBACK CDialog::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_pending.dialog) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if (IsDialogClass(create->lpcs->lpszClass)) {
            CDialog* dialog = g_pending.dialog;
            EndPendingCreation();
            dialog->Attach(reinterpret_cast<HWND>(wParam));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CDialog::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::WindowProc)));
}

void CDialog::Detach()
{
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CDialog::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!dialog) {
        return DefDlgProcA(hWnd, message, wParam, lParam);
    }
    return dialog->OnMessage(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) {
        return FALSE;  // everything else went through the message map already
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog->m_hWnd != hWnd) {
        dialog->Attach(hWnd);
    }
    try {
        return dialog->HandleInitDialog();
    } catch (...) {
        ::EndDialog(hWnd, -1);
        return FALSE;
    }
}

LRESULT CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = Dispatch(message, wParam, lParam, result);
    } catch (...) {
        // No exception may cross the system's frames; the message counts as
        // handled with a zero answer.
        handled = true;
        result = 0;
    }
    if (!handled) {
        result = CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    m_current = outer;
    if (message == WM_NCDESTROY) {
        Detach();
    }
    return result;
}

bool CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const UINT code = HIWORD(wParam);
    const UINT id = LOWORD(wParam);
    if (message == WM_COMMAND && m_bInExchange && lParam != 0) {
        return true;  // a control reacting to the exchange itself
    }
    for (const MessageEntry& entry : GetMessageMap()) {
        if (entry.message == message && (message != WM_COMMAND || (entry.code == code && entry.id == id))) {
            result = entry.invoke(*this, wParam, lParam);
            return true;
        }
    }
    switch (message) {
    case WM_COMMAND:
        if (code == BN_CLICKED && id == IDOK) {
            OnOK();
            return true;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            OnCancel();
            return true;
        }
        if (CWinApp* app = CWinApp::Current(); app && app->OnCmdMsg(id)) {
            return true;
        }
        return false;
    case WM_HELP:
        OnHelpRequest();
        result = TRUE;
        return true;
    default:
        return false;
    }
}

// F1 in any dialog: the Help command goes to the main window, whose command
// routing ends at the application object.
void CDialog::OnHelpRequest()
{
    if (HWND main = AppMainWindow()) {
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    } else if (CWinApp* app = CWinApp::Current()) {
        app->OnCmdMsg(ID_HELP);
    }
}

BOOL CDialog::HandleInitDialog()
{
    RECT before{};
    GetWindowRect(m_hWnd, &before);
    const BOOL result = OnInitDialog();
    RECT after{};
    GetWindowRect(m_hWnd, &after);
    if (!IsWindowVisible(m_hWnd) && EqualRect(&before, &after)) {
        CenterWindow();
    }
    return result;
}

// A dialog with an owner is centred over it and kept on the owner's screen;
// one without is centred in the work area of the primary screen.
void CDialog::CenterWindow()
{
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const Size size{window.right - window.left, window.bottom - window.top};
    Rect reference;
    Rect workArea;
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
        RECT ownerRect{};
        GetWindowRect(owner, &ownerRect);
        reference = ToRect(ownerRect);
        workArea = WorkAreaOf(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST));
    } else {
        workArea = WorkAreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
        reference = workArea;
    }
    const Point origin = CentredOrigin(size, reference, workArea);
    SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange&) {}

MessageMap CDialog::GetMessageMap() const
{
    return {};
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    const FlagScope exchanging(m_bInExchange, true);
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(dx);
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::Default()
{
    return CallWindowProcA(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

}  // namespace tarvek
