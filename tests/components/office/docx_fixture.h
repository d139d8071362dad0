// Writes small DOCX packages for the tests: the body XML is given, the rest of
// the package is the minimum that Word and LibreOffice accept.
#pragma once

#include <string>

namespace hexia::office::testing {

// The main document part around `bodyXml` (the children of w:body).
std::string DocumentXml(const std::string& bodyXml);

// Writes a DOCX package at `path` whose main part is DocumentXml(bodyXml).
// Returns false when the file could not be written.
bool WriteDocx(const std::string& path, const std::string& bodyXml,
               const std::string& mainPartName = "word/document.xml");

} // namespace hexia::office::testing
