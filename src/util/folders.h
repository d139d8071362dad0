// Folder operations on the local file system.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

// Creates the folder and every missing folder above it; true when the path
// names a folder afterwards.
bool CreateFolderTree(std::string_view path);

// True when the path names an existing folder (not a file).
bool FolderExists(std::string_view path);

// Deletes the folder with everything under it, read-only and hidden entries
// included; folders without write or search permission are opened up first.
// Symbolic links inside are removed as links, never followed. An empty,
// relative or root path, or a path that is itself a symbolic link, deletes
// nothing. True when the folder itself was removed.
bool DeleteFolderTree(std::string_view path);

// The folder that DeleteFolderTree would delete for `path`, with "." and ".."
// and links above it resolved, or "" when it would delete nothing: an empty,
// relative or root path, a path that is itself a symbolic link, or one that
// names no folder. Deletes nothing itself.
std::string FolderToDelete(std::string_view path);

} // namespace hexia
