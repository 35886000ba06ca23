#pragma once

#include <windows.h>

#include <string>

#include "message_map.h"

namespace tarvek {

class CDataExchange;

// A modal dialog from a dialog template in the program's resources. One object
// per window: the object is attached to its window when the system creates
// it, every message of the window passes through the object's message map,
// and what the map does not handle goes on to the system's dialog handling.
class CDialog {
public:
    explicit CDialog(UINT nIDTemplate, CDialog* pParentWnd = nullptr);
    virtual ~CDialog();

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, or -1 when the
    // window could not be created.
    INT_PTR DoModal();

    UINT TemplateId() const { return m_nIDTemplate; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The dialog object attached to `hWnd`, or null for any other window.
    static CDialog* FromHandle(HWND hWnd);

    HWND m_hWnd = nullptr;

protected:
    // Framework default: exchanges the members towards the controls.
    virtual BOOL OnInitDialog();
    // Framework default: exchanges from the controls, ends with IDOK.
    virtual void OnOK();
    // Framework default: ends with IDCANCEL.
    virtual void OnCancel();
    // Pairs controls with members; the default exchanges nothing.
    virtual void DoDataExchange(CDataExchange& dx);
    // The dialog's own message map; the default is empty.
    virtual MessageMap GetMessageMap() const;

    // Moves the data between controls and members: from the controls when
    // `bSaveAndValidate`, towards them otherwise. Notifications the controls
    // send while this runs are dropped.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

    // The system's handling of the message being handled now.
    LRESULT Default();

private:
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

    void Attach(HWND hWnd);
    void Detach();
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    BOOL HandleInitDialog();
    void CenterWindow();
    void OnHelpRequest();

    UINT m_nIDTemplate;
    CDialog* m_pParentWnd;
    WNDPROC m_pfnSuper = nullptr;
    CurrentMessage m_current;
    bool m_bInExchange = false;

    friend class CDataExchange;
};

}  // namespace tarvek
