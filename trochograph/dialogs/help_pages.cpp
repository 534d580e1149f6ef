#include "dialogs/help_pages.h"

namespace trochograph {

namespace {

constexpr ControlTemplate page1[] = {
    {ControlKind::button, dialogOk, "Next", 215, 363, 50, 14},
    {ControlKind::button, dialogCancel, "Close", 365, 363, 50, 14},
    {ControlKind::picture, 710, "help1.png", 255, 5, 720, 200},
    {ControlKind::picture, 720, "help2.png", 520, 162, 200, 200},
    {ControlKind::textBlock, 0, "page1-roulettes.html", 12, 12, 235, 96},
    {ControlKind::textBlock, 0, "page1-closing.html", 12, 108, 645, 56},
    {ControlKind::textBlock, 0, "page1-roses.html", 12, 164, 500, 126},
    {ControlKind::textBlock, 0, "page1-options.html", 12, 284, 645, 72},
};

constexpr ControlTemplate page2[] = {
    {ControlKind::button, dialogOk, "Previous", 215, 323, 50, 14},
    {ControlKind::button, dialogCancel, "Close", 365, 323, 50, 14},
    {ControlKind::picture, 810, "help3.png", 416, 10, 400, 130},
    {ControlKind::picture, 820, "help4.png", 235, 80, 760, 230},
    {ControlKind::picture, 830, "help5.png", 376, 195, 490, 240},
    {ControlKind::textBlock, 0, "page2-sets.html", 12, 12, 395, 72},
    {ControlKind::textBlock, 0, "page2-shapes.html", 12, 79, 225, 105},
    {ControlKind::textBlock, 0, "page2-ellipses.html", 12, 195, 360, 120},
};

constexpr ControlTemplate formulae[] = {
    {ControlKind::button, dialogOk, "Close", 222, 336, 50, 14},
    {ControlKind::picture, 910, "formulae.png", 12, 5, 824, 556},
};

}  // namespace

const DialogTemplate helpPage1{dialogHelpPage1, nullptr, "Times New Roman", 11, 10, 10, 630, 385, page1};
const DialogTemplate helpPage2{dialogHelpPage2, nullptr, "Times New Roman", 11, 10, 10, 630, 345, page2};
const DialogTemplate formulaPage{dialogFormulae, nullptr, "MS Sans Serif", 9, 20, 20, 495, 360, formulae};

}  // namespace trochograph
