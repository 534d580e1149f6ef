// The main window's command ids and its menu and key tables, as data: the Qt window builds
// its menu bar and shortcuts from them, and the tests read them.
#pragma once

#include <span>
#include <vector>

namespace trochograph {

enum Command : int {
    cmdLoadParameters = 100,
    cmdSaveImageAndParameters = 105,
    cmdSaveParameters = 110,
    cmdExit = 115,
    cmdRender = 120,
    cmdImageType = 130,
    cmdEllipseOptions = 135,
    cmdChooseK = 140,  // posted only
    cmdParameters = 145,
    cmdAnimate = 150,
    cmdColors = 155,
    cmdMapFile = 160,
    cmdDefaultPalette = 165,
    cmdClear = 170,
    cmdConclude = 175,
    cmdHelpTopics = 180,
    cmdHelpPage2 = 185,  // posted only
    cmdFormulae = 190,
    cmdAbout = 195,
    cmdSaveAnimation = 200,
};

// One entry of the menu bar: a pop-up with items, or an item of the bar itself. In a
// pop-up, an item with no text is a separator line, and the one item with text and no
// command is the submenu of recent parameter files, which the window lists itself.
struct MenuItem {
    const char* text;
    int command;  // 0 for a pop-up
};

struct MenuEntry {
    MenuItem item;
    std::span<const MenuItem> popup;  // empty for an item of the bar
};

std::span<const MenuEntry> mainMenu();

inline bool isMenuSeparator(const MenuItem& item) { return item.text[0] == '\0'; }

// For each item of one menu, the index in its text of the letter that Alt+letter reaches it
// by: the first letter of a word that no item before it took, else any such letter, never
// one of the key in parentheses; -1 when none is left, and for a separator. The menu bar
// is one menu of its own.
std::vector<int> mnemonics(std::span<const MenuItem> items);

// Keys that stand for commands, without Shift, Ctrl or Alt.
enum class Key { L, S, P, Escape, R, F2, F3, F4, F5, F6, F7, F8, F9, M, F10, F11, C };

struct Accelerator {
    Key key;
    int command;
};

std::span<const Accelerator> accelerators();

}  // namespace trochograph
