#include "settings/ArrangeDriverFiles.h"

#include "launcher/CopyWholeFile.h"
#include "platform/Runtime.h"

namespace {

// The directory is used as stored, with this platform's separator before the file name.
CString InDir(const CString& strDir, LPCSTR pszName) {
    return strDir + "/" + pszName;
}

} // namespace

void ArrangeDriverFiles(CString strInstallDir, LPCSTR pszDriverId, DWORD dwVoodooRush) {
    const CString strActiveS3 = InDir(strInstallDir, "s3dtkw.dll");
    const CString strParkedS3 = InDir(strInstallDir, "s3dtkw.dlo");

    crt::rename(strParkedS3, strActiveS3);
    if (crt::_stricmp(pszDriverId ? pszDriverId : "", "s3_win") == 0)
        crt::rename(strActiveS3, strParkedS3);

    const LPCSTR pszGlideVariant = dwVoodooRush == 1 ? "glide2x.rsh" : "glide2x.voo";
    CopyWholeFile(InDir(strInstallDir, pszGlideVariant), InDir(strInstallDir, "glide2x.dll"));
}
