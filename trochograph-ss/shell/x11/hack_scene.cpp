#include "shell/x11/hack_scene.h"

#include <chrono>

namespace trochograph {

namespace {

// How long a turn may go on drawing points that need no pause before events are handled.
constexpr std::chrono::milliseconds turnTime{8};

}  // namespace

HackScene::HackScene(const XTarget& target, int width, int height, int delay)
    : layout_(hackLayout(width, height)),
      screen_(layout_.width, layout_.side, 0),
      show_(platform_, layout_.width, layout_.side),
      picture_(target, width, height)
{
    screen_.attach(changes_);
    show_.setSpeed(delay);
}

int HackScene::turn()
{
    const auto start = std::chrono::steady_clock::now();
    int wait = 0;
    do {
        wait = show_.step();
    } while (wait == 0 && std::chrono::steady_clock::now() - start < turnTime);
    picture_.present(screen_, changes_, layout_.top);
    return wait;
}

}  // namespace trochograph
