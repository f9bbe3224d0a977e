#pragma once

// The names the framework derives from the program file: the application title (the file's name
// without directory and extension, in the letter case it has) and the help file's path (the
// program's full path with its extension replaced by ".HLP").

#include <string>

namespace vorn::fw {

struct ProgramNames {
    std::string title;
    std::string helpPath;
};

ProgramNames DeriveProgramNames(const std::string& programPath);

// The running program's full path, as the system reports it; empty when it cannot say.
std::string RunningProgramPath();

} // namespace vorn::fw
