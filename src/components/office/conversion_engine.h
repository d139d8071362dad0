// What the LibreOffice object model asks of the office suite: a document
// converted to PDF or to DOCX. One engine runs a process per conversion, the
// other keeps one office instance for the whole batch.
#pragma once

#include "components/office/word.h"

#include <chrono>
#include <string>

namespace hexia::office {

class ConversionEngine {
public:
    virtual ~ConversionEngine() = default;
    // Write the document at `source` (an absolute path) as PDF or DOCX into the
    // new file `target`, inside a folder that the engine may use as it likes.
    // On any failure no file is left at `target`.
    virtual OfficeStatus ToPdf(const std::string& source, const std::string& target) = 0;
    virtual OfficeStatus ToDocx(const std::string& source, const std::string& target) = 0;
    // Ends every office process the engine started; later calls fail.
    virtual void Shutdown() = 0;
};

// The folder as a file URL, as LibreOffice's -env:UserInstallation wants it.
std::string FileUrl(const std::string& absolutePath);

// Moves a finished file into place, copying when a rename cannot cross file
// systems. False, with nothing at `to`, when it could not.
bool MoveFile(const std::string& from, const std::string& to);

} // namespace hexia::office
