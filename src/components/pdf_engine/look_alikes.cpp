#include "components/pdf_engine/look_alikes.h"

#include <algorithm>
#include <iterator>

namespace hexia {
namespace {

struct LookAlike {
    char32_t from;
    char32_t to;
};

constexpr LookAlike LookAlikes[] = {
#include "components/pdf_engine/look_alike_table.inc"
};

} // namespace

char32_t FoldLookAlike(char32_t code) {
    if (code < LookAlikes[0].from) {
        return code;
    }
    const auto* found = std::lower_bound(std::begin(LookAlikes), std::end(LookAlikes), code,
                                         [](const LookAlike& entry, char32_t c) { return entry.from < c; });
    return found != std::end(LookAlikes) && found->from == code ? found->to : code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = 0xFFFD;
    }
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace hexia
