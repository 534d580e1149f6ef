#include "shell/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QEventLoop>
#include <QFile>
#include <QWindow>
#include <new>

#include "common/qt/message_box.h"
#include "common/qt/step_timer.h"
#include "common/qt/window_frame.h"
#include "common/window_fit.h"
#include "dialogs/qt/form_dialog.h"
#include "dialogs/save_animation_form.h"
#include "shell/commands.h"
#include "shell/file_flows.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/file_dialog.h"
#include "shell/qt/picture_window.h"
#include "shell/qt/recent_files_settings.h"
#include "shell/settings_file.h"
#include "shell/qt/wait_cursor.h"

namespace trochograph {

namespace {

Qt::Key qtKey(Key key)
{
    switch (key) {
    case Key::L: return Qt::Key_L;
    case Key::S: return Qt::Key_S;
    case Key::P: return Qt::Key_P;
    case Key::Escape: return Qt::Key_Escape;
    case Key::R: return Qt::Key_R;
    case Key::F2: return Qt::Key_F2;
    case Key::F3: return Qt::Key_F3;
    case Key::F4: return Qt::Key_F4;
    case Key::F5: return Qt::Key_F5;
    case Key::F6: return Qt::Key_F6;
    case Key::F7: return Qt::Key_F7;
    case Key::F8: return Qt::Key_F8;
    case Key::F9: return Qt::Key_F9;
    case Key::M: return Qt::Key_M;
    case Key::F10: return Qt::Key_F10;
    case Key::F11: return Qt::Key_F11;
    case Key::C: return Qt::Key_C;
    }
    return Qt::Key_unknown;
}

// The folder the file dialogs start in: the current one, if there is such a thing.
std::filesystem::path startFolder()
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : folder;
}

}  // namespace

// What the command logic and the file commands ask of the window.
class MainWindow::Port final : public WindowPort {
public:
    explicit Port(MainWindow& window) : window_(window) {}
    Surface& windowSurface() override { return window_.view_->surface(); }
    MessageAnswer showMessage(const Message& message) override { return showMessageBox(&window_, message); }
    int runDialog(Form& form, CurvePreview* preview) override
    {
        FormDialog box(form, &window_, preview);
        return box.exec();
    }
    std::optional<std::filesystem::path> chooseFile(FileDialogKind kind, const std::filesystem::path& proposed) override
    {
        return runFileDialog(&window_, kind, proposed, &filter_);
    }
    int chosenFilter() const override { return filter_; }
    void postCommand(int command) override
    {
        QMetaObject::invokeMethod(&window_, [w = &window_, command] { w->runCommand(command); }, Qt::QueuedConnection);
    }
    void repaintNow() override { window_.view_->showNow(); }
    Result<void> whileBusy(const std::function<Result<void>()>& work) override { return window_.whileBusy(work); }
    void runInBackground(const std::string& title, std::function<Result<void>(const ProgressReport&)> work,
                         std::function<void(const Result<void>&)> done) override
    {
        window_.runInBackground(title, std::move(work), std::move(done));
    }
    void setAnimateChecked(bool checked) override
    {
        if (QAction* a = window_.action(cmdAnimate)) a->setChecked(checked);
    }
    void openAboutWindow() override { window_.openAboutWindow(); }
    void shutdown() override { window_.close(); }
    void rememberParameterFile(const std::filesystem::path& file) override { window_.rememberParameterFile(file); }
    void forgetParameterFile(const std::filesystem::path& file) override { window_.forgetParameterFile(file); }
    // Kept beside the list of recent files; a file that can't be used gives the defaults
    // and keeps nothing, as its box about the list has said or will say.
    PlotSettings plotSettings() override { return kept(plotGroup, plotSettingsFrom); }
    void rememberPlotSettings(const PlotSettings& settings) override { keep(plotGroup, plotSettingsEntries(settings)); }
    FilmOptions filmChoice() const override { return kept(filmGroup, filmChoiceFrom); }
    void rememberFilmChoice(const FilmOptions& choice) override { keep(filmGroup, filmChoiceEntries(choice)); }

private:
    template <typename Choice>
    Choice kept(const char* group, Choice (*from)(const SettingsEntries&)) const
    {
        if (!window_.settingsUsable_) return {};
        const Result<SettingsEntries> entries = window_.settings_.readGroup(group);
        return entries ? from(*entries) : Choice{};
    }
    void keep(const char* group, const SettingsEntries& entries)
    {
        if (!window_.settingsUsable_) return;
        if (Result<void> written = window_.settings_.writeGroup(group, entries); !written)
            window_.stopUsingSettings(written.error());
    }

    static constexpr const char* plotGroup = "plot";
    static constexpr const char* filmGroup = "film";

    MainWindow& window_;
    int filter_ = 0;
};

