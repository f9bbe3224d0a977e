#pragma once

// Icon handles: each icon of a module is loaded once, shared by every caller and never freed.

#include "framework/UiTypes.h"

#include <QIcon>
#include <deque>
#include <map>
#include <utility>

namespace vorn::fw {

class IconStore {
public:
    static IconStore& instance();

    // The icon numbered id in the module; with no module, the system's icons (IDI_HAND 32513,
    // IDI_QUESTION 32514, IDI_EXCLAMATION 32515, IDI_ASTERISK 32516). nullptr when there is none.
    HICON load(HINSTANCE module, UINT id);
    // The icon of a handle; a null icon for a handle that is none.
    QIcon icon(HICON handle) const;

private:
    IconStore() = default;

    std::deque<QIcon> m_icons; // a handle is the address of its icon here, which never moves
    std::map<std::pair<HINSTANCE, UINT>, HICON> m_loaded;
};

} // namespace vorn::fw
