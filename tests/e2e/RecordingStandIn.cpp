// A stand-in for the installer and the game in tests. Copied under their names (_setup.exe,
// vorn.exe), it records how it was started into <VORN_STANDIN_RECORDS>/<own file name>.rec:
// its arguments, its working directory and its process id. The record appears whole (written
// beside it, then renamed), so a test may wait for it to exist and then read it.
//
// With VORN_STANDIN_HOLD set it then stays alive until <VORN_STANDIN_RECORDS>/release exists (or
// the folder is gone), so a test can check that its starter did not wait for it.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const char* records = std::getenv("VORN_STANDIN_RECORDS");
    if (records == nullptr || *records == '\0')
        return 2;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return 2;
    const fs::path record = fs::path(records) / (self.filename().string() + ".rec");
    const fs::path partial = fs::path(record).concat(".part");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << "exe=" << self.string() << '\n';
        out << "argc=" << argc << '\n';
        for (int i = 0; i < argc; ++i)
            out << "argv" << i << '=' << argv[i] << '\n';
        out << "cwd=" << fs::current_path(ec).string() << '\n';
        out << "pid=" << ::getpid() << '\n';
        if (!out.flush())
            return 3;
    }
    fs::rename(partial, record, ec);
    if (ec)
        return 3;

    if (std::getenv("VORN_STANDIN_HOLD") != nullptr) {
        const fs::path release = fs::path(records) / "release";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        while (!fs::exists(release) && fs::exists(records) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}
