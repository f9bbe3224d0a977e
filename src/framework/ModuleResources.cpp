#include "framework/ModuleResources.h"

#include "framework/ModuleStore.h"

HINSTANCE AfxRegisterModule(const ModuleResources& resources) {
    return vorn::fw::ModuleStore::instance().add(resources);
}

const DialogTemplate* AfxFindDialogTemplate(HINSTANCE module, UINT id) {
    if (const ModuleResources* resources = vorn::fw::ModuleStore::instance().find(module)) {
        for (const DialogTemplate& dialog : resources->dialogs) {
            if (dialog.id == id) {
                return &dialog;
            }
        }
    }
    return nullptr;
}
