#include "shell/commands.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace trochograph {

namespace {

// Exit comes last, apart from the rest, where no one aiming at another item lands on it.
constexpr MenuItem fileItems[] = {
    {"Load Parameter File (L)", cmdLoadParameters},
    {"Save Image and Parameters (S)", cmdSaveImageAndParameters},
    {"Save Parameters Only (P)", cmdSaveParameters},
    {"Save Animation...", cmdSaveAnimation},
    {"Recent Parameter Files", 0},
    {"", 0},
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
// The six trailing blanks of some bar texts space the bar out.
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

std::vector<int> mnemonics(std::span<const MenuItem> items)
{
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto upper = [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; };
    std::string taken;
    std::vector<int> chosen;
    for (const MenuItem& item : items) {
        const std::string_view text = item.text;
        // The key the item names, "(F5)", is no part of its name.
        const std::size_t end = std::min(text.find(" ("), text.size());
        int pick = -1;
        for (const bool wordStartsOnly : {true, false}) {
            for (std::size_t i = 0; i < end && pick < 0; ++i) {
                const bool wordStart = i == 0 || text[i - 1] == ' ';
                if (isLetter(text[i]) && (wordStart || !wordStartsOnly) && taken.find(upper(text[i])) == std::string::npos)
                    pick = static_cast<int>(i);
            }
        }
        if (pick >= 0) taken += upper(text[static_cast<std::size_t>(pick)]);
        chosen.push_back(pick);
    }
    return chosen;
}
std::span<const Accelerator> accelerators() { return keys; }

}  // namespace trochograph
