#include "platform/RenameByLink.h"

#include <cerrno>
#include <unistd.h>

namespace crt {

int renameByLink(const char* oldname, const char* newname) {
    if (::link(oldname, newname) != 0) {
        return -1;
    }
    if (::unlink(oldname) != 0) {
        // Keep the promise that a failed rename changes nothing: drop the name just added.
        int saved = errno;
        ::unlink(newname);
        errno = saved;
        return -1;
    }
    return 0;
}

} // namespace crt
