// Reads the main text of a DOCX package the way Word's Range.Text gives it.
#pragma once

#include "components/office/word.h"

#include <string>
#include <string_view>

namespace hexia::office {

// The main story of a WordprocessingML document body, given as the XML of the
// main document part:
// - each paragraph ends with "\r"; a paragraph that carries a section break
//   ends with "\f" instead;
// - a manual page break gives "\f", a line break "\v", a column break "\x0e",
//   a tab "\t";
// - table cells come in order; the end of a cell and of a row are "\r\a", as
//   Word marks them;
// - field results are kept and field codes dropped; hyperlinks, content
//   controls and inserted revisions are kept, deleted revisions dropped;
// - text boxes, drawings, footnotes, headers and footers are not part of it.
// Returns false when the XML cannot be parsed.
bool MainTextFromDocumentXml(std::string_view documentXml, std::string& text);

// Opens the DOCX package at `path`, finds its main document part and reads its
// text. BadArgument when the file is missing, is no zip package or has no
// readable main document part.
OfficeStatus ReadDocxMainText(const std::string& path, std::string& text);

// True when the file starts like a zip package (as DOCX files do).
bool LooksLikeZipPackage(const std::string& path);

} // namespace hexia::office
