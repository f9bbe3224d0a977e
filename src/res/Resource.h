#pragma once

// The numbers of the program's resources and of the controls that its code addresses.

// Dialog templates.
inline constexpr int IDD_SETUP_DIALOG = 102;
inline constexpr int IDD_SPECIFICATION = 145;
inline constexpr int IDD_REQUIRED = 146;
inline constexpr int IDD_RECOMMENDED = 149;

// Icon.
inline constexpr int IDI_SETUP_ICON = 128;

// Pictures.
inline constexpr int IDB_TITLE = 141;
inline constexpr int IDB_FEATURES = 142;
inline constexpr int IDB_MASCOT = 143;
inline constexpr int IDB_CREATURE = 144;
inline constexpr int IDB_MINIMUM_SPEC = 147;
inline constexpr int IDB_RECOMMENDED_SPEC = 148;

// Controls of the launcher dialog.
inline constexpr int IDC_INSTALL_PLAY = 1001;
inline constexpr int IDC_DRIVER_SETTINGS = 1002;
inline constexpr int IDC_EXIT = 1004;
inline constexpr int IDC_RESET_KEYBOARD = 1005;
inline constexpr int IDC_RESET_CONTROLLER = 1006;

// Controls of the requirements introduction screen.
inline constexpr int IDC_SHOW_REQUIRED = 1028;
inline constexpr int IDC_SHOW_RECOMMENDED = 1029;
