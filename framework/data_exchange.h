#pragma once

#include <windows.h>

#include <string>

namespace tarvek {

class CDialog;

// One exchange between a dialog's controls and its members. The same
// DoDataExchange serves both directions: from the controls into the members
// when m_bSaveAndValidate is TRUE, towards the controls otherwise.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, BOOL bSaveAndValidate) : m_pDlgWnd(&dialog), m_bSaveAndValidate(bSaveAndValidate)
    {
    }

    HWND Control(int nIDC) const;

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// The radio group that begins at `nIDC` and ends before the next control with
// the group style, with the index of its selected button (-1 for none).
void DDX_Radio(CDataExchange& dx, int nIDC, int& value);

// An edit box with its text; the box is written only when its text differs.
void DDX_Text(CDataExchange& dx, int nIDC, std::string& value);

}  // namespace tarvek
