#pragma once

// The registered modules, and the pictures and icons in them.

#include "framework/ModuleResources.h"

#include <QIcon>
#include <QPixmap>
#include <memory>
#include <vector>

namespace vorn::fw {

class ModuleStore {
public:
    static ModuleStore& instance();

    HINSTANCE add(const ModuleResources& resources);
    // The tables of a registered module; nullptr for any other handle.
    const ModuleResources* find(HINSTANCE module) const;

    // A null pixmap or icon when the module has no such resource or it cannot be decoded.
    QPixmap bitmap(HINSTANCE module, UINT id) const;
    QIcon icon(HINSTANCE module, UINT id) const;

private:
    ModuleStore() = default;

    // Each module's handle is the address of its entry, which never moves.
    std::vector<std::unique_ptr<ModuleResources>> m_modules;
};

} // namespace vorn::fw
