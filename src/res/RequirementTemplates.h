#pragma once

// Templates 145, 146 and 149: the three requirement screens. They have no system menu, so no
// close box; they are centred and kept on top.

#include "framework/DialogTemplate.h"
#include "framework/UiConstants.h"
#include "res/Resource.h"

namespace res {

inline constexpr DWORD kScreenStyle =
    WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SYSMODAL; // 0x80C008C2
inline constexpr DWORD kScreenOk = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
inline constexpr DWORD kScreenButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
inline constexpr DWORD kScreenPicture = WS_CHILD | WS_VISIBLE | SS_BITMAP;
inline constexpr DWORD kScreenGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

// The screens were laid out with these style words; the flags above must add up to them.
static_assert(kScreenStyle == 0x80C008C2);
static_assert(kScreenOk == 0x50010001);
static_assert(kScreenButton == 0x50010000);
static_assert(kScreenPicture == 0x5000000E);
static_assert(kScreenGroup == 0x50000007);

inline constexpr DialogItemTemplate kSpecificationItems[] = {
    {IDOK, ControlClass::Button, "OK", 0, kScreenOk, 215, 159, 50, 14},
    {-1, ControlClass::Static, nullptr, IDB_FEATURES, kScreenPicture, 7, 7, 200, 246},
    {-1, ControlClass::Static, nullptr, IDB_MASCOT, kScreenPicture, 220, 13, 40, 62},
    {-1, ControlClass::Static, nullptr, IDB_CREATURE, kScreenPicture, 220, 185, 40, 62},
    {IDC_SHOW_REQUIRED, ControlClass::Button, "Required", 0, kScreenButton, 215, 96, 50, 14},
    {IDC_SHOW_RECOMMENDED, ControlClass::Button, "Recommended", 0, kScreenButton, 215, 122, 50, 14},
    {-1, ControlClass::Button, "Specification", 0, kScreenGroup, 211, 87, 59, 52},
};

inline constexpr DialogTemplate kSpecificationScreen{
    IDD_SPECIFICATION,  "Vorn (TM) Mirefall", kScreenStyle, 0, "MS Sans Serif", 8, 0, 0, 274, 261,
    kSpecificationItems};

inline constexpr DialogItemTemplate kRequiredItems[] = {
    {IDOK, ControlClass::Button, "OK", 0, kScreenOk, 167, 136, 50, 14},
    {-1, ControlClass::Static, nullptr, IDB_MINIMUM_SPEC, kScreenPicture, 7, 7, 155, 148},
    {-1, ControlClass::Static, nullptr, IDB_CREATURE, kScreenPicture, 171, 42, 40, 62},
};

inline constexpr DialogTemplate kRequiredScreen{
    IDD_REQUIRED, "Required", kScreenStyle, 0, "MS Sans Serif", 8, 0, 0, 228, 162, kRequiredItems};

inline constexpr DialogItemTemplate kRecommendedItems[] = {
    {IDOK, ControlClass::Button, "OK", 0, kScreenOk, 167, 174, 50, 14},
    {-1, ControlClass::Static, nullptr, IDB_RECOMMENDED_SPEC, kScreenPicture, 7, 7, 155, 185},
    {-1, ControlClass::Static, nullptr, IDB_MASCOT, kScreenPicture, 173, 62, 40, 62},
};

inline constexpr DialogTemplate kRecommendedScreen{
    IDD_RECOMMENDED,  "Recommended", kScreenStyle, 0, "MS Sans Serif", 8, 0, 0, 229, 199,
    kRecommendedItems};

} // namespace res
