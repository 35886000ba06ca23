#include "data_exchange.h"

#include <vector>

#include "dialog.h"

namespace tarvek {
namespace {

std::string WindowText(HWND hWnd)
{
    std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(hWnd)) + 1);
    const int length = GetWindowTextA(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

bool IsRadioButton(HWND hWnd)
{
    return (SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

HWND CDataExchange::Control(int nIDC) const
{
    return GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
}

void DDX_Radio(CDataExchange& dx, int nIDC, int& value)
{
    HWND first = dx.Control(nIDC);
    if (!first) {
        return;
    }
    if (dx.m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongA(button, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        if (!IsRadioButton(button)) {
            continue;
        }
        if (!dx.m_bSaveAndValidate) {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        } else if (value == -1 && SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            value = index;
        }
        ++index;
    }
}

void DDX_Text(CDataExchange& dx, int nIDC, std::string& value)
{
    HWND box = dx.Control(nIDC);
    if (!box) {
        return;
    }
    if (dx.m_bSaveAndValidate) {
        value = WindowText(box);
    } else if (WindowText(box) != value) {
        SetWindowTextA(box, value.c_str());
    }
}

}  // namespace tarvek
