#pragma once

// A dialog template as data: the dialog's caption, styles, font, position and size in dialog
// units, and its controls in template order, which is also their creation order and, for the
// controls with WS_TABSTOP, their tab order. Positions are measured from the dialog's client area.
//
// A program keeps one constant table per dialog, for example:
//
//   constexpr DialogItemTemplate kAboutItems[] = {
//       {IDOK, ControlClass::Button, "OK", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP |
//       BS_DEFPUSHBUTTON,
//        100, 80, 50, 14},
//       {-1, ControlClass::Static, nullptr, IDB_LOGO, WS_CHILD | WS_VISIBLE | SS_BITMAP, 7, 7, 40,
//       40},
//   };
//   constexpr DialogTemplate kAboutDialog{IDD_ABOUT, "About", WS_POPUP | WS_CAPTION | DS_SETFONT,
//       0, "MS Sans Serif", 8, 0, 0, 160, 100, kAboutItems};

#include "platform/WinTypes.h"

#include <span>

enum class ControlClass {
    Button,  // push button, check box, radio button or group box, by the BS_ kind in its style
    Static,  // text, or with SS_BITMAP a picture
    ListBox, // single-selection list of texts
};

struct DialogItemTemplate {
    int id; // -1 for a control that is never addressed
    ControlClass controlClass;
    const char* text; // the control's text; nullptr for none
    UINT picture;     // SS_BITMAP statics: the bitmap's resource number; 0 otherwise
    DWORD style;      // WS_, BS_, SS_ and LBS_ flags
    short x;
    short y;
    short cx;
    short cy;
};

struct DialogTemplate {
    UINT id; // the number the dialog is created by
    const char* caption;
    DWORD style;   // WS_ and DS_ flags
    DWORD exStyle; // WS_EX_ flags
    const char* fontName;
    WORD pointSize;
    short x;
    short y;
    short cx; // client-area width in dialog units
    short cy; // client-area height in dialog units
    std::span<const DialogItemTemplate> items;
};
