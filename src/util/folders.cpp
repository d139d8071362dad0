#include "util/folders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace hexia {

namespace fs = std::filesystem;

namespace {

// Owner read, write and search permission: what it takes to list a folder and
// delete its entries. A file's own mode does not matter on POSIX, since
// deleting it only changes the folder that holds it.
constexpr mode_t FolderAccess = S_IRWXU;

bool EmptyFolder(int folderFd);

// Deletes the subfolder `name` of the folder open at parentFd, with everything
// under it. The subfolder is opened with O_NOFOLLOW, so a link that replaced it
// since it was examined is never entered.
bool DeleteSubfolder(int parentFd, const char* name, mode_t mode) {
    if ((mode & FolderAccess) != FolderAccess)
        fchmodat(parentFd, name, (mode & 07777) | FolderAccess, AT_SYMLINK_NOFOLLOW);
    const int fd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = EmptyFolder(fd);
    close(fd);
    return emptied && unlinkat(parentFd, name, AT_REMOVEDIR) == 0;
}

// Deletes every entry of the folder open at folderFd. Symbolic links are
// deleted as links: their targets are never touched. True when all went.
bool EmptyFolder(int folderFd) {
    // Read all names first: deleting while the listing is open may skip entries.
    std::vector<std::string> names;
    const int listFd = dup(folderFd);
    if (listFd < 0)
        return false;
    DIR* listing = fdopendir(listFd);
    if (listing == nullptr) {
        close(listFd);
        return false;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(listing);

    bool all = true;
    for (const std::string& name : names) {
        struct stat status {};
        if (fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            all = false;
            continue;
        }
        const bool deleted = S_ISDIR(status.st_mode) ? DeleteSubfolder(folderFd, name.c_str(), status.st_mode)
                                                     : unlinkat(folderFd, name.c_str(), 0) == 0;
        all = all && deleted;
    }
    return all;
}

} // namespace

bool CreateFolderTree(std::string_view path) {
    if (path.empty())
        return false;
    std::error_code error;
    fs::create_directories(fs::path(path), error);
    return FolderExists(path);
}

bool FolderExists(std::string_view path) {
    if (path.empty())
        return false;
    std::error_code error;
    return fs::is_directory(fs::path(path), error);
}

std::string FolderToDelete(std::string_view path) {
    // Only absolute paths: a relative one would depend on the working folder.
    if (path.empty() || path.front() != '/')
        return {};
    // Drop trailing slashes before looking at the entry: "link/" would resolve
    // the link, "link" names the link itself.
    std::string_view trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.remove_suffix(1);
    std::error_code error;
    const fs::path named(trimmed);
    // A path that is itself a symbolic link is left alone, link and target:
    // the caller asked for a folder and this is not one.
    if (!fs::is_directory(fs::symlink_status(named, error)))
        return {};
    // Resolve "." and ".." (and links in the folders above) so that the root
    // is recognised however it is written.
    const fs::path folder = fs::canonical(named, error);
    if (error || folder == folder.root_path())
        return {};
    return folder.string();
}

bool DeleteFolderTree(std::string_view path) {
    const std::string folder = FolderToDelete(path);
    if (folder.empty())
        return false;
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    if ((status.st_mode & FolderAccess) != FolderAccess)
        chmod(folder.c_str(), (status.st_mode & 07777) | FolderAccess);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = EmptyFolder(fd);
    close(fd);
    return emptied && rmdir(folder.c_str()) == 0;
}

} // namespace hexia
