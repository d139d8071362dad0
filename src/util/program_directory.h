#pragma once

#include <string>

namespace hexia {

// The folder that holds temp/ and config/: the executable's folder, or the
// folder named by the environment variable HEXIA_HOME. No trailing separator.
std::string ProgramDirectory();

} // namespace hexia
