#pragma once

// Dynamic libraries over the system loader. A bare name is looked for in the folder the program
// was loaded from first, then in the absolute folders of the system loader's own path; never in
// the current directory (not even through an empty or relative entry of LD_LIBRARY_PATH) or on
// PATH. A name with a '/' is used as given.

#include "platform/WinTypes.h"

HMODULE LoadLibraryA(LPCSTR lpLibFileName);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
BOOL FreeLibrary(HMODULE hLibModule);
