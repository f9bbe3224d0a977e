#pragma once

// Small dialog templates of the framework's own tests, and the module that holds them.

#include "framework/ModuleResources.h"

namespace vorn::test {

// Ids of the templates.
inline constexpr UINT IDD_KEYS = 500;      // push buttons, a check box, two radio groups, a list
inline constexpr UINT IDD_PLAIN = 501;     // no system menu, centred, topmost: like a screen
inline constexpr UINT IDD_OWNED = 502;     // visible, no centring style, at 4, 6: a modeless child
inline constexpr UINT IDD_PICTURES = 503;  // the picture controls
inline constexpr UINT IDD_NODEFAULT = 504; // no BS_DEFPUSHBUTTON; IDOK disabled
inline constexpr UINT IDD_SYSMENU = 505;   // with a system menu, at 0, 0

// Controls of IDD_KEYS, in template order.
inline constexpr int IDC_ALPHA = 1001; // "&Alpha", the default push button
inline constexpr int IDC_BETA = 1002;  // "&Beta"
inline constexpr int IDC_GAMMA = 1003; // "&Gamma", disabled
inline constexpr int IDC_CHECK = 1010; // "&Check", an auto check box
inline constexpr int IDC_RED = 1020;   // "Red", first of the colour radio group (WS_GROUP)
inline constexpr int IDC_GREEN = 1021; // "Green"
inline constexpr int IDC_BLUE = 1022;  // "Blue"
inline constexpr int IDC_SMALL = 1030; // "&Small", first of the size radio group (WS_GROUP)
inline constexpr int IDC_LARGE = 1031; // "Lar&ge"
inline constexpr int IDC_LIST = 1040;  // sorted, notifying list (WS_GROUP)
inline constexpr int IDC_NAME = 1045;  // "&Name:", a static text
inline constexpr int IDC_DELTA = 1050; // "&Delta"
// and IDCANCEL "Cancel", then the group box "Size &options" (-1).

// Controls of IDD_PICTURES.
inline constexpr int IDC_PLAIN_PICTURE = 1101;  // SS_BITMAP at 10, 20 (template size 5 x 5)
inline constexpr int IDC_FRAMED_PICTURE = 1102; // SS_CENTERIMAGE, WS_BORDER, SS_SUNKEN at 50, 10
inline constexpr int IDC_SMALL_FRAME = 1103;    // SS_CENTERIMAGE, smaller than its picture
inline constexpr UINT IDB_SQUARE = 300;         // 40 x 30 pixels
inline constexpr UINT IDI_TEST_ICON = 128;      // 32 x 32 pixels

// The module of these templates, registered once.
HINSTANCE TestModule();

} // namespace vorn::test
