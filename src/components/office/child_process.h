// Runs an external program in a process group of its own, with a time limit.
// A failed start, a time-out and a bad exit are told apart, and the whole
// group is killed when the limit passes, so helpers the program forked do not
// outlive it. Children are also killed when the thread that started them ends
// (PR_SET_PDEATHSIG), so a crash of this program leaves nothing behind.
#pragma once

#include "components/office/word.h"

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace hexia::office {

struct ProcessOutcome {
    OfficeStatus status = OfficeStatus::StartFailed; // Ok, StartFailed, TimedOut or ExitFailed
    int exitCode = -1;                               // exit code, or -1 when killed or never started
};

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills the process group of a child that is still running.
    ~ChildProcess();

    // Starts argv[0] (a path, or a name looked up on the PATH) with the other
    // entries as arguments; its standard streams go to /dev/null. Ok, or
    // StartFailed when the program could not be executed.
    OfficeStatus Start(const std::vector<std::string>& argv);

    // True from a successful Start until the child has been reaped.
    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }

    // Waits for the child to exit. Past `timeLimit` the process group is killed
    // and the outcome is TimedOut. Either way nothing of the group is left.
    ProcessOutcome Wait(std::chrono::milliseconds timeLimit);

    // True while the child has not exited. Once it has, whatever it left in
    // its group is killed and the child is reaped.
    bool Running();

    // Kills the whole process group at once and reaps the child.
    void Kill();

    // The exit code of the child last reaped, or -1 when it was killed by a
    // signal or never ran.
    int ExitCode() const;

private:
    pid_t pid_ = -1;
    int waitStatus_ = -1;
};

// Starts the program and waits for it: Ok only for exit code 0.
ProcessOutcome RunProcess(const std::vector<std::string>& argv, std::chrono::milliseconds timeLimit);

} // namespace hexia::office
