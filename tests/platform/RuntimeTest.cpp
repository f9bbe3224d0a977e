// The runtime-library calls: starting programs, changing directory, renaming without replacing,
// comparing without letter case.

#include "platform/Runtime.h"
#include "platform/RenameByLink.h"
#include "platform/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using vorntest::CurrentDir;
using vorntest::readFile;
using vorntest::TempDir;
using vorntest::writeFile;

namespace {

const fs::path probeProgram = VORN_SPAWN_PROBE;

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// The child's exit code, or -1 when it did not exit normally.
int waitForExit(std::intptr_t pid) {
    int status = 0;
    while (::waitpid(static_cast<pid_t>(pid), &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// key=value lines; a key may repeat.
std::multimap<std::string, std::string> readRecord(const fs::path& file) {
    std::multimap<std::string, std::string> record;
    std::string text = readFile(file);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) {
            record.emplace(line.substr(0, eq), line.substr(eq + 1));
        }
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return record;
}

std::string only(const std::multimap<std::string, std::string>& record, const std::string& key) {
    EXPECT_EQ(record.count(key), 1U) << key;
    auto it = record.find(key);
    return it == record.end() ? std::string() : it->second;
}

void copyProgram(const fs::path& to, fs::perms perms = fs::perms(0755)) {
    fs::copy_file(probeProgram, to, fs::copy_options::overwrite_existing);
    fs::permissions(to, perms);
}

void writeScript(const fs::path& to, const std::string& text) {
    writeFile(to, text);
    fs::permissions(to, fs::perms(0755));
}

enum class Outcome { Refused, StartsProbe, StartsScript };

struct SpawnCase {
    const char* name;
    // Lays the case out in cwd (the current directory) and onPath (a folder at the head of PATH);
    // gives the name to start.
    std::function<std::string(const fs::path& cwd, const fs::path& onPath)> arrange;
    Outcome outcome;
    int error; // errno when refused
};

const std::vector<SpawnCase> spawnCases = {
    {"bare name in the current directory",
     [](const fs::path& cwd, const fs::path&) {
         copyProgram(cwd / "_setup.exe");
         return std::string("_setup.exe");
     },
     Outcome::StartsProbe, 0},
    {"bare name found only on PATH",
     [](const fs::path&, const fs::path& onPath) {
         copyProgram(onPath / "vornprobe");
         return std::string("vornprobe");
     },
     Outcome::Refused, ENOENT},
    {"absolute path",
     [](const fs::path& cwd, const fs::path&) {
         copyProgram(cwd / "vorn.exe");
         return (cwd / "vorn.exe").string();
     },
     Outcome::StartsProbe, 0},
    {"relative path with a folder",
     [](const fs::path& cwd, const fs::path&) {
         fs::create_directory(cwd / "game");
         copyProgram(cwd / "game" / "vorn.exe");
         return std::string("game/vorn.exe");
     },
     Outcome::StartsProbe, 0},
    {"script with a shebang line",
     [](const fs::path& cwd, const fs::path&) {
         writeScript(cwd / "_setup.exe", "#!/bin/sh\n"
                                         "{ echo \"extra=$#\"; echo \"mark=$VORN_PROBE_MARK\";"
                                         " echo \"cwd=$(pwd -P)\"; } > \"$VORN_PROBE_OUT\"\n");
         return std::string("_setup.exe");
     },
     Outcome::StartsScript, 0},
    {"missing file", [](const fs::path&, const fs::path&) { return std::string("_setup.exe"); },
     Outcome::Refused, ENOENT},
    {"file without execute permission",
     [](const fs::path& cwd, const fs::path&) {
         copyProgram(cwd / "vorn.exe", fs::perms(0644));
         return std::string("vorn.exe");
     },
     Outcome::Refused, EACCES},
    {"directory",
     [](const fs::path& cwd, const fs::path&) {
         fs::create_directory(cwd / "vorn.exe");
         return std::string("vorn.exe");
     },
     Outcome::Refused, EACCES},
    {"executable file in no format the kernel runs",
     [](const fs::path& cwd, const fs::path&) {
         writeScript(cwd / "vorn.exe", "not a program for this system\n");
         return std::string("vorn.exe");
     },
     Outcome::Refused, ENOEXEC},
    {"empty name", [](const fs::path&, const fs::path&) { return std::string(); }, Outcome::Refused,
     ENOENT},
};

TEST(Spawn, StartsWhatItShouldAndRefusesTheRest) {
    for (const SpawnCase& c : spawnCases) {
        SCOPED_TRACE(c.name);
        TempDir cwd;
        TempDir onPath;
        TempDir records;
        const fs::path out = records / "record";
        std::string path =
            onPath.path().string() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "");
        ScopedEnv pathVariable("PATH", path);
        ScopedEnv outVariable("VORN_PROBE_OUT", out.string());
        ScopedEnv markVariable("VORN_PROBE_MARK", std::string("mark ") + c.name);
        CurrentDir inCwd(cwd.path());

        std::string name = c.arrange(cwd.path(), onPath.path());
        errno = 0;
        std::intptr_t pid = crt::_spawnl(crt::_P_NOWAIT, name.c_str(), name.c_str(), nullptr);

        if (c.outcome == Outcome::Refused) {
            EXPECT_EQ(pid, -1);
            EXPECT_EQ(errno, c.error) << std::strerror(errno);
            EXPECT_FALSE(fs::exists(out));
            continue;
        }
        ASSERT_GT(pid, 0) << std::strerror(errno);
        ASSERT_EQ(waitForExit(pid), 0);
        auto record = readRecord(out);
        EXPECT_EQ(only(record, "mark"), std::string("mark ") + c.name);
        EXPECT_EQ(only(record, "cwd"), fs::canonical(cwd.path()).string());
        if (c.outcome == Outcome::StartsProbe) {
            EXPECT_EQ(only(record, "argc"), "1");
            EXPECT_EQ(only(record, "arg"), name);
        } else {
            EXPECT_EQ(only(record, "extra"), "0"); // no argument besides the script itself
        }
    }
}

TEST(Spawn, PassesExactlyTheArgumentsGiven) {
    TempDir cwd;
    TempDir records;
    ScopedEnv outVariable("VORN_PROBE_OUT", (records / "record").string());
    CurrentDir inCwd(cwd.path());
    copyProgram(cwd / "vorn.exe");

    std::intptr_t pid = crt::_spawnl(crt::_P_NOWAIT, "vorn.exe", "C:\\VORN\\vorn.exe",
                                     "with  two blanks", "", nullptr);
    ASSERT_GT(pid, 0);
    ASSERT_EQ(waitForExit(pid), 0);
    auto record = readRecord(records / "record");
    EXPECT_EQ(only(record, "argc"), "3");
    auto [first, last] = record.equal_range("arg");
    std::vector<std::string> args;
    for (auto it = first; it != last; ++it) {
        args.push_back(it->second);
    }
    EXPECT_EQ(args, (std::vector<std::string>{"C:\\VORN\\vorn.exe", "with  two blanks", ""}));
}

TEST(Spawn, ChildStartsWithoutOurBlockedAndIgnoredSignalsAndDescriptors) {
    TempDir cwd;
    TempDir records;
    ScopedEnv outVariable("VORN_PROBE_OUT", (records / "record").string());
    CurrentDir inCwd(cwd.path());
    copyProgram(cwd / "vorn.exe");

    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR2);
    sigset_t previousMask;
    ASSERT_EQ(::sigprocmask(SIG_BLOCK, &blocked, &previousMask), 0);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previousAction {};
    ASSERT_EQ(::sigaction(SIGUSR1, &ignore, &previousAction), 0);
    int inheritable = ::open("/dev/null", O_RDONLY); // deliberately without O_CLOEXEC
    ASSERT_GE(inheritable, 0);

    std::intptr_t pid = crt::_spawnl(crt::_P_NOWAIT, "vorn.exe", "vorn.exe", nullptr);

    ::close(inheritable);
    ::sigaction(SIGUSR1, &previousAction, nullptr);
    ::sigprocmask(SIG_SETMASK, &previousMask, nullptr);
    ASSERT_GT(pid, 0);
    ASSERT_EQ(waitForExit(pid), 0);
    auto record = readRecord(records / "record");
    EXPECT_EQ(std::stoull(only(record, "sigblk"), nullptr, 16), 0U);
    EXPECT_EQ(std::stoull(only(record, "sigign"), nullptr, 16) & (1ULL << (SIGUSR1 - 1)), 0U);
    EXPECT_EQ(only(record, "fds"), "");
}

TEST(Spawn, RefusesEveryModeButNoWait) {
    for (int mode : {0, 2, 3, -1}) {
        errno = 0;
        EXPECT_EQ(crt::_spawnl(mode, "/bin/true", "/bin/true", nullptr), -1) << mode;
        EXPECT_EQ(errno, EINVAL) << mode;
    }
    errno = 0;
    EXPECT_EQ(crt::_spawnl(crt::_P_NOWAIT, nullptr, "x", nullptr), -1);
    EXPECT_EQ(errno, EINVAL);
}

TEST(ChangeDirectory, MakesAFolderCurrentOrFails) {
    TempDir dir;
    writeFile(dir / "file", "x");
    CurrentDir restore(fs::current_path());

    EXPECT_EQ(crt::_chdir(dir.path().c_str()), 0);
    EXPECT_EQ(fs::current_path(), fs::canonical(dir.path()));

    struct Case {
        std::string path;
        int error;
    };
    for (const Case& c : {Case{(dir / "missing").string(), ENOENT},
                          Case{(dir / "file").string(), ENOTDIR}, Case{"", ENOENT}}) {
        errno = 0;
        EXPECT_EQ(crt::_chdir(c.path.c_str()), -1) << c.path;
        EXPECT_EQ(errno, c.error) << c.path;
        EXPECT_EQ(fs::current_path(), fs::canonical(dir.path())) << "unchanged after " << c.path;
    }
    errno = 0;
    EXPECT_EQ(crt::_chdir(nullptr), -1);
    EXPECT_EQ(errno, EINVAL);
}

// The rename table runs against the call the program uses and against the fallback it takes on
// filesystems without RENAME_NOREPLACE, which must keep the same promises.
struct RenameCase {
    const char* name;
    std::optional<std::string> oldBefore; // content of "s3dtkw.dlo", nothing: absent
    std::optional<std::string> newBefore; // content of "s3dtkw.dll"
    int result;
    int error;
    std::optional<std::string> oldAfter;
    std::optional<std::string> newAfter;
};

const std::vector<RenameCase> renameCases = {
    {"new name free", "parked", std::nullopt, 0, 0, std::nullopt, "parked"},
    {"new name taken", "parked", "active", -1, EEXIST, "parked", "active"},
    {"old name missing", std::nullopt, "active", -1, ENOENT, std::nullopt, "active"},
    {"both missing", std::nullopt, std::nullopt, -1, ENOENT, std::nullopt, std::nullopt},
    {"empty file", "", std::nullopt, 0, 0, std::nullopt, ""},
};

std::optional<std::string> contentOf(const fs::path& file) {
    return fs::exists(file) ? std::optional(readFile(file)) : std::nullopt;
}

void runRenameTable(const std::function<int(const char*, const char*)>& renameCall) {
    for (const RenameCase& c : renameCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path oldName = dir / "s3dtkw.dlo";
        const fs::path newName = dir / "s3dtkw.dll";
        if (c.oldBefore) {
            writeFile(oldName, *c.oldBefore);
        }
        if (c.newBefore) {
            writeFile(newName, *c.newBefore);
        }
        errno = 0;
        EXPECT_EQ(renameCall(oldName.c_str(), newName.c_str()), c.result);
        if (c.result != 0) {
            EXPECT_EQ(errno, c.error) << std::strerror(errno);
        }
        EXPECT_EQ(contentOf(oldName), c.oldAfter);
        EXPECT_EQ(contentOf(newName), c.newAfter);
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) {
            ++entries;
        }
        EXPECT_EQ(entries, (c.oldAfter ? 1U : 0U) + (c.newAfter ? 1U : 0U)) << "nothing added";
    }
}

