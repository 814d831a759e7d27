// What an output that replaces an older one needs from the system: a new file that is surely
// ours, a move over the old file in one step, and the answers a direct write would give.
#pragma once

#include <cstdio>
#include <filesystem>

namespace platform {

using Path = std::filesystem::path;

// Creates `path` for binary writing only when no file of that name exists. nullptr with errno
// set when it cannot (EEXIST when the name is taken).
std::FILE* createNewFile(const Path& path);

// Moves `from` over `to` in one step, replacing `to` if it exists (rename on POSIX systems,
// MoveFileExW with MOVEFILE_REPLACE_EXISTING on Windows). 0, or an errno value.
int replaceFile(const Path& from, const Path& to);

// Whether an existing `path` may be replaced: 0 when it may (or does not exist), otherwise the
// errno value that opening it for writing gives (a folder, a read-only file).
int checkReplaceable(const Path& path);

// A device, pipe or socket: written in place, since there is nothing to replace.
bool isSpecialFile(const Path& path);

}  // namespace platform
