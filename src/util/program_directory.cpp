#include "util/program_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace hexia {

std::string ProgramDirectory() {
    namespace fs = std::filesystem;
    std::error_code error;
    if (const char* home = std::getenv("HEXIA_HOME"); home != nullptr && *home != '\0') {
        // Made absolute, so that the temp folder under it passes the absolute
        // path test before it is emptied.
        std::string folder = fs::absolute(fs::path(home), error).string();
        if (error)
            folder = home;
        while (!folder.empty() && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return executable.parent_path().string();
}

} // namespace hexia
