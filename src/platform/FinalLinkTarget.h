#pragma once

// Where a path leads once every symbolic link on it is followed, without requiring the last file
// to exist: a writer that replaces that file keeps the links as links, also when the link names a
// file still to be made.

#include <filesystem>
#include <optional>

// The path itself when it is not a link or does not exist; nothing when the chain cannot be
// followed (a loop, an unreadable link, a folder on the way that is not one).
std::optional<std::filesystem::path> finalLinkTarget(std::filesystem::path path);
