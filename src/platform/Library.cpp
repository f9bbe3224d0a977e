#include "platform/Library.h"

#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

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

// The folders the system loader searches for a bare name, in its order: run paths,
// LD_LIBRARY_PATH and its own default folders. An empty or relative entry of LD_LIBRARY_PATH
// (":/opt/lib", ".", a common slip) would make the loader look in the current folder, which on a
// CD is where a planted library would lie; only absolute folders are kept.
std::vector<std::filesystem::path> loaderFolders() {
    std::vector<std::filesystem::path> folders;
    void* self = ::dlopen(nullptr, RTLD_NOW);
    if (self == nullptr) {
        return folders;
    }
    Dl_serinfo size{};
    if (::dlinfo(self, RTLD_DI_SERINFOSIZE, &size) == 0) {
        std::vector<Dl_serinfo> storage(size.dls_size / sizeof(Dl_serinfo) + 1);
        Dl_serinfo* info = storage.data();
        if (::dlinfo(self, RTLD_DI_SERINFOSIZE, info) == 0 &&
            ::dlinfo(self, RTLD_DI_SERINFO, info) == 0) {
            const Dl_serpath* entries = info->dls_serpath;
            for (unsigned int i = 0; i < info->dls_cnt; ++i) {
                std::filesystem::path folder(entries[i].dls_name);
                if (folder.is_absolute()) {
                    folders.push_back(std::move(folder));
                }
            }
        }
    }
    ::dlclose(self);
    return folders;
}

// The first copy of the library in folders, loaded; it is final even if it cannot be loaded, as
// for the system loader. Nothing when no folder holds one.
std::optional<HMODULE> loadFirstIn(const std::vector<std::filesystem::path>& folders,
                                   std::string_view name) {
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path candidate = folder / name;
        std::error_code error;
        if (std::filesystem::exists(candidate, error)) {
            return static_cast<HMODULE>(open(candidate.string()));
        }
    }
    return std::nullopt;
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
        if (std::optional<HMODULE> module = loadFirstIn({folder}, name)) {
            return *module;
        }
    }
    // The loader's own search is not used for the rest: it would honour an entry that means the
    // current folder. (Its cache holds only names of the form lib*.so*, so it has nothing more.)
    return loadFirstIn(loaderFolders(), name).value_or(nullptr);
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
