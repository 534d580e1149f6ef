// A modal message box as the program's logic describes it; the window shell shows it.
#pragma once

#include <string>

namespace trochograph {

enum class MessageIcon { none, information, warning };
enum class MessageButtons { ok, yesNo };
enum class MessageAnswer { ok, yes, no };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::information;
    MessageButtons buttons = MessageButtons::ok;
    // Owned by the window that raises it (the main window or a dialog), which it stays in
    // front of; without an owner it stands alone on the screen.
    bool owned = false;
    friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace trochograph
