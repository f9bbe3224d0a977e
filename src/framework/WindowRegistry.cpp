#include "framework/WindowRegistry.h"

#include <QVariant>
#include <algorithm>

namespace vorn::fw {

namespace {
constexpr const char* kHandleProperty = "vornHwnd";
}

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

WindowRecord& WindowRegistry::add(WindowKind kind, QWidget* widget) {
    auto record = std::make_unique<WindowRecord>();
    record->handle = reinterpret_cast<HWND>(m_next);
    m_next += 4;
    record->kind = kind;
    record->widget = widget;
    widget->setProperty(kHandleProperty,
                        QVariant::fromValue(reinterpret_cast<qulonglong>(record->handle)));
    WindowRecord& result = *record;
    m_order.push_back(result.handle);
    m_windows.emplace(result.handle, std::move(record));
    return result;
}

WindowRecord* WindowRegistry::find(HWND handle) const {
    if (handle == nullptr) {
        return nullptr;
    }
    auto it = m_windows.find(handle);
    return it == m_windows.end() ? nullptr : it->second.get();
}

WindowRecord* WindowRegistry::findByWidget(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        QVariant value = w->property(kHandleProperty);
        if (value.isValid()) {
            WindowRecord* record = find(reinterpret_cast<HWND>(value.toULongLong()));
            if (record != nullptr && record->widget == w) {
                return record;
            }
        }
    }
    return nullptr;
}

void WindowRegistry::remove(HWND handle) {
    auto it = m_windows.find(handle);
    if (it == m_windows.end()) {
        return;
    }
    std::unique_ptr<WindowRecord> record = std::move(it->second);
    m_windows.erase(it);
    m_order.erase(std::remove(m_order.begin(), m_order.end(), handle), m_order.end());
    if (record->object != nullptr && record->object->m_hWnd == handle) {
        record->object->m_hWnd = nullptr;
    }
    if (record->temporary) {
        record->temporary->m_hWnd = nullptr;
    }
    if (record->widget) {
        record->widget->setProperty(kHandleProperty, QVariant());
    }
}

std::vector<HWND> WindowRegistry::ownedBy(HWND owner) const {
    std::vector<HWND> result;
    for (HWND handle : m_order) {
        const WindowRecord* record = find(handle);
        if (record != nullptr && record->kind == WindowKind::Dialog && record->owner == owner) {
            result.push_back(handle);
        }
    }
    return result;
}

std::vector<HWND> WindowRegistry::dialogs() const {
    std::vector<HWND> result;
    for (HWND handle : m_order) {
        const WindowRecord* record = find(handle);
        if (record != nullptr && record->kind == WindowKind::Dialog) {
            result.push_back(handle);
        }
    }
    return result;
}

} // namespace vorn::fw
