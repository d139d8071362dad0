#include "batch/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace hexia {
namespace {

namespace fs = std::filesystem;

class TempFolder : public testing::Test {
protected:
    fs::path root;
    fs::path temp;

    void SetUp() override {
        root = fs::temp_directory_path() / ("hexia-temp-" + std::to_string(getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        temp = root / "temp";
    }
    void TearDown() override {
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    static void Touch(const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    }
    // Entries of the temp folder other than its lock file.
    std::vector<std::string> Left() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(temp))
            if (entry.path().filename() != TempLockFileName)
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(TempFolder, ResetEmptiesTheFolderAndLeavesItPresent) {
    Touch(temp / "1.pdf");
    Touch(temp / "4711-0badf00d" / "2.pdf");
    Touch(temp / "sub" / "deeper" / "x.pdf");
    fs::permissions(temp / "1.pdf", fs::perms::owner_read);
    // A link to a folder outside: the link goes, what it points to stays.
    Touch(root / "keep" / "k.txt");
    fs::create_directory_symlink(root / "keep", temp / "link");

    for (const std::string& path : {temp.string(), temp.string() + "/"}) {
        ResetTempFolder(path);
        EXPECT_TRUE(fs::is_directory(temp));
        EXPECT_TRUE(Left().empty()) << path;
        Touch(temp / "again.pdf");
    }
    EXPECT_TRUE(fs::exists(root / "keep" / "k.txt"));
}

TEST_F(TempFolder, ResetLeavesOtherPathsAlone) {
    Touch(temp / "1.pdf");
    const fs::path saved = fs::current_path();
    fs::current_path(root);
    ResetTempFolder("temp");
    ResetTempFolder("temp/");
    fs::current_path(saved);
    EXPECT_EQ(Left(), std::vector<std::string>{"1.pdf"});

    ResetTempFolder((root / "missing").string());
    EXPECT_FALSE(fs::exists(root / "missing"));
    ResetTempFolder("/");
    ResetTempFolder("//");
    ResetTempFolder("");
    EXPECT_TRUE(fs::is_directory("/tmp"));
}

TEST_F(TempFolder, BatchFolderIsMadeUnderAMissingTempFolderAndRemoved) {
    BatchTempFolder batch(temp.string());
    ASSERT_TRUE(batch.Ready());
    EXPECT_EQ(fs::path(batch.Path()).parent_path().parent_path(), temp);
    EXPECT_TRUE(batch.Path().ends_with("/"));
    EXPECT_TRUE(fs::is_directory(batch.Path()));
    Touch(batch.Path() + "1.pdf");
    batch.Remove();
    EXPECT_TRUE(Left().empty());
    EXPECT_TRUE(fs::is_directory(temp));
}

TEST_F(TempFolder, ResetNeverDeletesARunningBatchsFiles) {
    Touch(temp / "stale" / "1.pdf");
    // The other batch: its own folder and its shared lock, as another process
    // would hold them (flock locks belong to the open file, not the process).
    BatchTempFolder other(temp.string());
    ASSERT_TRUE(other.Ready());
    Touch(other.Path() + "1.pdf");
    {
        BatchTempFolder mine(temp.string());
        ASSERT_NE(mine.Path(), other.Path());
        Touch(mine.Path() + "1.pdf");
        mine.Remove();
        ResetTempFolder(temp.string());
    }
    EXPECT_TRUE(fs::exists(other.Path() + "1.pdf"));
    EXPECT_TRUE(fs::exists(temp / "stale" / "1.pdf"));

    // Once the other batch is over, the next reset takes what was left behind.
    other.Remove();
    ResetTempFolder(temp.string());
    EXPECT_TRUE(Left().empty());
}

TEST_F(TempFolder, BatchFolderThatCannotBeMadeIsNotReady) {
    fs::create_directories(temp);
    fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_exec);
    if (access(temp.c_str(), W_OK) == 0)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    BatchTempFolder batch(temp.string());
    EXPECT_FALSE(batch.Ready());
    EXPECT_TRUE(batch.Path().starts_with(temp.string() + "/"));
    EXPECT_NE(batch.Path(), temp.string() + "/");
}

} // namespace
} // namespace hexia
