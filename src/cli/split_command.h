// hexia-split FILE...: does what a drop of those files, in that order, does.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/app_context.h"

namespace hexia {

// Exit codes.
inline constexpr int ExitSuccess = 0; // every book found was written
inline constexpr int ExitFailure = 1; // no office suite, a conversion or a book failed
inline constexpr int ExitRefused = 2; // the batch is not a five-book series
inline constexpr int ExitUsage = 64;  // no file, or an unknown option

// Where the command gets what the program normally finds for itself; tests
// replace it.
struct SplitCommandEnvironment {
    std::string programDirectory;
    const PdfComponentRegistry* componentRegistry = &PdfComponentRegistry::BuiltIn();
    office::ApplicationFactory wordFactory = office::CreateWordApplication;
    Clock* clock = nullptr; // null: the steady system clock
};

// `args` without the program name. Returns the exit code.
int RunSplitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const SplitCommandEnvironment& environment);

} // namespace hexia
