// Started by the process tests in place of the game or the installer. It writes what it was
// started with to the file named by VORN_PROBE_OUT: its arguments, the variable VORN_PROBE_MARK,
// its current directory, its blocked and ignored signals and its descriptors above 2.

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string statusLine(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            std::size_t value = line.find_first_not_of(" \t", key.size() + 1);
            return value == std::string::npos ? std::string() : line.substr(value);
        }
    }
    return "?";
}

std::string openDescriptors() {
    std::string list;
    DIR* fds = ::opendir("/proc/self/fd");
    if (fds == nullptr) {
        return "?";
    }
    while (const dirent* entry = ::readdir(fds)) {
        int fd = std::atoi(entry->d_name);
        if (entry->d_name[0] != '.' && fd > 2 && fd != ::dirfd(fds)) {
            list += std::to_string(fd) + " ";
        }
    }
    ::closedir(fds);
    return list;
}

} // namespace

int main(int argc, char** argv) {
    // Looked at first, before anything of our own is opened.
    std::string descriptors = openDescriptors();
    const char* out = std::getenv("VORN_PROBE_OUT");
    if (out == nullptr) {
        return 3;
    }
    std::ofstream record(out, std::ios::trunc);
    record << "argc=" << argc << '\n';
    for (int i = 0; i < argc; ++i) {
        record << "arg=" << argv[i] << '\n';
    }
    const char* mark = std::getenv("VORN_PROBE_MARK");
    record << "mark=" << (mark ? mark : "") << '\n';
    char cwd[4096] = {};
    record << "cwd=" << (::getcwd(cwd, sizeof cwd) ? cwd : "?") << '\n';
    record << "sigblk=" << statusLine("SigBlk") << '\n';
    record << "sigign=" << statusLine("SigIgn") << '\n';
    record << "fds=" << descriptors << '\n';
    return record.flush() ? 0 : 4;
}
