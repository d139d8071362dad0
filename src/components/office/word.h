// The slice of the Word automation object model that the batch uses:
// application, documents collection, document and its main-text range.
// Implementations never throw. The LibreOffice implementation lives beside
// this file; a Windows automation adapter can implement the same classes.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace hexia::office {

// Word's export format code for PDF.
inline constexpr int wdExportFormatPDF = 17;

// Outcome of an office operation. The batch does not look at it; it is here
// so that a failure can be told apart and tested.
enum class OfficeStatus {
    Ok,
    StartFailed,  // the office process could not be started
    TimedOut,     // it ran past its time limit and was killed
    ExitFailed,   // it exited with a non-zero code or crashed
    NoOutput,     // it finished but produced no file
    BadArgument,  // unsupported format, unreadable source and the like
};

class TextRange {
public:
    virtual ~TextRange() = default;
    // The main text as Word gives it: "\r" after each paragraph, "\f" at each
    // manual page break or section break, "\v" for a line break, "\t" for a tab.
    virtual std::string Text() = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual OfficeStatus ExportAsFixedFormat(const std::string& outputFileName, int exportFormat) = 0;
    virtual std::unique_ptr<office::TextRange> Range() = 0;
};

class Documents {
public:
    virtual ~Documents() = default;
    // Always gives a document object, also for a missing or broken file; the
    // failure then shows in its export and its text.
    virtual std::shared_ptr<office::Document> Open(const std::string& fileName, bool visible = false) = 0;
    // Closes every document opened through this collection.
    virtual void Close() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual void put_Visible(bool visible) = 0;
    virtual std::shared_ptr<office::Documents> get_Documents() = 0;
    // Ends the office suite; nothing it started is left running.
    virtual void Quit() = 0;
};

// Stands in for creating "Word.Application" by ProgID: null when no office
// suite can be started.
using ApplicationFactory = std::function<std::shared_ptr<Application>()>;

// The default factory: the LibreOffice implementation when soffice is found
// (on the PATH, then in the usual install folders), null otherwise.
std::shared_ptr<Application> CreateWordApplication();

} // namespace hexia::office
