#pragma once

// The whole-file copy that the control-setup reset and the driver file arrangement share.

#include "framework/CString.h"

// Copies source to destination byte for byte, with no translation, through one buffer that holds
// the whole source; the source is read and closed before the destination is touched, so both may
// name the same file. Reports nothing. The destination either keeps its old bytes or ends with
// exactly the source's bytes:
// - it is left untouched when the source cannot be opened or fully read (a directory, a FIFO, a
//   file that shrinks while being read), when the buffer cannot be had, or when the destination
//   cannot be written (a file or folder without write permission, even for root; something other
//   than a regular file);
// - otherwise it is replaced atomically by a file written in full and flushed in the same folder,
//   which keeps the old file's permission bits and, where possible, its owner. A new file gets
//   0666 less the umask. A destination that is a symbolic link stays one: the file it points to
//   is replaced. No temporary file is left behind.
void CopyWholeFile(CString source, CString destination);
