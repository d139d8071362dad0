#include "app/ini_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace hexia {
namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(ProfileValueIn, FindsValuesTheWayThePrivateProfileFunctionsDo) {
    const ReadCase cases[] = {
        {"plain", "[config]\nxz1=1\nxz2=0\n", "config", "xz1", "1"},
        {"second key", "[config]\nxz1=1\nxz2=0\n", "config", "xz2", "0"},
        {"names ignore case", "[CoNfIg]\r\nXZ1=1\r\n", "config", "xz1", "1"},
        {"value and names trimmed", "  [ config ]  \r\n\t xz1 =  yes please \t\r\n", "config", "xz1",
         "yes please"},
        {"value keeps later equals signs", "[config]\nxz1=a=b\n", "config", "xz1", "a=b"},
        {"empty value", "[config]\nxz1=\n", "config", "xz1", ""},
        {"missing key", "[config]\nxz2=1\n", "config", "xz1", ""},
        {"missing section", "[other]\nxz1=1\n", "config", "xz1", ""},
        {"key of another section", "[other]\nxz1=1\n[config]\nxz2=1\n", "config", "xz1", ""},
        {"key of the following section", "[config]\nxz2=1\n[other]\nxz1=1\n", "config", "xz1", ""},
        {"key before any section", "xz1=1\n[config]\n", "config", "xz1", ""},
        {"comment is no key", "[config]\n;xz1=1\n", "config", "xz1", ""},
        {"first of repeated keys", "[config]\nxz1=1\nxz1=0\n", "config", "xz1", "1"},
        {"only the first of repeated sections", "[config]\nxz2=1\n[config]\nxz1=1\n", "config", "xz1", ""},
        {"byte-order mark skipped", "\xEF\xBB\xBF[config]\nxz1=1\n", "config", "xz1", "1"},
        {"last line without line ending", "[config]\nxz1=1", "config", "xz1", "1"},
        {"non-ASCII names and value", "[配置]\n选项=是\n", "配置", "选项", "是"},
        {"empty text", "", "config", "xz1", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileValueIn(c.text, c.section, c.key), c.expected) << c.name;
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string key;
    std::string value;
    std::string after;
};

TEST(WithProfileValue, ChangesOnlyTheLineOfTheKey) {
    const WriteCase cases[] = {
        {"empty text gets the section", "", "xz1", "1", "[config]\nxz1=1\n"},
        {"existing key replaced in place", "[config]\r\nxz1=0\r\nxz2=0\r\n", "xz1", "1",
         "[config]\r\nxz1=1\r\nxz2=0\r\n"},
        {"key keeps its spelling and indentation", "[Config]\n  XZ1 = 0 \nxz2=0\n", "xz1", "1",
         "[Config]\n  XZ1=1\nxz2=0\n"},
        {"missing key at the end of its section, before the blank line",
         "[config]\nxz1=1\n\n[other]\na = b\n", "xz2", "0", "[config]\nxz1=1\nxz2=0\n\n[other]\na = b\n"},
        {"missing key after a last line without line ending", "[config]\nxz1=1", "xz2", "0",
         "[config]\nxz1=1\nxz2=0\n"},
        {"empty section", "[config]\n[other]\n", "xz1", "1", "[config]\nxz1=1\n[other]\n"},
        {"missing section at the end, line ending added", "[other]\na=b", "xz1", "1",
         "[other]\na=b\n[config]\nxz1=1\n"},
        {"new lines follow the text's line ending", "[other]\r\na=b\r\n", "xz1", "1",
         "[other]\r\na=b\r\n[config]\r\nxz1=1\r\n"},
        {"only the first of repeated sections", "[config]\nxz2=1\n[config]\nxz1=0\n", "xz1", "1",
         "[config]\nxz2=1\nxz1=1\n[config]\nxz1=0\n"},
        {"byte-order mark kept", "\xEF\xBB\xBF[config]\nxz1=0\n", "xz1", "1",
         "\xEF\xBB\xBF[config]\nxz1=1\n"},
        {"comment with the key's name left alone", "[config]\n;xz1=0\n", "xz1", "1",
         "[config]\n;xz1=0\nxz1=1\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithProfileValue(c.before, "config", c.key, c.value), c.after) << c.name;
        EXPECT_EQ(ProfileValueIn(WithProfileValue(c.before, "config", c.key, c.value), "config", c.key),
                  c.value)
            << c.name;
    }
}

class IniFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder = std::filesystem::temp_directory_path() / ("hexia-ini-" + std::to_string(random()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    static void Store(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path folder;
};

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsCreatedByAWrite) {
    const auto file = Path("config.ini");
    EXPECT_EQ(ReadProfileString(file, "config", "xz1"), "");
    EXPECT_TRUE(WriteProfileString(file, "config", "xz1", "1"));
    EXPECT_TRUE(WriteProfileString(file, "config", "xz2", "0"));
    EXPECT_EQ(Contents(file), "[config]\nxz1=1\nxz2=0\n");
    EXPECT_EQ(ReadProfileString(file, "CONFIG", "Xz1"), "1");
}

TEST_F(IniFileTest, MissingFolderIsNeverCreated) {
    const auto file = (folder / "config" / "config.ini").string();
    EXPECT_FALSE(WriteProfileString(file, "config", "xz1", "1"));
    EXPECT_FALSE(std::filesystem::exists(folder / "config"));
    EXPECT_EQ(ReadProfileString(file, "config", "xz1"), "");
}

TEST_F(IniFileTest, EveryOtherByteOfTheFileStays) {
    const auto file = Path("config.ini");
    const std::string before = "\xEF\xBB\xBF; 禾匣\r\n"
                               "[window]\r\n"
                               "  left = 50\t\r\n"
                               "\r\n"
                               "[config]\r\n"
                               "xz2 = 1 \n"
                               "xz1=0\r\n"
                               "\r\n"
                               "[路径]\r\n"
                               "输出=/tmp/x  ";
    Store(file, before);
    EXPECT_TRUE(WriteProfileString(file, "config", "xz1", "1"));
    EXPECT_TRUE(WriteProfileString(file, "config", "xz3", "0"));
    EXPECT_EQ(Contents(file), "\xEF\xBB\xBF; 禾匣\r\n"
                              "[window]\r\n"
                              "  left = 50\t\r\n"
                              "\r\n"
                              "[config]\r\n"
                              "xz2 = 1 \n"
                              "xz1=1\r\n"
                              "xz3=0\r\n"
                              "\r\n"
                              "[路径]\r\n"
                              "输出=/tmp/x  ");
    EXPECT_EQ(ReadProfileString(file, "路径", "输出"), "/tmp/x");
}

TEST_F(IniFileTest, RefusesWritesThatWouldBreakTheFile) {
    const auto file = Path("config.ini");
    const std::string before = "[config]\nxz1=0\n";
    Store(file, before);
    EXPECT_FALSE(WriteProfileString(file, "config", "xz1", "1\n[evil]"));
    EXPECT_FALSE(WriteProfileString(file, "config", "a=b", "1"));
    EXPECT_FALSE(WriteProfileString(file, "con]fig", "xz1", "1"));
    EXPECT_FALSE(WriteProfileString(file, "config", " ", "1"));
    EXPECT_FALSE(WriteProfileString(file, "", "xz1", "1"));
    EXPECT_EQ(Contents(file), before);
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsLeftAlone) {
    std::filesystem::create_directories(folder / "config.ini");
    EXPECT_FALSE(WriteProfileString(Path("config.ini"), "config", "xz1", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "config.ini"));
    EXPECT_EQ(ReadProfileString(Path("config.ini"), "config", "xz1"), "");
}

} // namespace
} // namespace hexia
