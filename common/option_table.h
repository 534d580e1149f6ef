// A program's command-line options as data: each entry names an option, the kind of value
// it takes and its range, the field of the program's options record it sets and what it is
// for. One parser reads any such table and one generator writes its usage text, so every
// option of both programs reads its value the same way and is described where it is declared.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "common/option_parser.h"

namespace trochograph {

template <class T>
struct Option : OptionRule {
    using Target = std::variant<bool T::*, int T::*, std::optional<int> T::*, double T::*, std::optional<double> T::*,
                                std::string T::*, std::optional<std::string> T::*, std::vector<std::string> T::*,
                                std::optional<std::uint32_t> T::*>;
    Target target;
    bool T::* given = nullptr;  // if not null, set to true when the option is on the command line

    // Modifiers, so that an entry reads as a phrase: path(...).required().
    Option required() const
    {
        Option o = *this;
        o.mandatory = true;
        return o;
    }
    // The value's noun in messages, instead of the kind's: "a preset number".
    Option called(std::string noun) const
    {
        Option o = *this;
        o.what = std::move(noun);
        return o;
    }
    // What a refused value is told it takes, instead of the noun and the range.
    Option takes(std::string phrase) const
    {
        Option o = *this;
        o.takesText = std::move(phrase);
        return o;
    }
    Option marking(bool T::* field) const
    {
        Option o = *this;
        o.given = field;
        return o;
    }
};

namespace option_detail {

template <class T>
Option<T> make(OptionKind kind, std::vector<std::string> names, std::string value, typename Option<T>::Target target,
               std::string help)
{
    Option<T> o;
    o.kind = kind;
    o.names = std::move(names);
    o.value = std::move(value);
    o.target = target;
    o.help = std::move(help);
    return o;
}

// The type a field holds, an optional's or its own.
template <class M>
struct Held {
    using type = M;
};
template <class M>
struct Held<std::optional<M>> {
    using type = M;
};

template <class M>
void store(M& field, const OptionValue& value)
{
    using Stored = typename Held<M>::type;
    if constexpr (std::is_same_v<Stored, bool>)
        field = std::get<bool>(value);
    else if constexpr (std::is_integral_v<Stored>)
        field = static_cast<Stored>(std::get<long long>(value));
    else
        field = std::get<Stored>(value);
}

}  // namespace option_detail

// Builders, one a kind. `names` are the option's spellings, the first one shown first; a
// table's one positional argument has none. `value` names the value in the usage: "N", "OUT".
template <class T>
Option<T> flag(std::vector<std::string> names, bool T::* target, std::string help)
{
    return option_detail::make<T>(OptionKind::flag, std::move(names), {}, target, std::move(help));
}

template <class T>
Option<T> answer(std::vector<std::string> names, bool T::* target, std::string help)
{
    return option_detail::make<T>(OptionKind::answer, std::move(names), {}, target, std::move(help));
}

template <class T, class M>
Option<T> whole(std::vector<std::string> names, std::string value, M T::* target, Range<int> range, std::string help)
{
    Option<T> o =
        option_detail::make<T>(OptionKind::whole, std::move(names), std::move(value), target, std::move(help));
    o.range = {static_cast<double>(range.low), static_cast<double>(range.high)};
    o.what = "a whole number";
    return o;
}

template <class T, class M>
Option<T> real(std::vector<std::string> names, std::string value, M T::* target, Range<double> range, std::string help)
{
    Option<T> o = option_detail::make<T>(OptionKind::real, std::move(names), std::move(value), target, std::move(help));
    o.range = range;
    o.what = "a number";
    return o;
}

template <class T, class M>
Option<T> path(std::vector<std::string> names, std::string value, M T::* target, std::string help)
{
    Option<T> o = option_detail::make<T>(OptionKind::path, std::move(names), std::move(value), target, std::move(help));
    o.what = "a file name";
    return o;
}

template <class T>
Option<T> rest(std::vector<std::string> names, std::string value, std::vector<std::string> T::* target,
               std::string help)
{
    return option_detail::make<T>(OptionKind::rest, std::move(names), std::move(value), target, std::move(help));
}

// A value that `reader` reads and checks, with messages of its own.
template <class T>
Option<T> custom(std::vector<std::string> names, std::string value, std::optional<std::uint32_t> T::* target,
                 OptionRule::Reader reader, std::string what, std::string help)
{
    Option<T> o =
        option_detail::make<T>(OptionKind::custom, std::move(names), std::move(value), target, std::move(help));
    o.reader = reader;
    o.what = std::move(what);
    return o;
}

template <class T>
struct OptionTable {
    // The usage's first words, "trochograph --render"; the last of them stands for the
    // positional argument in messages: "--render needs a preset number".
    std::string command;
    // The synopsis lines after the command; when empty, one line made from the options.
    std::vector<std::string> forms;
    std::string about;  // a paragraph between the synopsis and the options, or empty
    std::vector<Option<T>> options;

    // The entry spelt `name`; it must be in the table.
    const Option<T>& option(std::string_view name) const
    {
        for (const Option<T>& o : options)
            if (std::find(o.names.begin(), o.names.end(), name) != o.names.end()) return o;
        assert(false);
        return options.front();
    }

    std::vector<const OptionRule*> rules() const
    {
        std::vector<const OptionRule*> list;
        for (const Option<T>& o : options) list.push_back(&o);
        return list;
    }
};

// Reads `args`, the arguments after the command's words, into `record` over its defaults.
// Errors are one line: ErrorCode::usage when the line's shape is wrong (an unknown or
// repeated option, a missing value or argument), ErrorCode::badValue when a value is refused.
template <class T>
Result<T> parseOptions(const OptionTable<T>& table, const std::vector<std::string>& args, T record = {})
{
    auto settings = readOptions(table.command, table.rules(), args);
    if (!settings) return settings.error();
    for (const OptionSetting& s : *settings) {
        const Option<T>& option = table.options[s.entry];
        std::visit([&](auto member) { option_detail::store(record.*member, s.value); }, option.target);
        if (option.given) record.*(option.given) = true;
    }
    return record;
}

template <class T>
std::string usageText(const OptionTable<T>& table)
{
    return usageText(table.command, table.forms, table.about, table.rules());
}

}  // namespace trochograph
