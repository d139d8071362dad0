#include "components/office/child_process.h"

#include "office_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace hexia::office {
namespace {

using namespace std::chrono_literals;
using testing::TempDir;

TEST(RunProcess, TellsFailedStartTimeOutAndBadExitApart) {
    TempDir dir;
    auto ok = testing::WriteScript(dir / "ok", "exit 0");
    auto bad = testing::WriteScript(dir / "bad", "exit 3");
    std::ofstream(dir / "plain") << "not executable";

    ProcessOutcome outcome = RunProcess({ok}, 10s);
    EXPECT_EQ(outcome.status, OfficeStatus::Ok);
    EXPECT_EQ(outcome.exitCode, 0);

    outcome = RunProcess({bad}, 10s);
    EXPECT_EQ(outcome.status, OfficeStatus::ExitFailed);
    EXPECT_EQ(outcome.exitCode, 3);

    for (const auto& program : {dir / "missing", dir / "plain", std::string("hexia-no-such-program")}) {
        outcome = RunProcess({program}, 10s);
        EXPECT_EQ(outcome.status, OfficeStatus::StartFailed) << program;
        EXPECT_EQ(outcome.exitCode, -1);
    }

    auto crash = testing::WriteScript(dir / "crash", "kill -SEGV $$");
    EXPECT_EQ(RunProcess({crash}, 10s).status, OfficeStatus::ExitFailed);
}

TEST(RunProcess, PassesArgumentsUnchanged) {
    TempDir dir;
    auto echo = testing::WriteScript(dir / "echo", "printf '%s|' \"$@\" > \"$1\"");
    ASSERT_EQ(RunProcess({echo, dir / "out", "a b", "-env:X=file:///y z", ""}, 10s).status, OfficeStatus::Ok);
    std::ifstream in(dir / "out");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, dir / "out" + "|a b|-env:X=file:///y z||");
}

// A program that forks a helper and hangs, as a stuck office suite does.
TEST(RunProcess, TimeOutKillsTheWholeGroup) {
    TempDir dir;
    auto hang = testing::WriteScript(dir / "hang", "sleep 30 &\necho $! > \"$1\"\nwait");
    auto start = std::chrono::steady_clock::now();
    ProcessOutcome outcome = RunProcess({hang, dir / "helper.pid"}, 300ms);
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome.status, OfficeStatus::TimedOut);
    EXPECT_EQ(outcome.exitCode, -1);
    EXPECT_LT(took, 5s);
    pid_t helper = testing::ReadPid(dir / "helper.pid");
    ASSERT_GT(helper, 0);
    EXPECT_TRUE(testing::ProcessGone(helper));
}

TEST(RunProcess, HelpersLeftBehindAfterExitAreKilled) {
    TempDir dir;
    auto leave = testing::WriteScript(dir / "leave", "sleep 30 &\necho $! > \"$1\"\nexit 0");
    EXPECT_EQ(RunProcess({leave, dir / "helper.pid"}, 10s).status, OfficeStatus::Ok);
    pid_t helper = testing::ReadPid(dir / "helper.pid");
    ASSERT_GT(helper, 0);
    EXPECT_TRUE(testing::ProcessGone(helper));
}

TEST(ChildProcess, DestructorKillsARunningChild) {
    TempDir dir;
    auto hang = testing::WriteScript(dir / "hang", "echo $$ > \"$1\"\nexec sleep 30");
    pid_t pid = -1;
    {
        ChildProcess child;
        ASSERT_EQ(child.Start({hang, dir / "self.pid"}), OfficeStatus::Ok);
        pid = child.Pid();
        EXPECT_TRUE(child.Running());
    }
    EXPECT_TRUE(testing::ProcessGone(pid));
}

} // namespace
} // namespace hexia::office
