// The usage text made from an option table.
#include <algorithm>

#include "common/option_parser.h"

namespace trochograph {

namespace {

constexpr std::size_t lineWidth = 88;
constexpr std::size_t helpColumn = 22;  // longer labels put their help on the next line

// `words` broken into lines of at most lineWidth; the lines after the first start with
// `indent` spaces, and the first continues a line already `used` characters long.
std::string wrapped(std::string_view words, std::size_t used, std::size_t indent)
{
    std::string text;
    std::size_t column = used;
    bool lineStart = true;
    while (!words.empty()) {
        const std::size_t end = std::min(words.find(' '), words.size());
        const std::string_view word = words.substr(0, end);
        words.remove_prefix(std::min(end + 1, words.size()));
        if (word.empty()) continue;
        if (!lineStart && column + 1 + word.size() > lineWidth) {
            text += '\n';
            text.append(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
        lineStart = false;
    }
    return text;
}

// The synopsis of a table without forms: every option but the answers, in table order.
std::string synopsis(const std::vector<const OptionRule*>& rules)
{
    std::string line;
    for (const OptionRule* rule : rules) {
        if (rule->kind == OptionKind::answer) continue;
        std::string item = rule->positional() ? rule->value : rule->names[0];
        if (!rule->positional() && !rule->value.empty()) item += " " + rule->value;
        // Words inside brackets stay together when the line is broken.
        if (!rule->mandatory) item = '[' + item + ']';
        std::replace(item.begin(), item.end(), ' ', '\x01');
        if (!line.empty()) line += ' ';
        line += item;
    }
    return line;
}

std::string label(const OptionRule& rule)
{
    if (rule.positional()) return rule.value;
    std::string text;
    for (const std::string& name : rule.names) {
        if (!text.empty()) text += ", ";
        text += name;
    }
    return rule.value.empty() ? text : text + " " + rule.value;
}

}  // namespace

std::string usageText(std::string_view command, const std::vector<std::string>& forms, std::string_view about,
                      const std::vector<const OptionRule*>& rules)
{
    const std::size_t indent = std::string_view("usage: ").size() + command.size() + 1;
    const std::vector<std::string> lines = forms.empty() ? std::vector<std::string>{synopsis(rules)} : forms;
    std::string text;
    for (const std::string& form : lines) {
        std::string line = wrapped(form, indent, indent);
        std::replace(line.begin(), line.end(), '\x01', ' ');
        text += text.empty() ? "usage: " : "       ";
        text += command;
        if (!line.empty()) text += " " + line;
        text += '\n';
    }
    text += "\n";
    if (!about.empty()) text += wrapped(about, 0, 0) + "\n\n";
    for (const OptionRule* rule : rules) {
        const std::string name = "  " + label(*rule);
        text += name;
        if (name.size() + 2 > helpColumn) {
            text += '\n';
            text.append(helpColumn, ' ');
        } else {
            text.append(helpColumn - name.size(), ' ');
        }
        text += wrapped(rule->help, helpColumn, helpColumn) + "\n";
    }
    return text;
}

}  // namespace trochograph
