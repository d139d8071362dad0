#include "util/paths.h"

// Every scan below compares single bytes with "\", "/", ":", "." and " ".
// That is safe on UTF-8 text: the bytes of a multi-byte UTF-8 character are
// all 0x80 or above, so none of them can be mistaken for one of these ASCII
// characters (unlike GBK, whose second bytes may be 0x5C).

namespace hexia {

namespace {

// Characters after which the shell's file-name search may start a new component.
bool IsNameBreak(char c, PathStyle style) {
    if (style == PathStyle::Posix)
        return c == '/';
    return c == '\\' || c == '/' || c == ':';
}

bool IsSlash(char c, PathStyle style) {
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

// Position at which the last component starts, as the shell's file-name
// search finds it: just after the last break that is followed by something
// other than another slash. A trailing separator is therefore not followed, so
// "D:\a\b\" gives "b\" and "C:\" gives the whole path.
std::size_t LastComponentStart(std::string_view path, PathStyle style) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        if (IsNameBreak(path[i], style) && !IsSlash(path[i + 1], style))
            start = i + 1;
    }
    return start;
}

// Position of the extension's dot, or npos. A dot counts only when no
// separator or space follows it, so "a.b\c", "a.b/c" and "a.b c" have none.
std::size_t ExtensionStart(std::string_view path, PathStyle style) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '.')
            dot = i;
        else if (c == ' ' || IsNameBreak(c, style))
            dot = std::string_view::npos;
    }
    return dot;
}

std::string CollapseRuns(std::string_view text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch == c && !out.empty() && out.back() == c)
            continue;
        out.push_back(ch);
    }
    return out;
}

} // namespace

char PathSeparator(PathStyle style) {
    return style == PathStyle::Windows ? '\\' : '/';
}

std::string PathExtension(std::string_view path, PathStyle style) {
    const std::size_t dot = ExtensionStart(path, style);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string FileNameOf(std::string_view path, bool withExtension, PathStyle style) {
    const std::string_view name = path.substr(LastComponentStart(path, style));
    if (name.empty() || IsSlash(name.back(), style))
        return {};
    if (withExtension)
        return std::string(name);
    const std::size_t extensionLength = PathExtension(name, style).size();
    return std::string(name.substr(0, name.size() - extensionLength));
}

std::string ParentFolderOf(std::string_view path, PathStyle style) {
    const char separator = PathSeparator(style);
    std::string_view rest = path;
    if (!rest.empty() && rest.back() == separator)
        rest.remove_suffix(1);
    const std::size_t last = rest.rfind(separator);
    return last == std::string_view::npos ? std::string() : std::string(rest.substr(0, last + 1));
}

bool IsAbsolutePath(std::string_view path, bool refuseDriveRoot, PathStyle style) {
    if (style == PathStyle::Posix) {
        if (path.empty() || path.front() != '/')
            return false;
        const bool onlySlashes = path.find_first_not_of('/') == std::string_view::npos;
        return !(refuseDriveRoot && onlySlashes);
    }
    // A working copy in which every run of "\" and every run of "/" is one byte.
    const std::string copy = CollapseRuns(CollapseRuns(path, '\\'), '/');
    if (copy.empty())
        return false;
    const char first = copy.front();
    const bool isLetter = (first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z');
    if (!isLetter)
        return false;
    if (copy.find(":\\") == std::string::npos && copy.find(":/") == std::string::npos)
        return false;
    return !(refuseDriveRoot && copy.size() == 3);
}

} // namespace hexia
