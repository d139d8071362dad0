#include "util/text.h"

#include <algorithm>

namespace hexia {

namespace {

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

unsigned char AsciiLower(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

bool EqualAt(std::string_view text, std::size_t pos, std::string_view needle, bool caseSensitive) {
    if (caseSensitive)
        return text.compare(pos, needle.size(), needle) == 0;
    for (std::size_t k = 0; k < needle.size(); ++k) {
        if (AsciiLower(static_cast<unsigned char>(text[pos + k])) !=
            AsciiLower(static_cast<unsigned char>(needle[k])))
            return false;
    }
    return true;
}

} // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return 1;
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 1 || pos + length > text.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuationByte(static_cast<unsigned char>(text[pos + k])))
            return 1;
    }
    return length;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from, bool caseSensitive) {
    if (needle.empty())
        return std::string_view::npos;
    // Step from character to character, so that a match can never begin on a
    // continuation byte, even when the needle itself starts with one.
    for (std::size_t pos = from; pos < text.size() && text.size() - pos >= needle.size();
         pos += Utf8CharLength(text, pos)) {
        if (EqualAt(text, pos, needle, caseSensitive))
            return pos;
    }
    return std::string_view::npos;
}

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    std::size_t start = 0;
    for (std::size_t found = FindText(text, separator, start); found != std::string_view::npos;
         found = FindText(text, separator, start)) {
        pieces.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    if (start < text.size())
        pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string LineOfText(std::string_view text, int n) {
    const std::vector<std::string> lines = SplitText(text, "\r\n");
    if (n < 1 || static_cast<std::size_t>(n) > lines.size())
        return {};
    return lines[static_cast<std::size_t>(n) - 1];
}

int RemoveDuplicateTexts(std::vector<std::string>& texts) {
    std::vector<std::string> unique;
    unique.reserve(texts.size());
    for (std::string& text : texts) {
        if (std::find(unique.begin(), unique.end(), text) == unique.end())
            unique.push_back(std::move(text));
    }
    texts = std::move(unique);
    return static_cast<int>(texts.size());
}

std::size_t GbkWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharLength(text, pos))
        width += static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : 2;
    return width;
}

} // namespace hexia
