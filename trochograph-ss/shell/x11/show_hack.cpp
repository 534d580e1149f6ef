// The hack's life: the display and the window checked, then turns of the show with the
// waits between them spent in poll() on the X connection and the stop signals.
#include "shell/show_hack.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <poll.h>

#include "common/error_line.h"
#include "common/result.h"
#include "shell/x11/hack_scene.h"
#include "shell/x11/stop_signals.h"
#include "shell/x11/x_errors.h"

namespace trochograph {

namespace {

using Clock = std::chrono::steady_clock;

void say(const std::string& line) { printErrorLine("trochograph-ss", line); }

std::string hex(Window window)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(window));
    return text;
}

// Accepts a window of these attributes when the show can draw into it, else says why not.
Result<void> checkVisual(const XWindowAttributes& attributes, Window window)
{
    if (attributes.visual->c_class == TrueColor && (attributes.depth == 24 || attributes.depth == 32)) return {};
    const char* kind = attributes.visual->c_class == TrueColor ? "TrueColor" : "not TrueColor";
    return Error{ErrorCode::invalid, "window " + hex(window) +
                                         ": the show draws on TrueColor visuals of depth 24 or 32, not on depth " +
                                         std::to_string(attributes.depth) + " (" + kind + ")"};
}

enum class Outcome { goOn, resized, ended, failed };

class Hack {
public:
    Hack(const XTarget& target, int width, int height, int delay, int stopFd)
        : target_(target), width_(width), height_(height), delay_(delay), stopFd_(stopFd)
    {
    }

    int run()
    {
        scene_ = std::make_unique<HackScene>(target_, width_, height_, delay_);
        scene_->repaint();
        for (;;) {
            const Clock::time_point next = Clock::now() + std::chrono::milliseconds(scene_->turn());
            XFlush(target_.display);
            Outcome outcome = waitUntil(next);
            if (outcome == Outcome::resized) {
                // A new size starts the show over. The old scene goes first, so that two
                // pictures of a large window are never held at once.
                scene_.reset();
                scene_ = std::make_unique<HackScene>(target_, width_, height_, delay_);
                scene_->repaint();
                outcome = Outcome::goOn;
            }
            if (outcome == Outcome::ended) return 0;
            if (outcome == Outcome::failed) return 1;
        }
    }

private:
    // Handles events until `next` or until something ends the wait early.
    Outcome waitUntil(Clock::time_point next)
    {
        for (;;) {
            if (const Outcome outcome = handleEvents(); outcome != Outcome::goOn) return outcome;
            // Polled even when no time is left, so that turns without pauses still see a signal.
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
            pollfd watched[] = {{ConnectionNumber(target_.display), POLLIN, 0}, {stopFd_, POLLIN, 0}};
            const int ready = poll(watched, 2, static_cast<int>(std::clamp<long long>(left, 0, 60000)));
            if (ready < 0 && errno != EINTR) {
                say(std::string("can't wait for events: ") + std::strerror(errno));
                return Outcome::failed;
            }
            if (ready > 0 && watched[1].revents != 0) return Outcome::ended;
            if (left <= 0) return Outcome::goOn;
        }
    }

    // Everything X has sent, and any X error it reported.
    Outcome handleEvents()
    {
        bool expose = false;
        bool resized = false;
        while (XPending(target_.display) > 0) {
            XEvent event;
            XNextEvent(target_.display, &event);
            switch (event.type) {
            case Expose: expose = true; break;
            case ConfigureNotify:
                if (event.xconfigure.window == target_.window &&
                    (event.xconfigure.width != width_ || event.xconfigure.height != height_)) {
                    width_ = event.xconfigure.width;
                    height_ = event.xconfigure.height;
                    resized = true;
                }
                break;
            case DestroyNotify:
                if (event.xdestroywindow.window == target_.window) return Outcome::ended;
                break;
            default: break;
            }
        }
        if (const auto error = takeXError()) {
            // The window destroyed under a request of ours, before its DestroyNotify arrived.
            const bool gone = error->code == BadWindow || error->code == BadDrawable;
            if (gone && error->resource == target_.window) return Outcome::ended;
            say(describeXError(target_.display, *error));
            return Outcome::failed;
        }
        if (resized) return Outcome::resized;
        if (expose) {
            scene_->repaint();
            XFlush(target_.display);
        }
        return Outcome::goOn;
    }

    XTarget target_;
    int width_;
    int height_;
    int delay_;
    int stopFd_;
    std::unique_ptr<HackScene> scene_;
};

int runOn(Display* display, const HackOptions& options, int stopFd)
{
    const Window window = options.window ? Window{*options.window} : DefaultRootWindow(display);
    XWindowAttributes attributes{};
    const bool found = XGetWindowAttributes(display, window, &attributes) != 0;
    takeXError();
    if (!found) {
        say("no such window " + hex(window));
        return 1;
    }
    if (const Result<void> usable = checkVisual(attributes, window); !usable) {
        say(usable.message());
        return 1;
    }
    // Exposure and size only: the hack takes no input, which stays with the window's owner.
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
    const XTarget target{display, window, attributes.visual, attributes.depth};
    try {
        return Hack(target, attributes.width, attributes.height, options.delay, stopFd).run();
    } catch (const std::bad_alloc&) {
        say("not enough memory for the picture of window " + hex(window));
        return 1;
    }
}

}  // namespace

int runHack(const HackOptions& options)
{
    const int stopFd = stopSignalsFd();
    if (stopFd < 0) {
        say(std::string("can't set up signal handling: ") + std::strerror(errno));
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        say(std::string("can't open display '") + XDisplayName(nullptr) + "'");
        return 1;
    }
    installXErrorHandlers();
    const int code = runOn(display, options, stopFd);
    XCloseDisplay(display);
    return code;
}

}  // namespace trochograph
