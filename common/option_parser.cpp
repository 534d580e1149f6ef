#include "common/option_parser.h"

#include <algorithm>

#include "common/c_numbers.h"

namespace trochograph {

namespace {

Error usage(std::string message) { return {ErrorCode::usage, std::move(message)}; }

// Bounds as the usage shows them: "100", "0.1", "5.0".
std::string boundText(const OptionRule& rule, double bound)
{
    if (rule.kind == OptionKind::whole) return decimalText(static_cast<long long>(bound));
    std::string text = shortestText(bound);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

std::string takesPhrase(const OptionRule& rule)
{
    if (!rule.takesText.empty()) return rule.takesText;
    if (rule.kind != OptionKind::whole && rule.kind != OptionKind::real) return rule.what;
    return rule.what + " from " + boundText(rule, rule.range.low) + " to " + boundText(rule, rule.range.high);
}

Result<OptionValue> readValue(const OptionRule& rule, std::string_view spelling, const std::string& text)
{
    switch (rule.kind) {
    case OptionKind::whole:
        if (const auto v = exactWholeNumber(text); v && rule.range.contains(*v)) return OptionValue(*v);
        break;
    case OptionKind::real:
        if (const auto v = exactReal(text); v && rule.range.contains(*v)) return OptionValue(*v);
        break;
    case OptionKind::path: return OptionValue(text);
    case OptionKind::custom: {
        const auto v = rule.reader(text, spelling);
        if (!v) return Error{ErrorCode::badValue, v.message()};
        return OptionValue(*v);
    }
    case OptionKind::flag:
    case OptionKind::answer:
    case OptionKind::rest: break;
    }
    return refusedValue(rule, spelling, text);
}

bool takesNumber(const OptionRule& rule) { return rule.kind == OptionKind::whole || rule.kind == OptionKind::real; }

// The noun without its article: "parameter file" of "a parameter file".
std::string bareNoun(const std::string& what)
{
    for (std::string_view article : {"a ", "an "})
        if (what.starts_with(article)) return what.substr(article.size());
    return what;
}

}  // namespace

Error refusedValue(const OptionRule& rule, std::string_view spelling, std::string_view text)
{
    return {ErrorCode::badValue,
            std::string(spelling) + " takes " + takesPhrase(rule) + ", not '" + std::string(text) + "'"};
}

Result<std::vector<OptionSetting>> readOptions(std::string_view command, const std::vector<const OptionRule*>& rules,
                                               const std::vector<std::string>& args)
{
    const auto find = [&](auto matches) -> std::size_t {
        return static_cast<std::size_t>(std::find_if(rules.begin(), rules.end(), matches) - rules.begin());
    };
    const std::size_t positional = find([](const OptionRule* s) { return s->positional(); });
    // Messages about the positional argument name the command's last word: "--render".
    const std::string_view commandWord = command.substr(command.rfind(' ') + 1);

    std::vector<OptionSetting> settings;
    std::vector<const std::string*> spellingGiven(rules.size(), nullptr);
    std::size_t positionals = 0;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t entry = optionsEnded ? rules.size() : find([&](const OptionRule* s) {
            return std::find(s->names.begin(), s->names.end(), arg) != s->names.end();
        });
        if (entry == rules.size()) {
            // "-" alone is a name, as is "-5" where a number is the positional argument.
            const bool negative = positional < rules.size() && takesNumber(*rules[positional]) && arg.size() > 1 &&
                                  arg[1] >= '0' && arg[1] <= '9';
            if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !negative)
                return usage("unknown option '" + arg + "'");
            if (positional == rules.size()) return usage("unexpected argument '" + arg + "'");
            if (positionals++ > 0) continue;  // counted, and refused below
            auto value = readValue(*rules[positional], commandWord, arg);
            if (!value) return value.error();
            settings.push_back({positional, std::move(*value)});
            continue;
        }
        const OptionRule& rule = *rules[entry];
        // Twice would leave one of the two unheard, whichever the reading kept.
        if (const std::string* first = spellingGiven[entry]) {
            if (*first == arg) return usage(arg + " is given twice");
            return usage(arg + " is given twice, the first time as " + *first);
        }
        spellingGiven[entry] = &arg;
        switch (rule.kind) {
        case OptionKind::answer: settings.push_back({entry, true}); return settings;
        case OptionKind::flag: settings.push_back({entry, true}); continue;
        case OptionKind::rest:
            if (i > 0) return usage(arg + " goes first, before any other argument");
            settings.push_back({entry, std::vector<std::string>(args.begin() + 1, args.end())});
            return settings;
        default: break;
        }
        if (i + 1 >= args.size()) return usage(arg + " needs " + rule.what);
        if (rule.kind == OptionKind::path && args[i + 1].empty())
            return Error{ErrorCode::badValue, arg + ": the name is empty"};
        auto value = readValue(rule, arg, args[++i]);
        if (!value) return value.error();
        settings.push_back({entry, std::move(*value)});
    }
    if (positionals > 1)
        return usage("one " + bareNoun(rules[positional]->what) + " at a time, not " + decimalText(positionals));

    for (std::size_t entry = 0; entry < rules.size(); ++entry) {
        const OptionRule& rule = *rules[entry];
        const bool given = std::any_of(settings.begin(), settings.end(), [&](const OptionSetting& s) {
            return s.entry == entry;
        });
        if (!rule.mandatory || given) continue;
        if (rule.positional()) return usage(std::string(commandWord) + " needs " + rule.what);
        return usage(rule.names[0] + " is missing");
    }
    return settings;
}

}  // namespace trochograph
