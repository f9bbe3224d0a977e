#pragma once

// The dialog template of a message box, laid out for its text: the icon on the left, the text
// beside it (one line per line feed, long lines wrapped), the buttons centred in a row below.

#include "framework/DialogTemplate.h"
#include "framework/UiTypes.h"

#include <string>
#include <vector>

namespace vorn::fw {

class MessageBoxBuilder {
public:
    // Ids of the icon and text controls.
    static constexpr int kIconId = 20;
    static constexpr int kTextId = 0xFFFF;

    MessageBoxBuilder(const char* text, const char* caption, UINT type, bool topmost);

    const DialogTemplate& dialogTemplate() const { return m_template; }

    // The message boxes' dialog procedure: a button ends the box with its id; Escape and the
    // close request (IDCANCEL) end it only when it has a Cancel button (IDCANCEL) or only an OK
    // button (IDOK).
    static INT_PTR procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::string m_text;
    std::string m_caption;
    std::vector<DialogItemTemplate> m_items;
    DialogTemplate m_template{};
};

} // namespace vorn::fw
