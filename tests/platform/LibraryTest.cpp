// Loading the extras library: where a bare name is looked for, and the lookups on a loaded one.

#include "platform/Library.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ; // NOLINT: the POSIX name

namespace fs = std::filesystem;
using vorntest::TempDir;
using vorntest::writeFile;

namespace {

const fs::path libraryWithIsP6 = VORN_EXTRAS_WITH_ISP6;
const fs::path libraryWithoutIsP6 = VORN_EXTRAS_WITHOUT_ISP6;
const fs::path probeProgram = VORN_LIBRARY_PROBE;

// The export's real type; the detour through void (*)() is the sanctioned way between function
// pointer types.
int (*asIntFunction(FARPROC procedure))() {
    return reinterpret_cast<int (*)()>(reinterpret_cast<void (*)()>(procedure));
}

// What library_probe's exit code says.
constexpr int notLoaded = 10;
constexpr int loadedWithoutIsP6 = 11;
constexpr int loadedWithIsP6 = 12;

enum class Library { None, WithIsP6, WithoutIsP6, Unloadable };

void place(Library library, const fs::path& folder) {
    const fs::path file = folder / "instxtra.dll";
    switch (library) {
    case Library::None:
        break;
    case Library::WithIsP6:
        fs::copy_file(libraryWithIsP6, file);
        break;
    case Library::WithoutIsP6:
        fs::copy_file(libraryWithoutIsP6, file);
        break;
    case Library::Unloadable:
        writeFile(file, "not a shared object\n");
        break;
    }
}

struct Folders {
    fs::path program; // holds the probe program
    fs::path current; // its current directory
    fs::path system;  // on LD_LIBRARY_PATH
    fs::path path;    // on PATH
};

std::string systemFolderOnly(const Folders& f) {
    return f.system.string();
}

struct LoadCase {
    const char* name;
    Library inProgramFolder;
    Library inCurrentFolder;
    Library onSystemPath;
    Library onPath;
    std::function<std::string(const Folders&)> libraryName;
    int expected;
    // LD_LIBRARY_PATH as the user set it.
    std::function<std::string(const Folders&)> libraryPath = systemFolderOnly;
};

std::string bareName(const Folders&) {
    return "instxtra.dll";
}

const std::vector<LoadCase> loadCases = {
    {"program folder before the system path", Library::WithIsP6, Library::None,
     Library::WithoutIsP6, Library::None, bareName, loadedWithIsP6},
    {"system path when the program folder has none", Library::None, Library::None,
     Library::WithoutIsP6, Library::None, bareName, loadedWithoutIsP6},
    {"never the current folder", Library::None, Library::WithIsP6, Library::None, Library::None,
     bareName, notLoaded},
    {"system path, not the current folder", Library::None, Library::WithIsP6, Library::WithoutIsP6,
     Library::None, bareName, loadedWithoutIsP6},
    {"never PATH", Library::None, Library::None, Library::None, Library::WithIsP6, bareName,
     notLoaded},
    {"a copy in the program folder that cannot be loaded is final", Library::Unloadable,
     Library::None, Library::WithIsP6, Library::None, bareName, notLoaded},
    {"relative name with a folder is used as given", Library::None, Library::WithIsP6,
     Library::WithoutIsP6, Library::None,
     [](const Folders&) { return std::string("./instxtra.dll"); }, loadedWithIsP6},
    {"absolute name", Library::None, Library::None, Library::None, Library::WithoutIsP6,
     [](const Folders& f) { return (f.path / "instxtra.dll").string(); }, loadedWithoutIsP6},
    {"absolute name of a missing file", Library::WithIsP6, Library::None, Library::None,
     Library::None, [](const Folders& f) { return (f.path / "instxtra.dll").string(); }, notLoaded},
    // An empty or relative entry makes the system loader look in the current folder, which on a
    // CD is the folder a planted library would lie in; such entries are passed over.
    {"never the current folder through an empty entry of the loader's path", Library::None,
     Library::WithIsP6, Library::None, Library::None, bareName, notLoaded,
     [](const Folders& f) {
         return ":" + f.system.string();
     }},
    {"never the current folder through a relative entry", Library::None, Library::WithIsP6,
     Library::None, Library::None, bareName, notLoaded,
     [](const Folders& f) {
         return f.system.string() + ":.";
     }},
    {"the absolute entries of such a path are still searched", Library::None, Library::WithIsP6,
     Library::WithoutIsP6, Library::None, bareName, loadedWithoutIsP6,
     [](const Folders& f) {
         return ".::" + f.system.string() + ":";
     }},
};

// Runs the probe from its folder with the given current folder, LD_LIBRARY_PATH and PATH; the
// probe's exit code, or -1.
int runProbe(const Folders& folders, const std::string& libraryName,
             const std::string& libraryPath) {
    const fs::path program = folders.program / "library_probe";
    std::vector<std::string> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        std::string entry(*variable);
        if (entry.rfind("LD_LIBRARY_PATH=", 0) != 0 && entry.rfind("PATH=", 0) != 0) {
            environment.push_back(entry);
        }
    }
    environment.push_back("LD_LIBRARY_PATH=" + libraryPath);
    environment.push_back("PATH=" + folders.path.string() + ":/usr/bin:/bin");
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string arg0 = program.string();
    std::string arg1 = libraryName;
    std::vector<char*> argv = {arg0.data(), arg1.data(), nullptr};

    pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(folders.current.c_str()) == 0) {
            ::execve(program.c_str(), argv.data(), envp.data());
        }
        ::_exit(127);
    }
    if (pid < 0) {
        return -1;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LoadLibrary, LooksInTheProgramFolderThenTheSystemPathOnly) {
    for (const LoadCase& c : loadCases) {
        SCOPED_TRACE(c.name);
        TempDir program;
        TempDir current;
        TempDir system;
        TempDir path;
        Folders folders{program.path(), current.path(), system.path(), path.path()};
        fs::copy_file(probeProgram, folders.program / "library_probe");
        place(c.inProgramFolder, folders.program);
        place(c.inCurrentFolder, folders.current);
        place(c.onSystemPath, folders.system);
        place(c.onPath, folders.path);

        EXPECT_EQ(runProbe(folders, c.libraryName(folders), c.libraryPath(folders)), c.expected);
    }
}

TEST(LoadLibrary, RefusesNoName) {
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(LoadLibraryA(""), nullptr);
}

TEST(GetProcAddress, FindsExportsOfALoadedLibraryOnly) {
    HMODULE with = LoadLibraryA(libraryWithIsP6.c_str());
    ASSERT_NE(with, nullptr);
    HMODULE without = LoadLibraryA(libraryWithoutIsP6.c_str());
    ASSERT_NE(without, nullptr);

    FARPROC isP6 = GetProcAddress(with, "isP6");
    ASSERT_NE(isP6, nullptr);
    EXPECT_EQ(asIntFunction(isP6)(), 6); // its real type
    EXPECT_EQ(GetProcAddress(without, "isP6"), nullptr);
    EXPECT_NE(GetProcAddress(without, "isP5"), nullptr);
    EXPECT_EQ(GetProcAddress(with, "isp6"), nullptr) << "export names keep their case";
    EXPECT_EQ(GetProcAddress(with, ""), nullptr);
    EXPECT_EQ(GetProcAddress(with, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "malloc"), nullptr) << "no null handle reaches the loader";

    EXPECT_EQ(FreeLibrary(with), TRUE);
    EXPECT_EQ(FreeLibrary(without), TRUE);
    EXPECT_EQ(FreeLibrary(nullptr), FALSE);
}

} // namespace
