// Folder operations on the local file system.
#pragma once

#include <string_view>

namespace hexia {

// Creates the folder and every missing folder above it; true when the path
// names a folder afterwards.
bool CreateFolderTree(std::string_view path);

// True when the path names an existing folder (not a file).
bool FolderExists(std::string_view path);

// Deletes the folder with everything under it, read-only and hidden entries
// included. Symbolic links are removed, never followed. An empty, relative or
// root path deletes nothing. True when the folder itself was removed.
bool DeleteFolderTree(std::string_view path);

} // namespace hexia
