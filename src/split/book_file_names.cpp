#include "split/book_file_names.h"

#include "split/five_book_table.h"
#include "util/text.h"

namespace hexia {

namespace {

std::string_view FullWidthForm(char c) {
    switch (c) {
    case '\\':
        return "＼";
    case '/':
        return "／";
    case ':':
        return "：";
    case '*':
        return "＊";
    case '?':
        return "？";
    case '"':
        return "＂";
    case '<':
        return "＜";
    case '>':
        return "＞";
    case '|':
        return "｜";
    default:
        return {};
    }
}

void TrimTrailingDotsAndSpaces(std::string& text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
}

} // namespace

std::string SafeFileNameText(std::string_view title) {
    std::string safe;
    safe.reserve(title.size());
    for (std::size_t i = 0; i < title.size();) {
        const auto lead = static_cast<unsigned char>(title[i]);
        const std::size_t length = Utf8CharLength(title, i);
        if (length == 1) {
            if (lead < 0x20 || lead == 0x7F) {
                // control character: dropped
            } else if (std::string_view wide = FullWidthForm(title[i]); !wide.empty()) {
                safe += wide;
            } else {
                safe += title[i];
            }
        } else if (!(lead == 0xC2 && static_cast<unsigned char>(title[i + 1]) < 0xA0)) {
            // U+0080 to U+009F are control characters as well.
            safe.append(title.substr(i, length));
        }
        i += length;
    }
    TrimTrailingDotsAndSpaces(safe);
    return safe;
}

std::string BookFileName(std::string_view bookName, std::string_view claimCount, std::string_view title) {
    const BookInfo* book = FindBookByHeading(bookName);
    if (!book)
        return {};
    std::string prefix(book->code);
    if (bookName == ClaimsHeading)
        prefix += "(权项数" + std::string(claimCount) + ")";
    prefix += std::string(bookName) + "_";
    constexpr std::string_view extension = ".pdf";

    std::string safeTitle = SafeFileNameText(title);
    const std::size_t room = MaxFileNameBytes - std::min(MaxFileNameBytes, prefix.size() + extension.size());
    if (safeTitle.size() > room) {
        std::size_t cut = 0;
        while (cut < safeTitle.size()) {
            const std::size_t next = cut + Utf8CharLength(safeTitle, cut);
            if (next > room)
                break;
            cut = next;
        }
        safeTitle.resize(cut);
        TrimTrailingDotsAndSpaces(safeTitle);
    }
    return prefix + safeTitle + std::string(extension);
}

} // namespace hexia
