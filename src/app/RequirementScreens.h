#pragma once

// The requirement screens shown before the launcher: an introduction screen and two detail
// screens, each a modal dialog from the program's own templates.

#include "framework/UiTypes.h"

// Which screen comes next.
inline constexpr int SCREEN_SPECIFICATION = 0;
inline constexpr int SCREEN_RECOMMENDED = 1;
inline constexpr int SCREEN_REQUIRED = 2;
inline constexpr int SCREEN_DONE = 3;

extern int g_nRequirementScreen;
// The module that holds the screens' templates and pictures.
extern HINSTANCE g_hInstance;

// Shows the screens one after another until the player leaves them with OK on the introduction
// screen.
void ShowRequirementScreens();

// The introduction screen (template 145).
INT_PTR SpecificationDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
// Either detail screen (templates 146 and 149): OK leads back to the introduction screen.
INT_PTR RequirementDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
