#include "shell/x11/hack_scene.h"

#include "common/step_burst.h"

namespace trochograph {

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
    const int wait = runBurst([this] { return show_.step(); });
    picture_.present(screen_, changes_, layout_.top);
    return wait;
}

}  // namespace trochograph
