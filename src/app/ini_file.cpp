#include "app/ini_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace hexia {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view WhiteSpace = " \t\r\v\f";

#ifdef _WIN32
constexpr std::string_view NativeLineEnding = "\r\n";
#else
constexpr std::string_view NativeLineEnding = "\n";
#endif

std::string_view TrimLeft(std::string_view text) {
    const auto first = text.find_first_not_of(WhiteSpace);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    const auto last = text.find_last_not_of(WhiteSpace);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// One line of the text as offsets into it.
struct Line {
    std::size_t begin; // first byte of the content
    std::size_t end;   // one past the content, before the line ending
    std::size_t next;  // one past the line ending; == end on a last line without one
};

std::vector<Line> LinesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (pos < text.size()) {
        const auto newline = text.find('\n', pos);
        if (newline == std::string_view::npos) {
            lines.push_back({pos, text.size(), text.size()});
            break;
        }
        std::size_t end = newline;
        if (end > pos && text[end - 1] == '\r') {
            --end;
        }
        lines.push_back({pos, end, newline + 1});
        pos = newline + 1;
    }
    return lines;
}

std::string_view ContentOf(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// "[name]" with optional white space around and inside the brackets.
bool IsSectionLine(std::string_view content, std::string_view& name) {
    const auto trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() != '[') {
        return false;
    }
    const auto close = trimmed.rfind(']');
    if (close == std::string_view::npos || close == 0) {
        return false;
    }
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

// "name=value", or a bare name, which holds an empty value. Blank lines and
// comments (";") are not keys.
bool IsKeyLine(std::string_view content, std::string_view& name, std::string_view& value) {
    const auto trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';') {
        return false;
    }
    const auto equals = trimmed.find('=');
    name = Trim(trimmed.substr(0, equals));
    value = equals == std::string_view::npos ? std::string_view() : Trim(trimmed.substr(equals + 1));
    return !name.empty();
}

// The lines of the first section of the given name: its header and the index
// one past its last line.
struct SectionSpan {
    bool found = false;
    std::size_t header = 0;
    std::size_t end = 0;
};

SectionSpan FindSection(std::string_view text, const std::vector<Line>& lines, std::string_view section) {
    SectionSpan span;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name;
        if (!IsSectionLine(ContentOf(text, lines[i]), name)) {
            continue;
        }
        if (span.found) {
            span.end = i;
            return span;
        }
        if (SameName(name, section)) {
            span.found = true;
            span.header = i;
        }
    }
    span.end = lines.size();
    return span;
}

// Index of the first line in the section that holds the key, or lines.size().
std::size_t FindKey(std::string_view text, const std::vector<Line>& lines, const SectionSpan& span,
                    std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        std::string_view name;
        std::string_view value;
        if (IsKeyLine(ContentOf(text, lines[i]), name, value) && SameName(name, key)) {
            return i;
        }
    }
    return lines.size();
}

std::string_view LineEndingOf(std::string_view text) {
    const auto newline = text.find('\n');
    if (newline == std::string_view::npos) {
        return NativeLineEnding;
    }
    return newline > 0 && text[newline - 1] == '\r' ? std::string_view("\r\n") : std::string_view("\n");
}

bool BreaksStructure(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasLineBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    return Trim(section).empty() || Trim(key).empty() || hasLineBreak(section) || hasLineBreak(key) ||
           hasLineBreak(value) || section.find(']') != std::string_view::npos ||
           key.find('=') != std::string_view::npos || Trim(key).front() == ';' || Trim(key).front() == '[';
}

std::filesystem::path PathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// The file's bytes; "" for a missing file; nothing when it exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::string();
    }
    if (error || std::filesystem::is_directory(status)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::string ProfileValueIn(std::string_view iniText, std::string_view section, std::string_view key) {
    const auto lines = LinesOf(iniText);
    const auto span = FindSection(iniText, lines, Trim(section));
    if (!span.found) {
        return "";
    }
    const auto index = FindKey(iniText, lines, span, Trim(key));
    if (index == lines.size()) {
        return "";
    }
    std::string_view name;
    std::string_view value;
    IsKeyLine(ContentOf(iniText, lines[index]), name, value);
    return std::string(value);
}

std::string WithProfileValue(std::string_view iniText, std::string_view section, std::string_view key,
                             std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const auto lines = LinesOf(iniText);
    const auto lineEnding = LineEndingOf(iniText);
    const auto span = FindSection(iniText, lines, section);
    std::string result;

    if (!span.found) {
        result.assign(iniText);
        if (!lines.empty() && lines.back().next == lines.back().end) {
            result += lineEnding;
        }
        result.append("[").append(section).append("]").append(lineEnding);
        result.append(key).append("=").append(value).append(lineEnding);
        return result;
    }

    const auto index = FindKey(iniText, lines, span, key);
    if (index != lines.size()) {
        // Keep the line's indentation and the key as it is spelt in the file.
        const auto content = ContentOf(iniText, lines[index]);
        const auto nameStart = lines[index].begin + (content.size() - TrimLeft(content).size());
        std::string_view name;
        std::string_view oldValue;
        IsKeyLine(content, name, oldValue);
        result.assign(iniText.substr(0, nameStart));
        result.append(name).append("=").append(value);
        result.append(iniText.substr(lines[index].end));
        return result;
    }

    // After the section's last line that is not blank, so that blank lines
    // separating it from the next section stay where they are.
    std::size_t last = span.header;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (!Trim(ContentOf(iniText, lines[i])).empty()) {
            last = i;
        }
    }
    const auto insertAt = lines[last].next;
    result.assign(iniText.substr(0, insertAt));
    if (lines[last].next == lines[last].end) {
        result += lineEnding;
    }
    result.append(key).append("=").append(value).append(lineEnding);
    result.append(iniText.substr(insertAt));
    return result;
}

std::string ReadProfileString(const std::string& filePath, std::string_view section, std::string_view key) {
    const auto bytes = ReadWholeFile(PathFromUtf8(filePath));
    return bytes ? ProfileValueIn(*bytes, section, key) : std::string();
}

bool WriteProfileString(const std::string& filePath, std::string_view section, std::string_view key,
                        std::string_view value) {
    if (BreaksStructure(section, key, value)) {
        return false;
    }
    const auto path = PathFromUtf8(filePath);
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return false;
    }
    const auto updated = WithProfileValue(*bytes, section, key, value);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(updated.data(), static_cast<std::streamsize>(updated.size()));
    out.close();
    return !out.fail();
}

} // namespace hexia
