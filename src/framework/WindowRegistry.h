#pragma once

// Window handles: every dialog and control gets a handle that is never used again once the window
// is gone, so a stale handle finds nothing instead of another window.

#include "framework/WindowRecord.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class QWidget;

namespace vorn::fw {

class WindowRegistry {
public:
    static WindowRegistry& instance();

    WindowRecord& add(WindowKind kind, QWidget* widget);
    WindowRecord* find(HWND handle) const;
    // The record of the widget or of the nearest of its parents that is a window.
    WindowRecord* findByWidget(const QWidget* widget) const;
    // Forgets the window; its framework object is deleted, a program object is detached.
    void remove(HWND handle);

    // The dialogs that handle owns, oldest first.
    std::vector<HWND> ownedBy(HWND owner) const;
    // Every dialog, oldest first.
    std::vector<HWND> dialogs() const;

    // The innermost modal runs, innermost last.
    std::vector<HWND>& modalStack() { return m_modalStack; }

private:
    WindowRegistry() = default;

    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<HWND> m_order; // creation order of the windows still there
    std::uintptr_t m_next = 0x10000;
    std::vector<HWND> m_modalStack;
};

} // namespace vorn::fw
