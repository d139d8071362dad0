// The Word object model on top of LibreOffice: the PDF export goes through
// LibreOffice, the main text comes from our own DOCX reader (other formats
// are turned into DOCX by LibreOffice first).
#pragma once

#include "components/office/word.h"

#include <chrono>
#include <string>
#include <vector>

namespace hexia::office {

struct LibreOfficeOptions {
    enum class Mode {
        Automatic, // one office instance for the batch when possible, else a process per conversion
        ProcessPerConversion,
        SharedInstance, // one office instance for the batch, or no application at all
    };

    // The soffice program; empty: FindSoffice().
    std::string sofficePath;
    // LibreOffice's user profile; empty: DefaultProfileFolder(). A profile that
    // another running batch holds is not shared: a private one is used then.
    std::string profileFolder;
    // Longest time one conversion may take before the office is killed.
    std::chrono::milliseconds timeLimit = std::chrono::seconds(120);
    Mode mode = Mode::Automatic;
};

// The soffice program: the first "soffice" or "libreoffice" on `pathVariable`
// (a PATH-style list), then the first found in `installFolders`; "" when none.
std::string FindSoffice(const std::string& pathVariable, const std::vector<std::string>& installFolders);
// The same with the environment's PATH and the usual install folders.
std::string FindSoffice();

// A profile kept between batches, so that only the first batch pays for its
// creation: $XDG_CACHE_HOME/hexia/libreoffice-profile, or under ~/.cache.
std::string DefaultProfileFolder();

// Null when soffice cannot be found or is not executable, or when
// SharedInstance is asked for and the instance cannot be started.
std::shared_ptr<Application> CreateWordApplication(const LibreOfficeOptions& options);

// True when this build can drive a long-lived office instance over UNO.
bool SharedInstanceAvailable();

} // namespace hexia::office
