// Path rules as pure functions over a path style, so that the Windows rules
// (backslash, drive letters, the shell path functions) and the POSIX rules can
// both be tested on any platform. The program itself uses NativePathStyle.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle NativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle NativePathStyle = PathStyle::Posix;
#endif

// "\\" for Windows, "/" for POSIX.
char PathSeparator(PathStyle style = NativePathStyle);

// The last component's extension from its last "." on, dot included, or "".
std::string PathExtension(std::string_view path, PathStyle style = NativePathStyle);

// The last component, with or without its extension; "" when the path ends
// with a separator.
std::string FileNameOf(std::string_view path, bool withExtension, PathStyle style = NativePathStyle);

// The folder part with its trailing separator, or "" when there is none.
std::string ParentFolderOf(std::string_view path, PathStyle style = NativePathStyle);

// Windows: starts with a drive ("C:\", "c:/"); POSIX: starts with "/". With
// refuseDriveRoot the bare root ("C:\", or "/" and any run of slashes) is refused.
bool IsAbsolutePath(std::string_view path, bool refuseDriveRoot, PathStyle style = NativePathStyle);

} // namespace hexia
