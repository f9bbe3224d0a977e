#pragma once

// Renaming without ever replacing, for filesystems that refuse renameat2's RENAME_NOREPLACE:
// link() fails with EEXIST when the new name is taken, so no check-then-rename window exists.
// Not for directories (link() refuses them). 0, or -1 with errno set; on failure both names are
// as they were.

namespace crt {

int renameByLink(const char* oldname, const char* newname);

} // namespace crt
