#include "util/paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hexia {
namespace {

constexpr PathStyle Win = PathStyle::Windows;
constexpr PathStyle Posix = PathStyle::Posix;

struct PathCase {
    PathStyle style;
    std::string path;
    std::string extension;
    std::string nameWith;
    std::string nameWithout;
    std::string parent;
};

TEST(PathHelpers, ExtensionNameAndParent) {
    const std::vector<PathCase> cases = {
        {Win, "D:\\案卷\\申请.docx", ".docx", "申请.docx", "申请", "D:\\案卷\\"},
        {Win, "D:\\案卷.bak\\申请", "", "申请", "申请", "D:\\案卷.bak\\"},
        {Win, "D:\\案卷\\申请", "", "申请", "申请", "D:\\案卷\\"},
        {Win, "D:\\案卷\\", "", "", "", "D:\\"},
        {Win, "D:\\案卷\\申请.doc", ".doc", "申请.doc", "申请", "D:\\案卷\\"},
        {Win, "D:\\a\\b.tar.gz", ".gz", "b.tar.gz", "b.tar", "D:\\a\\"},
        {Win, "D:\\a\\.hidden", ".hidden", ".hidden", "", "D:\\a\\"},
        {Win, "D:\\a\\v1.0 final", "", "v1.0 final", "v1.0 final", "D:\\a\\"}, // a space after the dot
        {Win, "D:\\a\\my file.pdf", ".pdf", "my file.pdf", "my file", "D:\\a\\"},
        {Win, "D:/a.b/c", "", "c", "c", ""},        // "/" separates names; only "\" separates folders
        {Win, "D:a.pdf", ".pdf", "a.pdf", "a", ""}, // ":" separates names
        {Win, "C:\\", "", "", "", ""},
        {Win, "申请.docx", ".docx", "申请.docx", "申请", ""},
        {Win, "", "", "", "", ""},
        {Posix, "/home/u/案卷/申请.docx", ".docx", "申请.docx", "申请", "/home/u/案卷/"},
        {Posix, "/home/u/案卷.bak/申请", "", "申请", "申请", "/home/u/案卷.bak/"},
        {Posix, "/home/u/案卷/", "", "", "", "/home/u/"},
        {Posix, "/home/u/案卷//", "", "", "", "/home/u/案卷/"},
        {Posix, "/申请.pdf", ".pdf", "申请.pdf", "申请", "/"},
        {Posix, "a\\b.pdf", ".pdf", "a\\b.pdf", "a\\b", ""}, // "\" is an ordinary byte
        {Posix, "/", "", "", "", ""},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PathExtension(c.path, c.style), c.extension);
        EXPECT_EQ(FileNameOf(c.path, true, c.style), c.nameWith);
        EXPECT_EQ(FileNameOf(c.path, false, c.style), c.nameWithout);
        EXPECT_EQ(ParentFolderOf(c.path, c.style), c.parent);
    }
}

TEST(PathHelpers, Separator) {
    EXPECT_EQ(PathSeparator(Win), '\\');
    EXPECT_EQ(PathSeparator(Posix), '/');
}

struct AbsoluteCase {
    PathStyle style;
    std::string path;
    bool plain;
    bool refusingRoot;
};

TEST(IsAbsolutePath, DrivesAndRoots) {
    const std::vector<AbsoluteCase> cases = {
        {Win, "C:\\temp\\", true, true},
        {Win, "c:/temp", true, true},
        {Win, "C:\\", true, false},
        {Win, "C:\\\\", true, false},
        {Win, "c:///", true, false},
        {Win, "temp\\sub", false, false},
        {Win, "\\\\server\\share", false, false},
        {Win, "", false, false},
        {Win, "1:\\x", false, false},
        {Win, "ab:\\x", true, true},
        {Win, "C:temp", false, false},
        {Win, "案:\\x", false, false},
        {Win, "D:\\案卷\\", true, true},
        {Posix, "/tmp/hexia/temp/", true, true},
        {Posix, "/", true, false},
        {Posix, "///", true, false},
        {Posix, "relative/temp", false, false},
        {Posix, "", false, false},
        {Posix, "C:\\temp", false, false},
    };
    for (const AbsoluteCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsAbsolutePath(c.path, false, c.style), c.plain);
        EXPECT_EQ(IsAbsolutePath(c.path, true, c.style), c.refusingRoot);
    }
}

} // namespace
} // namespace hexia
