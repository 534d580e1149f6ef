#include "shell/commands.h"

namespace trochograph {

namespace {

// The six trailing blanks of some bar texts space the bar out.
constexpr MenuItem fileItems[] = {
    {"Load Parameter File (L)", cmdLoadParameters},
    {"Save Image and Parameters (S)", cmdSaveImageAndParameters},
    {"Save Parameters Only (P)", cmdSaveParameters},
    {"Exit (Esc)", cmdExit},
};
constexpr MenuItem optionItems[] = {
    {"Image Type (F5)", cmdImageType},         {"Ellipse Options (F6)", cmdEllipseOptions},
    {"Parameters (F7)", cmdParameters},        {"Animate Circles (F8)", cmdAnimate},
    {"Colors (F9)", cmdColors},                {"MAP File (M)", cmdMapFile},
    {"Default Palette (F10)", cmdDefaultPalette}, {"Clear Screen (F11)", cmdClear},
};
constexpr MenuItem helpItems[] = {
    {"Help Topics (F2)", cmdHelpTopics},
    {"Formulae (F3)", cmdFormulae},
    {"About (F4)", cmdAbout},
};
constexpr MenuEntry menu[] = {
    {{"File      ", 0}, fileItems},
    {{"Render / Resume (R)      ", cmdRender}, {}},
    {{"Options      ", 0}, optionItems},
    {{"Conclude Current Curve (C)      ", cmdConclude}, {}},
    {{"Help", 0}, helpItems},
};

constexpr Accelerator keys[] = {
    {Key::L, cmdLoadParameters}, {Key::S, cmdSaveImageAndParameters}, {Key::P, cmdSaveParameters},
    {Key::Escape, cmdExit},      {Key::R, cmdRender},                 {Key::F2, cmdHelpTopics},
    {Key::F3, cmdFormulae},      {Key::F4, cmdAbout},                 {Key::F5, cmdImageType},
    {Key::F6, cmdEllipseOptions}, {Key::F7, cmdParameters},           {Key::F8, cmdAnimate},
    {Key::F9, cmdColors},        {Key::M, cmdMapFile},                {Key::F10, cmdDefaultPalette},
    {Key::F11, cmdClear},        {Key::C, cmdConclude},
};

}  // namespace

std::span<const MenuEntry> mainMenu() { return menu; }
std::span<const Accelerator> accelerators() { return keys; }

}  // namespace trochograph
