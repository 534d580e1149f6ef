// The main window's commands, keys and mouse buttons: which are accepted when, and what
// they do to the curve state, the canvas and the window; and the steps of the drawing,
// with what they ask of the user between them.
#pragma once

#include <filesystem>
#include <optional>

#include "engine/restore_values.h"
#include "shell/window_port.h"

namespace trochograph {

class CurveForm;
class Engine;

enum class KeyPress { pause, d, other };

extern const char* const aboutCredit;

class MainController {
public:
    // The engine's parameters as they are now become what "restore default parameters" and
    // "Default Palette" bring back.
    MainController(Engine& engine, WindowPort& window);

    // One step of what is being drawn, and the pause the window should make before the
    // next one; nothing while nothing is drawn. The closure figures of the debug display
    // are shown here, between the set-up and the first segment, which the same step draws.
    std::optional<int> step();

    // A menu command, an accelerator key's command or a posted one.
    void command(int id);
    // A file picked from the list of recent parameter files: loaded like one chosen with
    // Load Parameter File, and like that command only while nothing is being drawn.
    void loadRecentFile(const std::filesystem::path& file);
    // A key that isn't an accelerator.
    void keyDown(KeyPress key);
    // A left or right mouse button pressed on the client area.
    void mouseButton();

    // The file and palette commands plug in here; without them those commands do nothing.
    void setFileCommands(FileCommands* commands) { fileCommands_ = commands; }
    // Whether the About window can be used; without it About shows a message box.
    void setAboutWindowAvailable(bool available) { okabout_ = available; }

    // Nothing is being drawn: most commands are accepted only then, and the pointer is the
    // cross rather than the wait cursor.
    bool idle() const;
    // A paused curve may be concluded.
    bool concludable() const { return okconclude_; }

private:
    void pause();
    void imageType();
    void parameters();
    void animate();
    void colors();
    void defaultPalette();
    void clear();
    void conclude();
    void about();
    void helpPage(int dialog, int next);
    // Runs a dialog on a copy of the parameters and applies what it leaves behind,
    // whatever its end code.
    int runCurveDialog(CurveForm& form);
    void fileCommand(int id);
    void inform(const std::string& text, const char* caption = "Vell Varezuro");

    Engine& engine_;
    WindowPort& window_;
    const RestoreValues defaults_;
    FileCommands* fileCommands_ = nullptr;
    int okabout_ = 1;
    bool okconclude_ = false;   // a paused curve may be concluded
    bool firstRI_ = true;       // the irrational rose has not been chosen yet in this run
    bool firstellipse_ = true;  // nor the ellipse mode
};

}  // namespace trochograph
