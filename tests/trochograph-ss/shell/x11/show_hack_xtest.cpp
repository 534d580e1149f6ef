// trochograph-ss run for real: its command line's exit codes and streams, and the show as a
// screensaver hack drawing into windows of an Xvfb server that each test process starts for
// itself on a free display (-displayfd). Skipped where Xvfb isn't installed.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "common/geometry.h"
#include "version.h"

extern char** environ;

namespace trochograph::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// In the child: dies with the test process, so that nothing outlives a crashed test.
void dieWithParent()
{
#ifdef __linux__
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
}

// A program run with the test's environment, less DISPLAY and XSCREENSAVER_WINDOW, plus
// `extraEnv`; its stdout and stderr go to files. One still running at the end is asked to
// stop with SIGTERM, then killed.
class Process {
public:
    Process(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv)
        : out_(std::tmpfile()), err_(std::tmpfile())
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "XSCREENSAVER_WINDOW=", 20) != 0)
                env.emplace_back(*e);
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        std::vector<char*> argv, envp;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dieWithParent();
            dup2(fileno(out_), STDOUT_FILENO);
            dup2(fileno(err_), STDERR_FILENO);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
    }
    ~Process()
    {
        if (pid_ > 0 && running()) {
            signal(SIGTERM);
            if (exitCode(5s) == -1 && running()) {
                signal(SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
        std::fclose(out_);
        std::fclose(err_);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool running()
    {
        int status = 0;
        if (!status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
        return !status_;
    }
    void signal(int number) { kill(pid_, number); }

    // The exit code once it has ended by itself within `limit`; -1 for a signal or a time-out.
    int exitCode(Clock::duration limit = 20s)
    {
        const Clock::time_point end = Clock::now() + limit;
        while (running() && Clock::now() < end) std::this_thread::sleep_for(10ms);
        if (!status_) return -1;
        return WIFEXITED(*status_) ? WEXITSTATUS(*status_) : -1;
    }
    std::string out() const { return contents(out_); }
    std::string err() const { return contents(err_); }

private:
    // Read without moving the offset that the child writes at.
    static std::string contents(FILE* file)
    {
        std::string text;
        char buffer[512];
        for (ssize_t n; (n = pread(fileno(file), buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

    FILE* out_;
    FILE* err_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

Process runShow(const std::vector<std::string>& args, const std::vector<std::string>& env = {})
{
    std::vector<std::string> argv{TROCHOGRAPH_SS_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    return Process(argv, env);
}

TEST(ShowProgram, ExitCodesAndStreams)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;  // all of stdout when empty or ending in '\n', else its start
        std::string err;  // likewise
    };
    const std::string unknown = "trochograph-ss: unknown option '-frobnicate'\nusage: trochograph-ss";
    const Case cases[] = {
        {{"--version"}, 0, std::string("trochograph-ss ") + version + "\n", ""},
        {{"--help"}, 0, "usage: trochograph-ss", ""},
        {{"-frobnicate"}, 2, "", unknown},
        {{"-root", "-window-id", "0x"}, 2, "",
         "trochograph-ss: -window-id takes a window id, decimal or 0x-hex, not '0x'\n"},
        {{"-delay", "10"}, 2, "", "trochograph-ss: -delay is for the screensaver hack: give -root or -window-id"},
        {{"-root"}, 1, "", "trochograph-ss: can't open display ':4999'\n"},
    };
    for (const Case& c : cases) {
        Process show = runShow(c.args, {"DISPLAY=:4999"});
        const std::string shown = c.args[0];
        EXPECT_EQ(show.exitCode(), c.exitCode) << shown << ": " << show.err();
        for (const auto& [got, wanted] : {std::pair{show.out(), c.out}, std::pair{show.err(), c.err}}) {
            const bool whole = wanted.empty() || wanted.back() == '\n';
            EXPECT_EQ(whole ? got : got.substr(0, wanted.size()), wanted) << shown;
        }
    }
}

// An Xvfb server on the first free display, which it prints once it takes connections.
// -noreset: a server that resets when its last client leaves refuses the next test's.
struct Xvfb {
    Process process{{"/bin/sh", "-c", "exec Xvfb -displayfd 1 -nolisten tcp -noreset -screen 0 640x480x24"}, {}};
    std::string display;  // ":N" once it runs

    Xvfb()
    {
        const Clock::time_point end = Clock::now() + 20s;
        std::string number;
        while ((number = process.out()).find('\n') == std::string::npos && Clock::now() < end && process.running())
            std::this_thread::sleep_for(10ms);
        if (const std::size_t newline = number.find('\n'); newline != std::string::npos)
            display = std::string(":").append(number, 0, newline);
    }
};

// Non-black pixels of a window, inside a rectangle and outside it.
struct Drawn {
    long inside = 0;
    long outside = 0;
};

class ShowHack : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (std::system("command -v Xvfb > /dev/null 2>&1") == 0) server_ = std::make_unique<Xvfb>();
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override
    {
        if (!server_) GTEST_SKIP() << "Xvfb isn't installed: the screensaver hack can't be run";
        ASSERT_FALSE(server_->display.empty()) << "Xvfb didn't start: " << server_->process.err();
        display_ = XOpenDisplay(server_->display.c_str());
        ASSERT_NE(display_, nullptr) << "can't open " << server_->display;
    }
    void TearDown() override
    {
        if (display_) XCloseDisplay(display_);
    }

    // A white window at the top left, mapped, so that only the hack makes anything black.
    Window makeWindow(int width, int height)
    {
        const int screen = DefaultScreen(display_);
        const Window window = XCreateSimpleWindow(display_, RootWindow(display_, screen), 0, 0,
                                                  static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                                                  BlackPixel(display_, screen), WhitePixel(display_, screen));
        XMapWindow(display_, window);
        XSync(display_, False);
        return window;
    }

    Process startHack(const std::vector<std::string>& args, std::vector<std::string> env = {})
    {
        env.push_back("DISPLAY=" + server_->display);
        return runShow(args, env);
    }

    Drawn drawn(Window window, int width, int height, const Rect& square)
    {
        Drawn d;
        XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                  AllPlanes, ZPixmap);
        if (!image) return d;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((XGetPixel(image, x, y) & 0xFFFFFF) != 0) ++(square.contains({x, y}) ? d.inside : d.outside);
        XDestroyImage(image);
        return d;
    }

    // Waits until the show has drawn more than `pixels` inside `square` while everything
    // around it is black; returns how much it has drawn.
    long expectDrawnIn(Window window, int width, int height, const Rect& square, Process& hack, long pixels = 0)
    {
        const Clock::time_point end = Clock::now() + 20s;
        Drawn d;
        while (Clock::now() < end && hack.running()) {
            d = drawn(window, width, height, square);
            if (d.inside > pixels && d.outside == 0) return d.inside;
            std::this_thread::sleep_for(20ms);
        }
        ADD_FAILURE() << "drawn inside the square: " << d.inside << " pixels, outside: " << d.outside
                      << (hack.running() ? "" : "; the hack ended: " + hack.err());
        return 0;
    }

    static std::string id(Window window) { return std::to_string(window); }

    static std::unique_ptr<Xvfb> server_;
    Display* display_ = nullptr;
};

std::unique_ptr<Xvfb> ShowHack::server_;

TEST_F(ShowHack, DrawsInTheMiddleOfAGivenWindowUntilSigterm)
{
    const Window window = makeWindow(320, 200);
    Process hack = startHack({"-window-id", id(window), "-delay", "1"});
    // The canvas is 200 x 200 in the middle; the strips beside it are black, and stay so
    // while the curve and its circles go on.
    const Rect square{60, 0, 260, 200};
    const long first = expectDrawnIn(window, 320, 200, square, hack);
    expectDrawnIn(window, 320, 200, square, hack, first + 100);
    hack.signal(SIGTERM);
    EXPECT_EQ(hack.exitCode(), 0) << hack.err();
    EXPECT_EQ(hack.err(), "");
}

TEST_F(ShowHack, FollowsTheScreensaverWindowThroughAResizeUntilItIsDestroyed)
{
    const Window window = makeWindow(200, 320);
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%lx", window);
    Process hack = startHack({"-root"}, {std::string("XSCREENSAVER_WINDOW=") + hex});
    // Portrait: the square in the middle, black above and below.
    expectDrawnIn(window, 200, 320, {0, 60, 200, 260}, hack);
    XResizeWindow(display_, window, 300, 150);
    XSync(display_, False);
    expectDrawnIn(window, 300, 150, {75, 0, 225, 150}, hack);
    XDestroyWindow(display_, window);
    XSync(display_, False);
    EXPECT_EQ(hack.exitCode(), 0) << hack.err();
    EXPECT_EQ(hack.err(), "");
}

TEST_F(ShowHack, RefusesAWindowThatDoesNotExist)
{
    const Window window = makeWindow(50, 50);
    XDestroyWindow(display_, window);
    XSync(display_, False);
    Process hack = startHack({"-window-id", id(window)});
    EXPECT_EQ(hack.exitCode(), 1);
    char line[80];
    std::snprintf(line, sizeof line, "trochograph-ss: no such window 0x%lx\n", window);
    EXPECT_EQ(hack.err(), line);
}

}  // namespace
}  // namespace trochograph::test
