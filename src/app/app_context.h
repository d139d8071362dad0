// The objects that live from start-up to exit, and the ports through which the
// core talks to its front end (window or command line). Created at start-up and
// passed down; nothing here is global.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "components/office/word.h"
#include "components/pdf_component_loading.h"
#include "components/pdf_library.h"

namespace hexia {

// The processing log: other code only empties it or appends at its end.
class ProgressLog {
public:
    virtual ~ProgressLog() = default;
    virtual void Empty() = 0;
    virtual void Append(std::string_view text) = 0;
};

// The one message box of the main road: the refusal of a batch.
class MessageBoxDisplay {
public:
    virtual ~MessageBoxDisplay() = default;
    // Shows a modal box with one OK button and no icon, and waits until it is closed.
    virtual void Show(std::string_view title, std::string_view text) = 0;
};

// A monotonic millisecond clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t TickCount() = 0;
};

struct AppContext {
    std::string ProgramDirectory;

    // Shared objects.
    std::shared_ptr<office::Application> WordApplication;
    std::shared_ptr<office::Documents> WordDocuments;
    std::shared_ptr<office::Document> CurrentWordDocument;
    PdfLibrary SharedPdfLibrary;

    // Where components and the office suite come from; tests replace them.
    const PdfComponentRegistry* componentRegistry = &PdfComponentRegistry::BuiltIn();
    office::ApplicationFactory wordFactory = office::CreateWordApplication;

    // Front-end ports.
    ProgressLog* progressLog = nullptr;
    MessageBoxDisplay* messageBox = nullptr;
    Clock* clock = nullptr;
};

// Appends to the context's log, when it has one.
inline void AppendToLog(AppContext& context, std::string_view text) {
    if (context.progressLog)
        context.progressLog->Append(text);
}

} // namespace hexia
