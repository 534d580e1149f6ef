// The show's two sounds, played without waiting; a new one cuts off one still playing.
// Without an audio device they are silent, and nothing is reported.
#pragma once

#include <QSoundEffect>

#include "shell/show_controls.h"

namespace trochograph {

class ShowSounds {
public:
    ShowSounds();
    void play(ShowSound sound);

private:
    QSoundEffect change_;
    QSoundEffect limit_;
};

}  // namespace trochograph
