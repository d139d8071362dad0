#include "components/office/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace hexia::office {

namespace {

void CloseQuietly(int fd) {
    if (fd >= 0) {
        ::close(fd);
    }
}

} // namespace

ChildProcess::~ChildProcess() {
    if (Started()) {
        Kill();
    }
}

OfficeStatus ChildProcess::Start(const std::vector<std::string>& argv) {
    if (Started() || argv.empty() || argv[0].empty()) {
        return OfficeStatus::StartFailed;
    }
    // Everything the child needs is prepared before fork: between fork and
    // exec only async-signal-safe calls are allowed.
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        return OfficeStatus::StartFailed;
    }
    pid_t parent = ::getpid();
    pid_t pid = ::fork();
    if (pid < 0) {
        CloseQuietly(errorPipe[0]);
        CloseQuietly(errorPipe[1]);
        return OfficeStatus::StartFailed;
    }
    if (pid == 0) {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) {
            ::_exit(127); // the parent died before the signal was armed
        }
        int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execvp(args[0], args.data());
        int error = errno;
        ssize_t ignored = ::write(errorPipe[1], &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }
    // Also set here, so the group exists before either side goes on.
    ::setpgid(pid, pid);
    CloseQuietly(errorPipe[1]);
    int childError = 0;
    ssize_t got;
    do {
        got = ::read(errorPipe[0], &childError, sizeof childError);
    } while (got < 0 && errno == EINTR);
    CloseQuietly(errorPipe[0]);
    pid_ = pid;
    waitStatus_ = -1;
    if (got > 0) {
        Kill();
        return OfficeStatus::StartFailed;
    }
    return OfficeStatus::Ok;
}

bool ChildProcess::Running() {
    if (!Started()) {
        return false;
    }
    // Peek without reaping: while the child is a zombie its pid, and so its
    // group id, cannot be taken by another process, so the group kill in
    // Kill() cannot hit a stranger.
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
        info.si_pid == 0) {
        return true;
    }
    Kill();
    return false;
}

void ChildProcess::Kill() {
    if (!Started()) {
        return;
    }
    ::kill(-pid_, SIGKILL);
    int status = 0;
    pid_t done;
    do {
        done = ::waitpid(pid_, &status, 0);
    } while (done < 0 && errno == EINTR);
    waitStatus_ = done == pid_ ? status : -1;
    pid_ = -1;
}

int ChildProcess::ExitCode() const {
    return !Started() && WIFEXITED(waitStatus_) ? WEXITSTATUS(waitStatus_) : -1;
}

ProcessOutcome ChildProcess::Wait(std::chrono::milliseconds timeLimit) {
    ProcessOutcome outcome;
    if (!Started()) {
        return outcome;
    }
    auto deadline = std::chrono::steady_clock::now() + timeLimit;
    auto pause = std::chrono::milliseconds(1);
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            Kill();
            outcome.status = OfficeStatus::TimedOut;
            return outcome;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    outcome.exitCode = ExitCode();
    outcome.status = outcome.exitCode == 0 ? OfficeStatus::Ok : OfficeStatus::ExitFailed;
    return outcome;
}

ProcessOutcome RunProcess(const std::vector<std::string>& argv, std::chrono::milliseconds timeLimit) {
    ChildProcess child;
    if (child.Start(argv) != OfficeStatus::Ok) {
        return {};
    }
    return child.Wait(timeLimit);
}

} // namespace hexia::office
