// The main window: menu bar, accelerator keys, the client area showing the canvas, and the
// engine and command logic it hosts.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <functional>
#include <map>
#include <memory>

#include "engine/engine.h"
#include "shell/main_controller.h"
#include "shell/qt/background_job.h"
#include "shell/qt/recent_files_settings.h"
#include "shell/qt/smooth_painter_qt.h"
#include "shell/recent_files.h"
#include "shell/startup.h"

class QAction;
class QMenu;

namespace trochograph {

class CanvasView;
class FileFlows;
class PictureWindow;
class StepTimer;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const ScreenSize& screen);
    ~MainWindow() override;

    Engine& engine() { return *engine_; }
    MainController& controller() { return *controller_; }
    CanvasView& view() { return *view_; }
    // The menu action of a command, or null.
    QAction* action(int command) const;
    PictureWindow* aboutWindow() const { return about_.get(); }

    // The window was closed, by its frame or by Exit: the program ends.
    bool closing() const { return closing_; }

    // Runs `work` with the wait cursor and without input, painting meanwhile; an exception
    // it throws comes back as its failure.
    Result<void> whileBusy(const std::function<Result<void>()>& work);
    // Runs `work` beside the window with a progress window; one such job at a time.
    void runInBackground(const std::string& title, BackgroundJob::Work work, BackgroundJob::Done done);
    // The job under way, or null.
    BackgroundJob* backgroundJob() const { return job_.get(); }

    FileFlows& files() { return *files_; }

    // The parameter files loaded or saved last, which the File menu lists and the settings
    // file keeps. A file remembered heads the list; a file forgotten leaves it.
    const RecentFiles& recentFiles() const { return recent_; }
    QMenu* recentMenu() const { return recentMenu_; }
    void rememberParameterFile(const std::filesystem::path& file);
    void forgetParameterFile(const std::filesystem::path& file);

    // After any input: the pointer shows whether something is being drawn, and if it is,
    // the next step is scheduled unless it already is.
    void afterInput();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class Port;

    void buildMenu();
    void buildRecentFilesMenu(QMenu* fileMenu, const QString& title);
    // The submenu shows the list as it is now.
    void recentFilesChanged();
    // The settings file keeps the list as it is now, unless it failed before.
    void keepRecentFiles();
    // The settings file is left alone from now on, and a box says why once the window is up.
    void stopUsingSettings(const Error& why);
    void buildAccelerators();
    void runCommand(int command);
    // The client area shows the canvas again at 1:1, grey beyond it: all of it, or `area`.
    void repaintFromCanvas();
    void repaintFromCanvas(const Rect& area);
    void openAboutWindow();
    // Keeps the whole window, its frame included, inside its screen's free area, so that
    // neither a small screen nor a panel hides an edge. The frame is known only once the
    // window system has framed the window, so this runs again whenever the frame changes.
    void keepOnScreen();

    ScreenSize screen_;
    CanvasView* view_;
    std::unique_ptr<Port> port_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<MainController> controller_;
    QtSmoothPainter smooth_;  // for pictures saved smooth
    std::unique_ptr<FileFlows> files_;
    std::map<int, QAction*> actions_;
    RecentFiles recent_;
    RecentFilesSettings settings_;
    bool settingsUsable_ = true;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<BackgroundJob> job_;
    // One entry for each place of the list, shown while the list reaches it, and "(none)".
    std::vector<QAction*> recentEntries_;
    QAction* noRecentFiles_ = nullptr;
    std::unique_ptr<PictureWindow> about_;
    StepTimer* steps_;
    bool closing_ = false;
    QMargins fittedFrame_;  // the window frame keepOnScreen() last allowed for
};

}  // namespace trochograph
