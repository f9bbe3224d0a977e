#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

// Puts the driver libraries in the installation directory in place for the chosen driver: the S3
// toolkit library gets its active name, or its parked name under the S3 driver, and "glide2x.dll"
// is remade from the Rush variant (flag 1) or the Voodoo variant (otherwise). Every step runs
// whatever became of the one before; no file is ever replaced by a rename, and nothing is
// reported.
void ArrangeDriverFiles(CString strInstallDir, LPCSTR pszDriverId, DWORD dwVoodooRush);
