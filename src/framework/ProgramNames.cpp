#include "framework/ProgramNames.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace vorn::fw {

ProgramNames DeriveProgramNames(const std::string& programPath) {
    // Only the file's own name can carry the extension: a dot in a directory's name (".local",
    // "build.1") is not one, and program files on this system mostly have none.
    std::size_t slash = programPath.rfind('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string_view name = std::string_view(programPath).substr(nameStart);
    std::size_t dot = name.rfind('.');
    std::size_t stemLength = (dot == std::string_view::npos || dot == 0) ? name.size() : dot;

    ProgramNames names;
    names.title = std::string(name.substr(0, stemLength));
    names.helpPath = programPath.substr(0, nameStart + stemLength) + ".HLP";
    return names;
}

std::string RunningProgramPath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    std::string text = path.string();
    // A program file replaced while it runs is reported with this mark after its name.
    constexpr std::string_view kDeleted = " (deleted)";
    if (text.size() > kDeleted.size() &&
        text.compare(text.size() - kDeleted.size(), kDeleted.size(), kDeleted) == 0) {
        text.resize(text.size() - kDeleted.size());
    }
    return text;
}

} // namespace vorn::fw
