// The two options of the settings window, stored in config/config.ini under
// the program directory, section "config", as "1" or "0". Nothing else in the
// program reads them.
#pragma once

#include <string>

namespace hexia {

inline constexpr const char* ConfigSection = "config";

struct SettingsOptions {
    bool xz1 = false; // add hexia to the context menu of Word files
    bool xz2 = false; // add hexia to the context menu of PDF files
};

// programDirectory followed by config/config.ini, with the platform's separator.
std::string ConfigFilePath(const std::string& programDirectory);

// Only the value "1" sets an option; a missing file, section or key clears it.
SettingsOptions ReadSettingsOptions(const std::string& programDirectory);

// Writes xz1, then xz2. The config folder is never created: without it
// nothing is stored. True when both keys were written.
bool WriteSettingsOptions(const std::string& programDirectory, const SettingsOptions& options);

} // namespace hexia
