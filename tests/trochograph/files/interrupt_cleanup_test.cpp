// Interrupted saves: a program killed by SIGINT or SIGTERM while files are being written
// leaves none of their temporary files behind, and still dies of the signal.
#include "files/interrupt_cleanup.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "files/atomic_file.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;

// Forks a child that runs `setUp`, opens a sink on each target, writes to them, tells the
// parent and waits to be killed; returns once the sinks are open.
template <typename SetUp>
pid_t startWriter(const std::vector<std::filesystem::path>& targets, SetUp setUp)
{
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        setUp();
        std::vector<AtomicFileSink> sinks(targets.size());
        const std::uint8_t data[4096] = {};
        for (std::size_t i = 0; i < targets.size(); ++i)
            if (!sinks[i].open(targets[i]) || !sinks[i].write(data)) ::_exit(3);
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1) ::_exit(4);
        for (;;) ::pause();
    }
    ::close(ready[1]);
    char byte = 0;
    const bool started = pid > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (!started && pid > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

int killAndWait(pid_t pid, int signal)
{
    ::kill(pid, signal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(InterruptCleanup, SignalsRemoveTheTemporaryFilesOfOpenSinksAndStillEndTheProgram)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(strsignal(signal));
        ScratchDir dir;
        test::writeBytes(dir / "old.tga", "old picture");
        const pid_t pid = startWriter({dir / "old.tga", dir / "new.png", dir / "new.rlt"},
                                      [] { removeTemporaryFilesOnInterrupt(); });
        ASSERT_GT(pid, 0);
        EXPECT_EQ(dir.entries().size(), 4u) << "three temporary files while writing";
        const int status = killAndWait(pid, signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"old.tga"});
        const auto old = test::readBytes(dir / "old.tga");
        EXPECT_EQ(std::string(old.begin(), old.end()), "old picture");
    }
}

// A program started with a signal ignored (nohup, a background job) keeps ignoring it; the
// other signal still cleans up. Pending signals arrive lowest number first, so a SIGINT
// that were not ignored would end the child before the SIGTERM sent after it.
TEST(InterruptCleanup, AnIgnoredSignalStaysIgnored)
{
    ScratchDir dir;
    const pid_t pid = startWriter({dir / "a.tga"}, [] {
        std::signal(SIGINT, SIG_IGN);
        removeTemporaryFilesOnInterrupt();
    });
    ASSERT_GT(pid, 0);
    ::kill(pid, SIGINT);
    const int status = killAndWait(pid, SIGTERM);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(dir.entries().empty());
}

// A full table costs only the clean-up on a signal; the slots come back when sinks close.
TEST(InterruptCleanup, MoreOpenSinksThanSlotsStillWrite)
{
    ScratchDir dir;
    std::vector<AtomicFileSink> sinks(temporaryFileSlots + 2);
    for (std::size_t i = 0; i < sinks.size(); ++i) ASSERT_TRUE(sinks[i].open(dir / std::to_string(i)));
    EXPECT_EQ(registerTemporaryFile(dir / "more"), -1);
    for (auto& sink : sinks) {
        ASSERT_TRUE(sink.write(std::span<const std::uint8_t>()));
        ASSERT_TRUE(sink.commit());
    }
    const int slot = registerTemporaryFile(dir / "more");
    EXPECT_GE(slot, 0);
    unregisterTemporaryFile(slot);
    EXPECT_EQ(registerTemporaryFile(std::string(temporaryPathCapacity, 'x')), -1);
}

}  // namespace
}  // namespace trochograph
