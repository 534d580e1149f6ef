#include "shell/qt/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include "common/qt/message_box.h"
#include "engine/engine.h"
#include "shell/file_flows.h"
#include "shell/parameter_loading.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/main_window.h"
#include "shell/qt/picture_window.h"

namespace trochograph {

Application::Application(StartupOptions options) : options_(std::move(options))
{
    // The program ends when the main window closes, not when the opening picture does.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    screen_ = {geometry.width(), geometry.height()};
}

Application::~Application() = default;

void Application::showPicture(const char* name, const char* resource, int width, int height)
{
    if (options_.onPicture) options_.onPicture(name, window_ && window_->isVisible());
    showTimedPicture(resource, centredPicture(screen_, width, height), options_.pictureMilliseconds);
}

bool Application::start()
{
    // The opening picture stands alone: the main window isn't shown before it has gone.
    showPicture("opening", ":/pictures/splash.png", 360, 360);

    window_ = std::make_unique<MainWindow>(screen_);
    Engine& engine = window_->engine();
    engine.rebuildCanvas(startResolution(screen_));
    // The file the program was started with is read quietly; a refused one is reported
    // once the window is up, so the user learns why the built-in curve appears instead. A
    // PNG picture brings the side of the canvas it was drawn on. What "restore defaults"
    // and F10 bring back was taken from the built-in values when the window was made.
    std::optional<Message> refusal;
    if (const std::string file = commandLineFile(options_.argument); !file.empty()) {
        ParameterOrigin origin;
        if (loadParametersInto(engine, file, origin))
            window_->rememberParameterFile(file);
        else
            refusal = parameterFileRefusal(origin);
        window_->files().proposeParameterFile(file);
    }

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !displayDepthSuffices(screen->depth())) {
        showMessageBox(nullptr, {startupError(errorNoGraphics), "Error", MessageIcon::warning});
        return false;
    }
    window_->show();
    window_->afterInput();  // the intro starts
    if (refusal)
        QMetaObject::invokeMethod(window_.get(), [w = window_.get(), message = *refusal] {
            showMessageBox(w, message);
        }, Qt::QueuedConnection);
    return true;
}

int Application::exec()
{
    if (!window_->closing()) {
        QObject::connect(window_.get(), &MainWindow::closed, qApp, [] { QCoreApplication::exit(0); },
                         Qt::QueuedConnection);
        QCoreApplication::exec();
    }
    return finish();
}

int Application::finish()
{
    // The surfaces go with the window; nothing draws after this.
    window_->hide();
    window_.reset();
    showPicture("closing", ":/pictures/farewell.png", 240, 240);
    return 0;
}

}  // namespace trochograph
