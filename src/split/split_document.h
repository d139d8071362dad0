// Splitting one application document into its books: conversion through the
// office suite for a Word source, page analysis, the summary lines, and one
// PDF per book in a folder named after the document.
#pragma once

#include <string>

#include "app/app_context.h"

namespace hexia {

// What happened to one document, beyond what its log lines say.
struct DocumentOutcome {
    // The office suite's answer to the export of a Word source; Ok for a PDF.
    office::OfficeStatus conversion = office::OfficeStatus::Ok;
    int booksWritten = 0;
    int booksFailed = 0;
};

// `pdfPath`: on entry where a Word source is exported to; for a PDF source it
// is replaced by `sourcePath`. `outputRoot` ends with a separator. Word must be
// running (context.WordDocuments set) for a Word source. Everything worth
// telling the user is appended to context.progressLog.
DocumentOutcome SplitApplicationDocument(AppContext& context, const std::string& sourcePath,
                                         std::string& pdfPath, const std::string& outputRoot);

// The output folder of a document: outputRoot + its file name without the
// extension + the separator.
std::string DocumentOutputFolder(const std::string& sourcePath, const std::string& outputRoot);

} // namespace hexia
