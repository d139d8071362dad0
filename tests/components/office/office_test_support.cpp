#include "office_test_support.h"

#include <signal.h>
#include <stdlib.h>

#include <fstream>
#include <thread>

namespace hexia::office::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "hexia-office-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) {
        fs::remove_all(path_, ignored);
    }
}

std::string WriteScript(const std::string& path, const std::string& body) {
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path;
}

bool ProcessAlive(pid_t pid) {
    if (pid <= 0 || ::kill(pid, 0) != 0) {
        return false;
    }
    // An orphan that nobody reaped still answers kill(); it is gone all the same.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    auto close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] != 'Z';
}

bool ProcessGone(pid_t pid) {
    for (int i = 0; i < 200; ++i) {
        if (!ProcessAlive(pid)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

pid_t ReadPid(const std::string& path) {
    std::ifstream in(path);
    long pid = -1;
    in >> pid;
    return in ? static_cast<pid_t>(pid) : -1;
}

} // namespace hexia::office::testing
