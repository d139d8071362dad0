// One LibreOffice instance kept running for a whole batch and driven over its
// UNO API through a named pipe, so that a batch pays the office's start-up
// once instead of once per document.
#pragma once

#include "components/office/conversion_engine.h"

#include <memory>

namespace hexia::office {

// Starts soffice.bin from `programFolder` with the profile and connects to it.
// Null when this build has no UNO support or the instance does not come up.
std::unique_ptr<ConversionEngine> StartUnoEngine(const std::string& programFolder,
                                                 const std::string& profileFolder,
                                                 const std::string& workFolder,
                                                 std::chrono::milliseconds timeLimit);

} // namespace hexia::office
