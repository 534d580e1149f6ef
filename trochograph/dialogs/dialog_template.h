// The layout of a modal form as data: its size and font, and its controls in keyboard
// order with their places in dialog units (a quarter of the font's average character
// width across, an eighth of its height down). The window shell builds the real dialog
// from it; the form logic fills and reads its controls by id.
#pragma once

#include <span>

namespace trochograph {

// The modal dialogs, by template number.
enum Dialog : int {
    dialogImageType = 200,
    dialogEllipseOptions = 300,
    dialogChooseK = 400,
    dialogParameters = 500,
    dialogColors = 600,
    dialogHelpPage1 = 700,
    dialogHelpPage2 = 800,
    dialogFormulae = 900,
    dialogPlotSettings = 1100,
    dialogSaveAnimation = 1200,
};

// The buttons every form has, and the end codes they give: OK (or Next and Previous on
// the help pages) and Cancel (or Close). The keyboard's cancel key presses button 2.
constexpr int dialogOk = 1;
constexpr int dialogCancel = 2;

enum class ControlKind {
    button,
    groupBox,   // a frame with an optional title
    radio,      // consecutive radio buttons form one group
    checkBox,
    edit,
    label,      // one line of static text
    textBlock,  // a block of prose, `text` naming its rich-text resource
    picture,    // `text` naming a picture resource; the size is the picture's, in pixels
};

struct ControlTemplate {
    ControlKind kind;
    int id;  // 0 for controls that nothing refers to
    const char* text;
    int x, y, width, height;
};

struct DialogTemplate {
    int id;
    const char* caption;  // nullptr: a page without a title bar
    const char* font;
    int pointSize;
    // Where a page without a title bar goes, from the owner's top-left corner; a dialog
    // with a caption is centred over its owner.
    int x, y;
    int width, height;
    std::span<const ControlTemplate> controls;
};

}  // namespace trochograph
