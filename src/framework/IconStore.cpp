#include "framework/IconStore.h"

#include "framework/ModuleStore.h"

#include <QApplication>
#include <QStyle>

namespace vorn::fw {

namespace {

QIcon systemIcon(UINT id) {
    QStyle* style = QApplication::style();
    if (style == nullptr) {
        return {};
    }
    switch (id) {
    case 32513:
        return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case 32514:
        return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    case 32515:
        return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case 32516:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

} // namespace

IconStore& IconStore::instance() {
    static IconStore store;
    return store;
}

HICON IconStore::load(HINSTANCE module, UINT id) {
    auto key = std::make_pair(module, id);
    if (auto it = m_loaded.find(key); it != m_loaded.end()) {
        return it->second;
    }
    QIcon icon = module != nullptr ? ModuleStore::instance().icon(module, id) : systemIcon(id);
    if (icon.isNull()) {
        return nullptr;
    }
    m_icons.push_back(icon);
    auto handle = reinterpret_cast<HICON>(&m_icons.back());
    m_loaded.emplace(key, handle);
    return handle;
}

QIcon IconStore::icon(HICON handle) const {
    for (const QIcon& icon : m_icons) {
        if (static_cast<const void*>(&icon) == static_cast<const void*>(handle)) {
            return icon;
        }
    }
    return {};
}

} // namespace vorn::fw
