#pragma once

// Handles and small value types of the window system the program's dialogs are written against.
// Handles are opaque: distinct pointer types, so that one kind can never be passed for another,
// and values that the framework hands out and looks up, never dereferences.

#include "platform/WinTypes.h"

struct HWND__;
using HWND = HWND__*;
struct HICON__;
using HICON = HICON__*;
// A cursor is an icon on this platform, as on the original one.
using HCURSOR = HICON;
struct HDC__;
using HDC = HDC__*;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;

struct POINT {
    LONG x;
    LONG y;
};

// A dialog procedure: answers TRUE when it handled the message, FALSE to leave it to the
// dialog manager's default handling.
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

constexpr WORD LOWORD(UINT_PTR value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(UINT_PTR value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}

// A resource named by number rather than by text: the number travels in the low word of the
// pointer, which no real string can have.
inline LPCSTR MAKEINTRESOURCE(UINT id) {
    return reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCSTR name) {
    return (reinterpret_cast<UINT_PTR>(name) >> 16) == 0;
}
