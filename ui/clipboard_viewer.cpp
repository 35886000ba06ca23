// The main dialog's part in the system's clipboard viewer chain: it joins the
// chain when its window is created, leaves it when the window goes, and hands
// the text of every clipboard change to the receiver link.
#include "clipboard_text.h"
#include "receiver_link.h"
#include "tarvek_app.h"
#include "tune_link_dlg.h"

namespace tarvek {

int CTuneLinkDlg::OnCreate(LPCREATESTRUCTA)
{
    if (Default() == -1) {
        return -1;
    }
    // Joining notifies this window at once; m_hWndNextViewer is still null
    // then, so that first notification goes no further.
    m_hWndNextViewer = SetClipboardViewer(m_hWnd);
    return 0;
}

void CTuneLinkDlg::OnDestroy()
{
    Default();
    ChangeClipboardChain(m_hWnd, m_hWndNextViewer);
}

void CTuneLinkDlg::OnChangeCbChain(HWND hWndRemove, HWND hWndAfter)
{
    if (hWndRemove == m_hWndNextViewer) {
        m_hWndNextViewer = hWndAfter;
    } else if (m_hWndNextViewer) {
        SendMessageA(m_hWndNextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(hWndRemove),
                     reinterpret_cast<LPARAM>(hWndAfter));
    }
}

// The receiver has the request, and any box about it has been dismissed,
// before the clipboard is closed and the next viewer hears of the change.
// Until the dialog is initialised (the clipboard's contents at start-up)
// changes are only passed on.
void CTuneLinkDlg::OnDrawClipboard()
{
    if (m_bReady && OpenClipboard(m_hWnd) == TRUE) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            const std::string text = CopyClipboardText(data);
            HandleClipboardText(text, theApp.m_strProgramName, m_nTuningMode);
        }
        CloseClipboard();
    }
    // Read only now: a chain change while the receiver or the user was
    // answering has already been applied.
    if (m_hWndNextViewer) {
        SendMessageA(m_hWndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
    }
}

}  // namespace tarvek
