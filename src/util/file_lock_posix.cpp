#include "util/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace hexia {

int AcquireFileLock(const std::string& path, LockMode mode, bool wait) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return -1;
    const int operation = (mode == LockMode::Shared ? LOCK_SH : LOCK_EX) | (wait ? 0 : LOCK_NB);
    int result;
    do {
        result = flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void ReleaseFileLock(int lock) {
    if (lock >= 0)
        close(lock);
}

} // namespace hexia
