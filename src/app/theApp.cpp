#include "app/CSetupApp.h"

// The one application object. Constructing it registers it with the framework, which finds it
// from the entry point; nothing names it. It lives in the program's own sources, not in a library,
// so that the linker keeps it.
CSetupApp theApp;
