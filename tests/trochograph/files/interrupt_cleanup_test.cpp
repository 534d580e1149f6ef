// Interrupted saves: a program killed by SIGINT or SIGTERM while files are being written
// leaves none of their named temporary files behind, however deep their folder, and still
// dies of the signal. (Unnamed ones go with the process: render_cli_test kills a film.)
#include "files/interrupt_cleanup.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/atomic_file.h"
#include "scratch_dir.h"

namespace trochograph {
namespace {

using test::ScratchDir;
using Naming = TemporaryFile::Naming;

// A folder `levels` deep below `dir`, each level's name 250 bytes long, so that its path is
// longer than any one path the kernel takes; opened for reading.
int deepFolder(const ScratchDir& dir, int levels)
{
    const std::string name(250, 'd');
    int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; i < levels && folder >= 0; ++i) {
        ::mkdirat(folder, name.c_str(), 0755);
        const int next = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(folder);
        folder = next;
    }
    return folder;
}

// How many files the folder open as `folder` holds, reached through its descriptor.
long filesIn(int folder)
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd/" + std::to_string(folder)), {});
}

// Forks a child that runs `setUp`, opens a sink with a named temporary file on each target,
// writes to them, tells the parent and waits to be killed; returns once the sinks are open.
template <typename SetUp>
pid_t startWriter(const std::vector<std::filesystem::path>& targets, SetUp setUp)
{
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        setUp();
        std::deque<AtomicFileSink> sinks;
        const std::uint8_t data[4096] = {};
        for (const std::filesystem::path& target : targets)
            if (!sinks.emplace_back(Naming::named).open(target) || !sinks.back().write(data)) ::_exit(3);
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
        // The last is named from the deep folder, the child's working directory.
        const int deep = deepFolder(dir, 20);
        ASSERT_GE(deep, 0);
        const pid_t pid = startWriter({dir / "old.tga", dir / "new.png", dir / "new.rlt", "deep.tga"}, [deep] {
            if (::fchdir(deep) != 0) ::_exit(5);
            removeTemporaryFilesOnInterrupt();
        });
        ASSERT_GT(pid, 0);
        EXPECT_EQ(dir.entries().size(), 5u) << "three temporary files while writing, and the deep folder";
        EXPECT_EQ(filesIn(deep), 1);
        const int status = killAndWait(pid, signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(dir.entries().size(), 2u);
        EXPECT_TRUE(std::filesystem::exists(dir / "old.tga"));
        EXPECT_EQ(filesIn(deep), 0);
        ::close(deep);
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
    std::deque<AtomicFileSink> sinks;
    for (int i = 0; i < temporaryFileSlots + 2; ++i)
        ASSERT_TRUE(sinks.emplace_back(Naming::named).open(dir / std::to_string(i)));
    EXPECT_EQ(registerTemporaryFile(AT_FDCWD, "more"), -1);
    for (auto& sink : sinks) {
        ASSERT_TRUE(sink.write(std::span<const std::uint8_t>()));
        ASSERT_TRUE(sink.commit());
    }
    const int slot = registerTemporaryFile(AT_FDCWD, "more");
    EXPECT_GE(slot, 0);
    unregisterTemporaryFile(slot);
    EXPECT_EQ(registerTemporaryFile(AT_FDCWD, std::string(temporaryNameCapacity + 1, 'x')), -1);
}

}  // namespace
}  // namespace trochograph
