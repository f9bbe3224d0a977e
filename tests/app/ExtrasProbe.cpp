// A stand-in for the extras library "instxtra.dll" that notes what happens to it, one line each,
// in the file named by VORN_TEST_EXTRAS_LOG: "load", "isP6 windows=<n>" and "unload". <n> is the
// number of visible windows when isP6 was called, as the test program reports it through its
// exported VornTestVisibleWindows. Built with and without isP6 and with several results.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace {

void Note(const char* what, int value = -1) {
    const char* path = std::getenv("VORN_TEST_EXTRAS_LOG");
    if (path == nullptr)
        return;
    if (FILE* log = std::fopen(path, "a")) {
        if (value >= 0)
            std::fprintf(log, "%s=%d\n", what, value);
        else
            std::fprintf(log, "%s\n", what);
        std::fclose(log);
    }
}

__attribute__((constructor)) void Loaded() {
    Note("load");
}

__attribute__((destructor)) void Unloaded() {
    Note("unload");
}

} // namespace

#ifdef EXTRAS_ISP6_RESULT
extern "C" __attribute__((visibility("default"))) std::int32_t isP6();

extern "C" std::int32_t isP6() {
    using CountFn = int (*)();
    auto count = reinterpret_cast<CountFn>(::dlsym(RTLD_DEFAULT, "VornTestVisibleWindows"));
    Note("isP6 windows", count != nullptr ? count() : 999);
    return EXTRAS_ISP6_RESULT;
}
#endif
