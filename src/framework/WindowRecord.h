#pragma once

// What the dialog manager knows about one window (a dialog or one of its controls).

#include "framework/CWnd.h"
#include "framework/UiTypes.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

namespace vorn::fw {

class DialogWindow;

enum class WindowKind {
    Dialog,
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    StaticText,
    Picture,
    ListBox,
};

struct WindowRecord {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Dialog;
    QPointer<QWidget> widget;
    int id = 0;
    DWORD style = 0; // WS_TABSTOP of radio buttons changes with their check state
    DWORD exStyle = 0;
    HWND parent = nullptr;           // controls: their dialog
    HWND owner = nullptr;            // dialogs: the window that owns them
    std::string text;                // the text as the program gave it, mnemonic '&' included
    CWnd* object = nullptr;          // the program's object attached to the window
    std::unique_ptr<CWnd> temporary; // the framework's object for FromHandle, when none is attached
    bool destroying = false;

    bool isControl() const { return kind != WindowKind::Dialog; }
    bool isButton() const {
        return kind == WindowKind::PushButton || kind == WindowKind::CheckBox ||
               kind == WindowKind::RadioButton;
    }
    // Whether the control can hold the keyboard focus at all.
    bool canFocus() const { return isButton() || kind == WindowKind::ListBox; }
    // The window's own enabled and visible states, not those it inherits from its dialog.
    bool ownEnabled() const { return widget && !widget->testAttribute(Qt::WA_ForceDisabled); }
    bool ownVisible() const { return widget && !widget->isHidden(); }
    bool autoRadio() const { return kind == WindowKind::RadioButton && (style & 0xF) == 0x9; }
};

} // namespace vorn::fw
