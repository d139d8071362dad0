// Small helpers shared by the office tests: temporary folders, fake programs
// and a check that a process is gone.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace hexia::office::testing {

// A fresh folder under the system's temp folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Writes an executable shell script with the given body after "#!/bin/sh".
std::string WriteScript(const std::string& path, const std::string& body);

// True while the process exists and is not a zombie.
bool ProcessAlive(pid_t pid);

// True once the process is gone; waits up to two seconds for a killed process
// to be torn down by the kernel.
bool ProcessGone(pid_t pid);

// The whole number in a file (a pid written by a fake program), or -1.
pid_t ReadPid(const std::string& path);

} // namespace hexia::office::testing
