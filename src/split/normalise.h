// Clean-up of page text before its lines are read, and occurrence counting.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

// Removes blank and whitespace-only lines, then one "\r\n" from each end.
std::string NormaliseDocumentText(std::string_view text);

// Non-overlapping occurrences of `needle` in `text`; 0 when either is empty.
// Without caseSensitive, ASCII letters compare regardless of case.
int CountOccurrences(std::string_view text, std::string_view needle, bool caseSensitive = false);

} // namespace hexia
