#include "platform/Library.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

void* open(const std::string& path) {
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The folder the running program was loaded from; empty when the system cannot say.
std::filesystem::path programFolder() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return program.parent_path();
}

} // namespace

HMODULE LoadLibraryA(LPCSTR lpLibFileName) {
    if (lpLibFileName == nullptr || *lpLibFileName == '\0') {
        return nullptr;
    }
    std::string_view name(lpLibFileName);
    if (name.find('/') != std::string_view::npos) {
        return static_cast<HMODULE>(open(std::string(name)));
    }

    // A copy in the program's own folder is the one meant. When the file is there, it is final,
    // even if it cannot be loaded: falling through to a same-named library elsewhere would run
    // code nobody put beside the program.
    if (std::filesystem::path folder = programFolder(); !folder.empty()) {
        std::filesystem::path candidate = folder / name;
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) {
            return static_cast<HMODULE>(open(candidate.string()));
        }
    }
    // A name without '/' makes the system loader search its own path (run path, LD_LIBRARY_PATH,
    // its cache and the system folders). It looks in the current directory only if whoever set
    // LD_LIBRARY_PATH asked for that; nothing here adds it.
    return static_cast<HMODULE>(open(std::string(name)));
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (hModule == nullptr || lpProcName == nullptr) {
        return nullptr;
    }
    void* symbol = ::dlsym(hModule, lpProcName);
    // Function and object pointers share one representation on every platform dlsym exists on.
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE hLibModule) {
    if (hLibModule == nullptr) {
        return FALSE;
    }
    return ::dlclose(hLibModule) == 0 ? TRUE : FALSE;
}
