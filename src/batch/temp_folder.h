// The temp folder under the program directory, where Word documents are
// exported to PDF during a batch.
//
// Several processes may run batches at once (two windows, a window and the
// command line, scripts), so no batch works in the temp folder itself. Each
// batch works in a folder of its own, temp/<pid>-<random>/, and holds a shared
// lock on temp/.lock for as long as it runs. Emptying the temp folder takes
// that lock exclusively, so it never removes a running batch's files.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

inline constexpr std::string_view TempLockFileName = ".lock";

// Empties the folder, which is left present. Only an absolute path to an
// existing folder that is not the root is touched. When another batch holds
// the folder's lock, nothing is deleted; the lock file itself always stays.
void ResetTempFolder(std::string_view folderPath);

// The folder of one running batch. Creating it creates the temp folder when it
// is missing and takes the shared lock; Remove (or the destructor) deletes the
// folder with everything in it and gives the lock back.
class BatchTempFolder {
public:
    // `tempFolder` with or without its trailing separator.
    explicit BatchTempFolder(std::string_view tempFolder);
    ~BatchTempFolder();
    BatchTempFolder(const BatchTempFolder&) = delete;
    BatchTempFolder& operator=(const BatchTempFolder&) = delete;

    // The batch's folder with its trailing separator.
    const std::string& Path() const { return path; }
    // False when the folder could not be made. Path() still names it, so the
    // conversions fail and are reported one by one, and nothing is written
    // where another batch could find it.
    bool Ready() const { return ready; }
    void Remove();

private:
    std::string path;
    int lockFd = -1;
    bool ready = false;
};

} // namespace hexia
