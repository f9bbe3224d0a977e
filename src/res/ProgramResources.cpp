#include "res/ProgramResources.h"

#include "res/RequirementTemplates.h"
#include "res/SetupDialogTemplate.h"

namespace {

constexpr DialogTemplate kDialogs[] = {
    res::kSetupDialog,
    res::kSpecificationScreen,
    res::kRequiredScreen,
    res::kRecommendedScreen,
};

// The pictures and the icon are compiled into the program as Qt resources (see CMakeLists.txt).
constexpr BitmapResource kBitmaps[] = {
    {IDB_TITLE, ":/res/pictures/title.png"},
    {IDB_FEATURES, ":/res/pictures/features.png"},
    {IDB_MASCOT, ":/res/pictures/mascot.png"},
    {IDB_CREATURE, ":/res/pictures/creature.png"},
    {IDB_MINIMUM_SPEC, ":/res/pictures/minimum_spec.png"},
    {IDB_RECOMMENDED_SPEC, ":/res/pictures/recommended_spec.png"},
};

constexpr IconResource kIcons[] = {
    {IDI_SETUP_ICON, ":/res/pictures/setup_icon.png"},
};

constexpr ModuleResources kResources{kDialogs, kBitmaps, kIcons};

} // namespace

const ModuleResources& ProgramResources() {
    return kResources;
}
