// The file name of each book's PDF: code, book name, claim count for the
// claims, and the title of the invention made safe for a file name.
#pragma once

#include <string>
#include <string_view>

namespace hexia {

// Longest file name, in bytes, that file systems take (NAME_MAX, NTFS).
inline constexpr std::size_t MaxFileNameBytes = 255;

// The title as a piece of a file name: \ / : * ? " < > | become their
// full-width forms, control characters are dropped, and trailing dots and
// spaces are trimmed, so the name can only ever name a file in its folder.
std::string SafeFileNameText(std::string_view title);

// "100001(权项数12)权利要求书_T.pdf" for the claims, "100002说明书_T.pdf" and so on
// for the others, with the title made safe and cut at a character boundary so
// that the whole name stays within MaxFileNameBytes. "" for an unknown book.
std::string BookFileName(std::string_view bookName, std::string_view claimCount, std::string_view title);

} // namespace hexia
