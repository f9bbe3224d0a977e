#pragma once

// The dialog manager's keyboard: Tab and Shift+Tab along the tab stops, arrow keys within a
// group, Enter for the focused or the default push button, Escape for IDCANCEL, mnemonics, and
// F1 for help in the framework's own dialogs.

#include <QChar>

class QKeyEvent;

namespace vorn::fw {

class DialogWindow;
struct WindowRecord;

class DialogKeyboard {
public:
    explicit DialogKeyboard(DialogWindow& dialog) : m_dialog(dialog) {}

    // Handles a key pressed while focused has the focus (nullptr: no control); true when the key
    // was the dialog manager's and the control must not see it.
    bool handleKey(const QKeyEvent& event, WindowRecord* focused);

    // Moves the focus to the next (previous) tab stop, wrapping.
    void moveTab(bool forward);

private:
    void enter(const WindowRecord* focused);
    void moveInGroup(const WindowRecord* focused, bool forward);
    bool mnemonic(QChar letter, const WindowRecord* focused);
    void help();
    // The next tab stop after index (before it when !forward), wrapping; -1 when none.
    int nextTabStop(int index, bool forward) const;

    DialogWindow& m_dialog;
};

} // namespace vorn::fw
