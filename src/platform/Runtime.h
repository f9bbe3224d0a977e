#pragma once

// The runtime-library calls the program relies on, with the behaviour it relies on. They live in
// namespace crt because some of them share a name with a C library function of different meaning
// (rename replaces an existing target there; ours never does).

#include <cstdint>

namespace crt {

inline constexpr int _P_NOWAIT = 1;

// Starts a program without waiting. No PATH search: a name with a '/' is used as given, a bare
// name is looked for in the current directory only. The child receives the arguments from arg0
// up to the terminating null pointer (the program passes arg0 only), the environment and the
// current directory. Returns the child's process id, or -1 with errno set when it cannot be
// started, also when the file exists but cannot be executed. Built on posix_spawn.
std::intptr_t _spawnl(int mode, const char* cmdname, const char* arg0, ...);

// Makes path the current directory: 0, or -1 with errno set.
int _chdir(const char* path);

// Gives oldname the name newname, atomically, and never replaces: when newname exists the call
// fails with EEXIST and changes nothing. 0, or -1 with errno set.
int rename(const char* oldname, const char* newname);

// Compares two strings ignoring the letter case of ASCII letters only: <0, 0 or >0.
int _stricmp(const char* a, const char* b);

} // namespace crt
