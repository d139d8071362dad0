// A small INI reader and writer with the behaviour of the Windows
// private-profile functions, so the configuration file reads and writes the
// same on every platform:
// - section and key names match case-insensitively (ASCII letters);
// - a value is read as it stands after the first "=", trimmed of white space;
// - only the first section of a name is looked at, and in it the first key;
// - an existing key is replaced on its own line, a missing key is added at the
//   end of its section, a missing section at the end of the file;
// - every other line stays byte for byte, line endings included;
// - the file is created when missing, its folder never is.
// Files are UTF-8; a byte-order mark at the start is kept and skipped.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

// The value of `key` in `section` of the INI text, or "" when the section or
// key is missing.
std::string ProfileValueIn(std::string_view iniText, std::string_view section, std::string_view key);

// The INI text with `key` in `section` set to `value`. Lines added take the
// text's first line ending, or "\n" on a text that has none ("\r\n" on Windows).
std::string WithProfileValue(std::string_view iniText, std::string_view section, std::string_view key,
                             std::string_view value);

// Like GetPrivateProfileString with an empty default: "" when the file,
// section or key is missing or the file cannot be read.
std::string ReadProfileString(const std::string& filePath, std::string_view section, std::string_view key);

// Like WritePrivateProfileString. False, and the file untouched, when a name
// or the value would break the file's structure (a line break, "=" in the key,
// "]" in the section, an empty name), when an existing file cannot be read, or
// when the file cannot be written (its folder is missing, for one).
bool WriteProfileString(const std::string& filePath, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace hexia
