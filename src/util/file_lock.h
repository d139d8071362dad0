// Advisory whole-file locks between processes, held through an open file.
#pragma once

#include <string>

namespace hexia {

enum class LockMode { Shared, Exclusive };

// Opens (creating when missing) and locks the file. Waits for the lock when
// `wait` is set; otherwise fails at once if another holder conflicts. Returns
// a descriptor to pass to ReleaseFileLock, or -1.
int AcquireFileLock(const std::string& path, LockMode mode, bool wait);
void ReleaseFileLock(int lock);

} // namespace hexia
