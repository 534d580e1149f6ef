#include "shell/qt/show_application.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "common/qt/message_box.h"
#include "common/qt/step_timer.h"
#include "shell/qt/show_sounds.h"
#include "shell/qt/show_window.h"
#include "show/show.h"
#include "show/show_platform.h"

namespace trochograph {

namespace {

// Only where the window system lets a program place the cursor can it be pinned.
bool cursorCanBePinned() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

}  // namespace

// The screen picture, and the cursor pinned at device pixel (10, 10) before every step; it
// is put back only after it has moved, which is all that a pin can change.
class ShowApplication::Platform final : public ShowPlatform {
public:
    Platform(ShowWindow& window, bool pinned, double pixelRatio)
        : window_(window), pinned_(pinned), pixelRatio_(pixelRatio)
    {
    }
    Surface& screen() override { return window_.picture(); }
    void pinCursor() override
    {
        if (!pinned_ || !moved_) return;
        QCursor::setPos(QPointF(10 / pixelRatio_, 10 / pixelRatio_).toPoint());
        moved_ = false;
    }
    void mouseMoved() { moved_ = true; }

private:
    ShowWindow& window_;
    bool pinned_;
    double pixelRatio_;
    bool moved_ = true;
};

ShowApplication::ShowApplication()
    : controls_(cursorCanBePinned()),
      steps_(new StepTimer(
          [this]() -> std::optional<int> {
              if (finished_) return std::nullopt;
              return show_->step();
          },
          this))
{
    steps_->beforeTurn = [this] {
        // A long pause is over: the input that waited for it applies now.
        controls_.hold(false);
        afterInput();
        show_->setSpeed(controls_.speed());
    };
    steps_->afterTurn = [this] { controls_.hold(show_->inLongPause()); };
}

ShowApplication::~ShowApplication() = default;

bool ShowApplication::start()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() < 24) {
        showMessageBox(nullptr, {"Couldn't initialize graphics.", "Error", MessageIcon::warning});
        return false;
    }
    // The show draws at the screen's full resolution: on a screen scaled to 200 %, a
    // 2560 x 1600 picture, not 1280 x 800 doubled.
    const QRect geometry = screen->geometry();
    const double ratio = screen->devicePixelRatio();
    window_ = std::make_unique<ShowWindow>(geometry, ratio, controls_);
    window_->setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    platform_ = std::make_unique<Platform>(*window_, cursorCanBePinned(), ratio);
    const Surface& picture = window_->picture();
    show_ = std::make_unique<Show>(*platform_, picture.width(), picture.height());
    sounds_ = std::make_unique<ShowSounds>();
    window_->onInput = [this] { afterInput(); };
    window_->onMouseMoved = [this] { platform_->mouseMoved(); };

    window_->showFullScreen();
    window_->activateWindow();
    // Input from before the start doesn't end the show.
    QCoreApplication::processEvents();
    controls_.start();
    steps_->start();
    return true;
}

int ShowApplication::exec()
{
    if (finished_) return 0;
    connect(this, &ShowApplication::ended, qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

void ShowApplication::tick() { steps_->turnNow(); }

void ShowApplication::afterInput()
{
    for (ShowSound sound : controls_.takeSounds()) sounds_->play(sound);
    if (controls_.ended() && !finished_) {
        finished_ = true;
        steps_->stop();
        emit ended();
    }
}

}  // namespace trochograph
