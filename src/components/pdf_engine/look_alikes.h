// Some PDF producers map CJK glyphs to look-alike code points: Kangxi radicals
// (⼀ U+2F00 for 一), CJK radicals and compatibility ideographs. Users type the
// unified ideographs, so extracted text is folded to those.
#pragma once

#include <string>

namespace hexia {

// The unified ideograph that `code` looks like, or `code` itself.
char32_t FoldLookAlike(char32_t code);

// Appends `code` to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

} // namespace hexia
