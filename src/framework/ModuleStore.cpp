#include "framework/ModuleStore.h"

#include <QImage>

namespace vorn::fw {

namespace {

template <typename Resource>
QImage decode(const Resource& resource) {
    QImage image;
    if (!resource.data.empty()) {
        image.loadFromData(resource.data.data(), static_cast<int>(resource.data.size()));
    } else if (resource.path != nullptr) {
        image.load(QString::fromUtf8(resource.path));
    }
    return image;
}

} // namespace

ModuleStore& ModuleStore::instance() {
    static ModuleStore store;
    return store;
}

HINSTANCE ModuleStore::add(const ModuleResources& resources) {
    for (const auto& module : m_modules) {
        if (module->dialogs.data() == resources.dialogs.data() &&
            module->dialogs.size() == resources.dialogs.size() &&
            module->bitmaps.data() == resources.bitmaps.data() &&
            module->bitmaps.size() == resources.bitmaps.size() &&
            module->icons.data() == resources.icons.data() &&
            module->icons.size() == resources.icons.size()) {
            return reinterpret_cast<HINSTANCE>(module.get());
        }
    }
    m_modules.push_back(std::make_unique<ModuleResources>(resources));
    return reinterpret_cast<HINSTANCE>(m_modules.back().get());
}

const ModuleResources* ModuleStore::find(HINSTANCE module) const {
    for (const auto& entry : m_modules) {
        if (reinterpret_cast<HINSTANCE>(entry.get()) == module) {
            return entry.get();
        }
    }
    return nullptr;
}

QPixmap ModuleStore::bitmap(HINSTANCE module, UINT id) const {
    if (const ModuleResources* resources = find(module)) {
        for (const BitmapResource& bitmap : resources->bitmaps) {
            if (bitmap.id == id) {
                return QPixmap::fromImage(decode(bitmap));
            }
        }
    }
    return {};
}

QIcon ModuleStore::icon(HINSTANCE module, UINT id) const {
    if (const ModuleResources* resources = find(module)) {
        for (const IconResource& icon : resources->icons) {
            if (icon.id == id) {
                QImage image = decode(icon);
                return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
            }
        }
    }
    return {};
}

} // namespace vorn::fw
