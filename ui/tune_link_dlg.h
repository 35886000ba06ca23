#pragma once

#include <windows.h>

#include <string>

#include "dialog.h"
#include "resource.h"

namespace tarvek {

// The main dialog: the receiver program name, the tuning mode, the quit
// question, the About box on the system menu. The same window is the
// program's clipboard viewer.
class CTuneLinkDlg : public CDialog {
public:
    CTuneLinkDlg();

    int m_nTuningMode = 0;
    std::string m_strProgramName;
    HICON m_hIcon;
    HWND m_hWndNextViewer = nullptr;
    BOOL m_bReady = FALSE;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    MessageMap GetMessageMap() const override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnModeClicked();
    int OnCreate(LPCREATESTRUCTA createStruct);
    void OnDestroy();
    void OnNameUpdate();
    void OnDrawClipboard();
    void OnChangeCbChain(HWND hWndRemove, HWND hWndAfter);
    void OnEndSession(BOOL bEnding);

private:
    static const MessageEntry kMessageMap[];

    void MoveToRememberedCorner();
    void CapturePlacement();
};

}  // namespace tarvek
