#pragma once

// A module's resources: the tables of dialog templates, bitmaps and icons that the framework looks
// up by number. The program registers its own table at start through its entry point; tests
// register tables of their own. Every table and everything it points at must outlive the process
// (constant data with static storage).

#include "framework/DialogTemplate.h"
#include "platform/WinTypes.h"

#include <span>

// A picture, either a path that Qt's image reader opens (a ":/..." path into the program's
// compiled-in resources, or a file) or the encoded image itself (PNG, BMP, ...). When data is not
// empty it is used and path is ignored.
struct BitmapResource {
    UINT id;
    const char* path;
    std::span<const unsigned char> data = {};
};

// An icon, given the same way as a picture.
struct IconResource {
    UINT id;
    const char* path;
    std::span<const unsigned char> data = {};
};

struct ModuleResources {
    std::span<const DialogTemplate> dialogs;
    std::span<const BitmapResource> bitmaps = {};
    std::span<const IconResource> icons = {};
};

// Makes a module of the table and returns its handle. Registering the same table again gives the
// same handle. Handles are never freed.
HINSTANCE AfxRegisterModule(const ModuleResources& resources);

// The template numbered id in the module, or nullptr when the handle is not a registered module
// or holds no such template.
const DialogTemplate* AfxFindDialogTemplate(HINSTANCE module, UINT id);
