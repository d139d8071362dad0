#include "batch/temp_folder.h"

#include <unistd.h>

#include <filesystem>
#include <random>

#include "util/file_lock.h"
#include "util/folders.h"
#include "util/paths.h"

namespace hexia {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string_view folder) {
    std::string path(folder);
    if (path.empty() || path.back() != PathSeparator())
        path += PathSeparator();
    return path;
}

std::string UniqueFolderName() {
    std::random_device random;
    const unsigned value = random();
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", value);
    return std::to_string(getpid()) + "-" + suffix;
}

} // namespace

void ResetTempFolder(std::string_view folderPath) {
    const std::string folder = WithSeparator(folderPath);
    if (!IsAbsolutePath(folder, true) || !FolderExists(folder))
        return;
    // A batch that is still running holds the lock shared; then its files
    // and those of every other batch stay where they are.
    const int lock = AcquireFileLock(folder + std::string(TempLockFileName), LockMode::Exclusive, false);
    if (lock < 0)
        return;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->path().filename() == TempLockFileName)
            continue;
        std::error_code ignored;
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
            DeleteFolderTree(entry->path().string());
        else
            fs::remove(entry->path(), ignored);
    }
    ReleaseFileLock(lock);
}

BatchTempFolder::BatchTempFolder(std::string_view tempFolder) {
    const std::string temp = WithSeparator(tempFolder);
    if (!FolderExists(temp))
        CreateFolderTree(temp);
    lockFd = AcquireFileLock(temp + std::string(TempLockFileName), LockMode::Shared, true);
    path = temp + UniqueFolderName() + PathSeparator();
    ready = CreateFolderTree(path);
}

BatchTempFolder::~BatchTempFolder() {
    Remove();
}

void BatchTempFolder::Remove() {
    if (ready)
        DeleteFolderTree(path);
    ready = false;
    ReleaseFileLock(lockFd);
    lockFd = -1;
}

} // namespace hexia
