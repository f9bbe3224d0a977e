// Started by the library tests from folders they lay out. Loads the library named by its first
// argument (default "instxtra.dll") the way the program does and tells by its exit code what it
// found: 10 nothing loaded, 11 loaded without "isP6", 12 loaded and "isP6" answered 6, 13 loaded
// and "isP6" answered something else.

#include "platform/Library.h"

namespace {

// The export's real type; the detour through void (*)() is the sanctioned way between function
// pointer types.
int (*asIntFunction(FARPROC procedure))() {
    return reinterpret_cast<int (*)()>(reinterpret_cast<void (*)()>(procedure));
}

} // namespace

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "instxtra.dll";
    HMODULE module = LoadLibraryA(name);
    if (module == nullptr) {
        return 10;
    }
    FARPROC isP6 = GetProcAddress(module, "isP6");
    // Called through its real type: the library's isP6 returns an int.
    int result = isP6 == nullptr ? 11 : (asIntFunction(isP6)() == 6 ? 12 : 13);
    return FreeLibrary(module) ? result : 14;
}
