#include "app/settings_file.h"

#include <filesystem>

#include "app/ini_file.h"

namespace hexia {

std::string ConfigFilePath(const std::string& programDirectory) {
    const auto path = std::filesystem::path(std::u8string(programDirectory.begin(), programDirectory.end())) /
                      "config" / "config.ini";
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

SettingsOptions ReadSettingsOptions(const std::string& programDirectory) {
    const auto file = ConfigFilePath(programDirectory);
    SettingsOptions options;
    options.xz1 = ReadProfileString(file, ConfigSection, "xz1") == "1";
    options.xz2 = ReadProfileString(file, ConfigSection, "xz2") == "1";
    return options;
}

bool WriteSettingsOptions(const std::string& programDirectory, const SettingsOptions& options) {
    const auto file = ConfigFilePath(programDirectory);
    const bool first = WriteProfileString(file, ConfigSection, "xz1", options.xz1 ? "1" : "0");
    const bool second = WriteProfileString(file, ConfigSection, "xz2", options.xz2 ? "1" : "0");
    return first && second;
}

} // namespace hexia
