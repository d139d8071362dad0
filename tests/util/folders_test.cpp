#include "util/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace hexia {
namespace {

namespace fs = std::filesystem;

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() / (std::string("hexia-folders-") + info->name() + "-" +
                                            std::to_string(static_cast<long>(::getpid())));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        std::error_code error;
        // Undo any permission left behind by a failing test before cleaning up.
        for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::end(it);
             it.increment(error))
            if (!it->is_symlink())
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(root, error);
    }
    static void WriteFile(const fs::path& path, const std::string& text = "x") {
        std::ofstream(path) << text;
    }

    fs::path root;
};

TEST_F(FoldersTest, CreateFolderTreeMakesEveryMissingLevel) {
    const fs::path target = root / "输出" / "a" / "b";
    EXPECT_TRUE(CreateFolderTree(target.string() + "/"));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(CreateFolderTree(target.string())); // already there
    EXPECT_FALSE(CreateFolderTree(""));
}

TEST_F(FoldersTest, CreateFolderTreeOnAFileIsFalse) {
    WriteFile(root / "申请.pdf");
    EXPECT_FALSE(CreateFolderTree((root / "申请.pdf").string()));
    EXPECT_FALSE(CreateFolderTree((root / "申请.pdf" / "sub").string()));
    EXPECT_TRUE(fs::is_regular_file(root / "申请.pdf"));
}

TEST_F(FoldersTest, FolderExistsOnlyForFolders) {
    fs::create_directory(root / "案卷");
    WriteFile(root / "申请.docx");
    EXPECT_TRUE(FolderExists((root / "案卷").string()));
    EXPECT_TRUE(FolderExists((root / "案卷").string() + "/"));
    EXPECT_FALSE(FolderExists((root / "申请.docx").string()));
    EXPECT_FALSE(FolderExists((root / "missing").string()));
    EXPECT_FALSE(FolderExists(""));
}

TEST_F(FoldersTest, DeleteFolderTreeRemovesEverythingWithOrWithoutTrailingSlash) {
    for (const std::string suffix : {"", "/"}) {
        SCOPED_TRACE("suffix '" + suffix + "'");
        const fs::path tree = root / "临时";
        fs::create_directories(tree / "子目录" / "更深");
        WriteFile(tree / "1.pdf");
        WriteFile(tree / ".hidden");
        WriteFile(tree / "子目录" / "更深" / "只读.pdf");
        fs::permissions(tree / "子目录" / "更深" / "只读.pdf", fs::perms::owner_read);
        // A folder that cannot be written or searched still gets emptied.
        fs::create_directory(tree / "locked");
        WriteFile(tree / "locked" / "inner.txt");
        fs::permissions(tree / "locked", fs::perms::owner_read);
        fs::permissions(tree / "子目录" / "更深", fs::perms::owner_read | fs::perms::owner_exec);

        EXPECT_TRUE(DeleteFolderTree(tree.string() + suffix));
        EXPECT_FALSE(fs::exists(tree));
        EXPECT_TRUE(fs::is_directory(root));
    }
}

TEST_F(FoldersTest, DeleteFolderTreeRemovesLinksButNotTheirTargets) {
    const fs::path outsideFolder = root / "outside";
    fs::create_directory(outsideFolder);
    WriteFile(outsideFolder / "keep.txt");
    WriteFile(root / "keep.pdf");

    const fs::path tree = root / "temp";
    fs::create_directory(tree);
    fs::create_directory_symlink(outsideFolder, tree / "folder-link");
    fs::create_symlink(root / "keep.pdf", tree / "file-link");
    fs::create_symlink(root / "nowhere", tree / "dangling-link");

    EXPECT_TRUE(DeleteFolderTree(tree.string()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_TRUE(fs::is_regular_file(outsideFolder / "keep.txt"));
    EXPECT_TRUE(fs::is_regular_file(root / "keep.pdf"));
}

TEST_F(FoldersTest, DeleteFolderTreeLeavesALinkedFolderAlone) {
    const fs::path target = root / "target";
    fs::create_directory(target);
    WriteFile(target / "keep.txt");
    fs::create_directory_symlink(target, root / "link");

    for (const std::string suffix : {"", "/"}) {
        EXPECT_FALSE(DeleteFolderTree((root / "link").string() + suffix)) << suffix;
        EXPECT_TRUE(fs::is_symlink(root / "link"));
        EXPECT_TRUE(fs::is_regular_file(target / "keep.txt"));
    }
}

TEST_F(FoldersTest, DeleteFolderTreeRefusesWhatIsNotAnAbsoluteFolder) {
    WriteFile(root / "file.txt");
    fs::create_directory(root / "sub");
    const fs::path cwd = fs::current_path();
    fs::current_path(root);
    EXPECT_FALSE(DeleteFolderTree("sub"));
    EXPECT_FALSE(DeleteFolderTree("./sub"));
    fs::current_path(cwd);
    EXPECT_TRUE(fs::is_directory(root / "sub"));

    EXPECT_FALSE(DeleteFolderTree(""));
    EXPECT_FALSE(DeleteFolderTree((root / "missing").string()));
    EXPECT_FALSE(DeleteFolderTree((root / "file.txt").string()));
    EXPECT_TRUE(fs::is_regular_file(root / "file.txt"));
}

TEST_F(FoldersTest, FolderToDeleteRefusesTheRootHoweverWritten) {
    // Checked on the resolution alone, so that a fault here can never delete a real root.
    for (const char* path : {"/", "//", "///", "/.", "/..", "/tmp/..", "/./tmp/../"})
        EXPECT_EQ(FolderToDelete(path), "") << path;
    fs::create_directories(root / "a");
    fs::create_directory_symlink(root, root / "a" / "up");
    EXPECT_EQ(FolderToDelete((root / "a" / "up").string()), "");
    const std::string resolved = fs::canonical(root / "a").string();
    EXPECT_EQ(FolderToDelete((root / "a" / "up" / "a").string() + "//"), resolved);
    EXPECT_EQ(FolderToDelete((root / "a" / "." / ".." / "a").string()), resolved);
}

TEST_F(FoldersTest, DeleteFolderTreeResolvesDotsToTheFolderNamed) {
    fs::create_directories(root / "a" / "b");
    WriteFile(root / "a" / "b" / "x.pdf");
    fs::create_directory(root / "c");
    EXPECT_TRUE(DeleteFolderTree((root / "c" / ".." / "a").string()));
    EXPECT_FALSE(fs::exists(root / "a"));
    EXPECT_TRUE(fs::is_directory(root / "c"));
}

} // namespace
} // namespace hexia
