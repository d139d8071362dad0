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

} // namespace hexia
