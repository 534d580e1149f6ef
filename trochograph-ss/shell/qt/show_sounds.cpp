#include "shell/qt/show_sounds.h"

#include <QUrl>

namespace trochograph {

ShowSounds::ShowSounds()
{
    change_.setSource(QUrl(QStringLiteral("qrc:/sounds/sound01.wav")));
    limit_.setSource(QUrl(QStringLiteral("qrc:/sounds/sound02.wav")));
}

void ShowSounds::play(ShowSound sound)
{
    change_.stop();
    limit_.stop();
    (sound == ShowSound::change ? change_ : limit_).play();
}

}  // namespace trochograph