MainWindow::MainWindow(const ScreenSize& screen)
    : screen_(screen),
      view_(new CanvasView(this)),
      port_(std::make_unique<Port>(*this)),
      engine_(std::make_unique<Engine>(view_->surface())),
      controller_(std::make_unique<MainController>(*engine_, *port_)),
      files_(std::make_unique<FileFlows>(*engine_, *port_, startFolder(), &smooth_)),
      steps_(new StepTimer([this] { return closing_ ? std::nullopt : controller_->step(); }, this))
{
    if (Result<RecentFiles> kept = settings_.read(); kept) {
        recent_ = std::move(*kept);
        // Files that have gone since the last run leave the list without a word.
        if (recent_.dropMissing()) keepRecentFiles();
    } else {
        stopUsingSettings(kept.error());
    }
    controller_->setFileCommands(files_.get());
    setWindowTitle("Vell Varezuro");
    setWindowIcon(QIcon(":/pictures/icon.png"));
    setCentralWidget(view_);
    view_->setCursor(Qt::CrossCursor);
    view_->onMouseButton = [this] {
        controller_->mouseButton();
        afterInput();
    };
    view_->onResized = [this] { repaintFromCanvas(); };
    view_->onExposed = [this](const Rect& area) { repaintFromCanvas(area); };
    // Of the circles' frames drawn between two showings only the last is drawn.
    view_->beforeShowing = [this] { engine_->showFrame(); };
    buildMenu();
    buildAccelerators();
    // The drawing waits while a box or dialog asks the user something, as it would if the
    // box were shown between two steps.
    steps_->held = [] { return QApplication::activeModalWidget() != nullptr || standaloneBoxOpen(); };
    steps_->afterTurn = [this] { afterInput(); };
    const Rect frame = mainWindowFrame(screen);
    resize(frame.right - frame.left, frame.bottom - frame.top);
    move(frame.left, frame.top);
    keepOnScreen();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::action(int command) const
{
    const auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::buildMenu()
{
    // Each text with an '&' before the letter Alt reaches it by.
    auto withMnemonic = [](const char* text, int at) {
        QString shown = QString::fromUtf8(text);
        if (at >= 0) shown.insert(at, '&');
        return shown;
    };
    // An action that runs `command`, and is found by it.
    auto runsCommand = [this](QAction* a, int command) {
        connect(a, &QAction::triggered, this, [this, command] { runCommand(command); });
        actions_[command] = a;
    };
    std::vector<MenuItem> bar;
    for (const MenuEntry& entry : mainMenu()) bar.push_back(entry.item);
    const std::vector<int> barLetters = mnemonics(bar);
    for (std::size_t e = 0; e < bar.size(); ++e) {
        const MenuEntry& entry = mainMenu()[e];
        const QString title = withMnemonic(entry.item.text, barLetters[e]);
        if (entry.popup.empty()) {
            runsCommand(menuBar()->addAction(title), entry.item.command);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(title);
        const std::vector<int> letters = mnemonics(entry.popup);
        for (std::size_t i = 0; i < entry.popup.size(); ++i) {
            const MenuItem& item = entry.popup[i];
            if (isMenuSeparator(item)) {
                menu->addSeparator();
            } else if (item.command == 0) {
                // The one submenu, which the window fills itself.
                buildRecentFilesMenu(menu, withMnemonic(item.text, letters[i]));
            } else {
                runsCommand(menu->addAction(withMnemonic(item.text, letters[i])), item.command);
            }
        }
    }
    actions_[cmdAnimate]->setCheckable(true);
}

void MainWindow::buildRecentFilesMenu(QMenu* fileMenu, const QString& title)
{
    recentMenu_ = fileMenu->addMenu(title);
    // The entries stay, each showing the file at its place, so that none is deleted while
    // it is being chosen.
    for (std::size_t place = 0; place < RecentFiles::capacity; ++place) {
        QAction* entry = recentMenu_->addAction(QString());
        connect(entry, &QAction::triggered, this, [this, place] {
            if (closing_ || place >= recent_.files().size()) return;
            // A copy: loading the file reorders the list.
            const std::filesystem::path file = recent_.files()[place];
            controller_->loadRecentFile(file);
            afterInput();
        });
        recentEntries_.push_back(entry);
    }
    noRecentFiles_ = recentMenu_->addAction(QStringLiteral("(none)"));
    noRecentFiles_->setEnabled(false);
    recentFilesChanged();
}

void MainWindow::rememberParameterFile(const std::filesystem::path& file)
{
    recent_.add(file);
    recentFilesChanged();
    keepRecentFiles();
}

void MainWindow::forgetParameterFile(const std::filesystem::path& file)
{
    if (!recent_.remove(file)) return;
    recentFilesChanged();
    keepRecentFiles();
}

void MainWindow::keepRecentFiles()
{
    if (!settingsUsable_) return;
    if (Result<void> written = settings_.write(recent_); !written) stopUsingSettings(written.error());
}

void MainWindow::stopUsingSettings(const Error& why)
{
    // Said once: the settings file isn't tried again in this run.
    settingsUsable_ = false;
    QMetaObject::invokeMethod(
        this, [this, message = settingsNotKept(why.message)] { showMessageBox(this, message); },
        Qt::QueuedConnection);
}

void MainWindow::recentFilesChanged()
{
    const std::vector<std::filesystem::path>& files = recent_.files();
    for (std::size_t place = 0; place < recentEntries_.size(); ++place) {
        QAction* entry = recentEntries_[place];
        entry->setVisible(place < files.size());
        if (place >= files.size()) continue;
        // An '&' in a name is shown as it is; the number is the letter Alt reaches the entry by.
        QString text = QFile::decodeName(recentEntryText(place, files[place]).c_str());
        text.replace('&', QStringLiteral("&&"));
        entry->setText('&' + text);
    }
    noRecentFiles_->setVisible(files.empty());
}

void MainWindow::buildAccelerators()
{
    // Separate from the menu, as a key table: the item texts already name their keys.
    for (const Accelerator& a : accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(qtKey(a.key)), this);
        shortcut->setAutoRepeat(false);
        const int command = a.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { runCommand(command); });
    }
}

void MainWindow::runCommand(int command)
{
    if (closing_) return;
    controller_->command(command);
    // A refused Animate command must not leave the menu's own toggle behind.
    action(cmdAnimate)->setChecked(engine_->state().flags.animate == 1);
    afterInput();
}

void MainWindow::afterInput()
{
    if (closing_) return;
    view_->setCursor(controller_->idle() ? QCursor(Qt::CrossCursor) : waitCursor());
    if (!controller_->idle()) steps_->start();
}

Result<void> MainWindow::whileBusy(const std::function<Result<void>()>& work)
{
    // The work runs beside the event loop, which keeps painting but takes no input; the
    // canvas can't change meanwhile, since nothing draws while a command runs.
    QGuiApplication::setOverrideCursor(waitCursor());
    setEnabled(false);
    Result<void> result;
    QEventLoop waiting;
    const BackgroundJob job(
        this, std::nullopt, [&](const ProgressReport&) { return work(); },
        [&](const Result<void>& done) {
            result = done;
            waiting.quit();
        });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    return result;
}

void MainWindow::runInBackground(const std::string& title, BackgroundJob::Work work, BackgroundJob::Done done)
{
    if (job_ && !job_->finished()) {
        port_->showMessage({"An animation is being saved already; wait for it, or cancel it.", "Vell Varezuro",
                            MessageIcon::information});
        return;
    }
    job_ = std::make_unique<BackgroundJob>(this, title, std::move(work), std::move(done));
}

void MainWindow::repaintFromCanvas()
{
    Surface& window = view_->surface();
    window.reset(std::max(view_->width(), 0), std::max(view_->height(), 0), canvasGrey);
    window.blit({0, 0}, engine_->canvas(), engine_->canvas().bounds());
}

void MainWindow::repaintFromCanvas(const Rect& area)
{
    Surface& window = view_->surface();
    const Rect target = area.intersected(window.bounds());
    if (target.empty()) return;
    const Rect fromCanvas = target.intersected(engine_->canvas().bounds());
    if (fromCanvas.empty()) return window.fillRect(target, canvasGrey);
    // Grey right of and below the canvas, so that each pixel is written once.
    window.fillRect({fromCanvas.right, target.top, target.right, target.bottom}, canvasGrey);
    window.fillRect({target.left, fromCanvas.bottom, fromCanvas.right, target.bottom}, canvasGrey);
    window.blit({fromCanvas.left, fromCanvas.top}, engine_->canvas(), fromCanvas);
}

void MainWindow::openAboutWindow()
{
    // Owned by the main window as far as the window manager knows, so that it stays in
    // front of it; but not its child, which would be disabled along with it.
    about_ = std::make_unique<PictureWindow>(":/pictures/about.png", centredPicture(screen_, 480, 240));
    about_->winId();
    about_->windowHandle()->setTransientParent(windowHandle());
    about_->onDismissed = [this] {
        about_->hide();
        setEnabled(true);
        activateWindow();
    };
    setEnabled(false);
    about_->show();
    about_->activateWindow();
    about_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    closing_ = true;
    steps_->stop();
    // A film under way stops at its next frame, leaving no file; the window waits for it
    // only as it is destroyed.
    if (job_) job_->cancel();
    if (about_) about_->hide();
    event->accept();
    emit closed();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Pause:
        controller_->keyDown(KeyPress::pause);
        break;
    case Qt::Key_D:
        controller_->keyDown(KeyPress::d);
        break;
    default:
        controller_->keyDown(KeyPress::other);
        QMainWindow::keyPressEvent(event);
    }
    afterInput();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    repaintFromCanvas();
    QMainWindow::moveEvent(event);
    if (windowFrame(*this) != fittedFrame_) keepOnScreen();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (windowFrame(*this) != fittedFrame_) keepOnScreen();
}

void MainWindow::keepOnScreen()
{
    fittedFrame_ = windowFrame(*this);
    // A window the window system maximised or made full-screen is where it belongs.
    const QScreen* screen = this->screen();
    if (!screen || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) return;
    const QRect outer = frameGeometry(), free = screen->availableGeometry();
    const Rect kept = keptInside({outer.left(), outer.top(), outer.right() + 1, outer.bottom() + 1},
                                 {free.left(), free.top(), free.right() + 1, free.bottom() + 1});
    const QRect inside = QRect(kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top) - fittedFrame_;
    if (inside != geometry()) setGeometry(inside);
}

}  // namespace trochograph
