#include "components/office/conversion_engine.h"

#include <filesystem>

namespace hexia::office {

namespace fs = std::filesystem;

std::string FileUrl(const std::string& absolutePath) {
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : absolutePath) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
            c == '-' || c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

bool MoveFile(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (!error) {
        return true;
    }
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) {
        fs::remove(to, error);
        return false;
    }
    fs::remove(from, error);
    return true;
}

} // namespace hexia::office
