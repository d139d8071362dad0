// Text helpers over UTF-8 strings. Searches and splits only ever match at the
// start of a character, never inside a multi-byte sequence.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hexia {

// Pieces of `text` between occurrences of `separator`. Two separators in a row
// give an empty piece; a trailing separator gives no empty last piece; an empty
// text gives no pieces.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// The n-th line (1-based) of `text` split at "\r\n", or "" when there is none.
std::string LineOfText(std::string_view text, int n);

// Keeps the first occurrence of each text, in order; returns how many are left.
int RemoveDuplicateTexts(std::vector<std::string>& texts);

// Width of `text` as GBK counts it: 1 per ASCII character, 2 per other character.
std::size_t GbkWidth(std::string_view text);

// Byte length of the character that starts at `pos`: 1 to 4 for a well-formed
// UTF-8 sequence, 1 for a byte that starts none (so invalid text is still
// walked byte by byte and never overrun).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// Byte position of the first occurrence of `needle` in `text` at or after
// `from` that begins at the start of a character, or std::string_view::npos.
// Without caseSensitive the letters A-Z and a-z compare regardless of case;
// every other byte compares exactly. An empty needle is never found.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0,
                     bool caseSensitive = true);

} // namespace hexia
