#pragma once

#include <windows.h>

#include <span>
#include <type_traits>

namespace tarvek {

class CDialog;

// One row of a dialog's message map: a window message (for WM_COMMAND also
// the notification code and the control id) and the thunk that unpacks the
// message parameters for the member handler. Maps are static constexpr arrays
// built from the Message and Command templates below.
struct MessageEntry {
    UINT message;
    UINT code;  // WM_COMMAND only: notification code
    UINT id;    // WM_COMMAND only: control id
    LRESULT (*invoke)(CDialog& dialog, WPARAM wParam, LPARAM lParam);
};

using MessageMap = std::span<const MessageEntry>;

// The handler shape of each message the program handles. A message without a
// shape here cannot be mapped; a handler of another shape does not compile.
template <UINT Msg>
struct MessageShape;

template <>
struct MessageShape<WM_CREATE> {
    template <class D>
    using Handler = int (D::*)(LPCREATESTRUCTA createStruct);
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM, LPARAM l)
    {
        return (d.*h)(reinterpret_cast<LPCREATESTRUCTA>(l));
    }
};

template <>
struct MessageShape<WM_SYSCOMMAND> {
    template <class D>
    using Handler = void (D::*)(UINT nID, LPARAM lParam);
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM w, LPARAM l)
    {
        (d.*h)(static_cast<UINT>(w), l);
        return 0;
    }
};

template <>
struct MessageShape<WM_QUERYDRAGICON> {
    template <class D>
    using Handler = HCURSOR (D::*)();
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM, LPARAM)
    {
        return reinterpret_cast<LRESULT>((d.*h)());
    }
};

template <>
struct MessageShape<WM_CHANGECBCHAIN> {
    template <class D>
    using Handler = void (D::*)(HWND hWndRemove, HWND hWndAfter);
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM w, LPARAM l)
    {
        (d.*h)(reinterpret_cast<HWND>(w), reinterpret_cast<HWND>(l));
        return 0;
    }
};

template <>
struct MessageShape<WM_ENDSESSION> {
    template <class D>
    using Handler = void (D::*)(BOOL bEnding);
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM w, LPARAM)
    {
        (d.*h)(static_cast<BOOL>(w));
        return 0;
    }
};

// Messages whose handlers take nothing and answer zero.
struct PlainShape {
    template <class D>
    using Handler = void (D::*)();
    template <class D>
    static LRESULT Call(D& d, Handler<D> h, WPARAM, LPARAM)
    {
        (d.*h)();
        return 0;
    }
};
template <>
struct MessageShape<WM_PAINT> : PlainShape {};
template <>
struct MessageShape<WM_DESTROY> : PlainShape {};
template <>
struct MessageShape<WM_DRAWCLIPBOARD> : PlainShape {};

namespace detail {

template <class Pointer>
struct MemberOf;
template <class C, class F>
struct MemberOf<F C::*> {
    using type = C;
};

template <auto H>
using DialogOf = typename MemberOf<decltype(H)>::type;

}  // namespace detail

// A window message routed to member H: Message<WM_PAINT, &CMyDlg::OnPaint>.
template <UINT Msg, auto H>
    requires std::is_base_of_v<CDialog, detail::DialogOf<H>> &&
             std::is_same_v<decltype(H), typename MessageShape<Msg>::template Handler<detail::DialogOf<H>>>
inline constexpr MessageEntry Message{Msg, 0, 0, [](CDialog& dialog, WPARAM w, LPARAM l) -> LRESULT {
    using D = detail::DialogOf<H>;
    return MessageShape<Msg>::template Call<D>(static_cast<D&>(dialog), H, w, l);
}};

// A control notification routed to member H, which takes nothing:
// Command<BN_CLICKED, IDC_X, &CMyDlg::OnXClicked>.
template <UINT Code, UINT Id, auto H>
    requires std::is_base_of_v<CDialog, detail::DialogOf<H>> && std::is_same_v<decltype(H), void (detail::DialogOf<H>::*)()>
inline constexpr MessageEntry Command{WM_COMMAND, Code, Id, [](CDialog& dialog, WPARAM, LPARAM) -> LRESULT {
    using D = detail::DialogOf<H>;
    (static_cast<D&>(dialog).*H)();
    return 0;
}};

}  // namespace tarvek