TEST(Rename, NeverReplaces) {
    runRenameTable(crt::rename);
}

TEST(Rename, LinkFallbackNeverReplaces) {
    runRenameTable(crt::renameByLink);
}

TEST(Rename, RenamesAFolderAndRefusesNullNames) {
    TempDir dir;
    fs::create_directory(dir / "a");
    EXPECT_EQ(crt::rename((dir / "a").c_str(), (dir / "b").c_str()), 0);
    EXPECT_TRUE(fs::is_directory(dir / "b"));
    errno = 0;
    EXPECT_EQ(crt::rename(nullptr, (dir / "c").c_str()), -1);
    EXPECT_EQ(errno, EINVAL);
}

TEST(StringCompare, IgnoresTheCaseOfAsciiLettersOnly) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"s3_win", "S3_WIN", 0},
        {"3DFX_Win", "3dfx_win", 0},
        {"", "", 0},
        {"ddraw", "3dfx_win", 1},
        {"rage_win", "RAGE_WINX", -1},
        {"abc", "ab", 1},
        {"", "a", -1},
        {"_", "A", -1},        // letters fold to lower case: '_' (95) < 'a' (97)
        {"[", "a", -1},        // the same between 'Z' and 'a'
        {"\xC4", "\xE4", -1},  // Latin-1 letters are not folded
        {"\xFF", "a", 1},      // bytes above 127 compare as unsigned
        {"a\x80", "A\x7F", 1}, //
        {"MYST_WIN", "myst_win", 0},
    };
    for (const Case& c : cases) {
        int result = crt::_stricmp(c.a, c.b);
        int sign = (result > 0) - (result < 0);
        EXPECT_EQ(sign, c.sign) << '"' << c.a << "\" vs \"" << c.b << '"';
        int reverse = crt::_stricmp(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << "symmetric for " << c.a;
    }
}

} // namespace
