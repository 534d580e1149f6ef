// The half of the command-line parser that needs no options record: what a table entry says
// about its option, the reading of arguments against the entries, and the usage text made
// from them. option_table.h puts the values read into a program's record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/range.h"
#include "common/result.h"

namespace trochograph {

enum class OptionKind {
    flag,    // no value: sets a bool
    answer,  // no value, and the arguments after it are not read: --help, --version
    whole,   // a whole number within the entry's range
    real,    // a finite number within the entry's range
    path,    // a file name, not empty
    custom,  // a value that the entry's reader reads and checks
    rest,    // the first argument only: the arguments after it, unread, for another table
};

struct OptionRule {
    // The value of `text` given to the option spelt `spelling`, or a one-line refusal.
    using Reader = Result<long long> (*)(std::string_view text, std::string_view spelling);

    OptionKind kind = OptionKind::flag;
    std::vector<std::string> names;  // spellings, the usual one first; none for the positional argument
    std::string value;               // the value's name in the usage: "N", "OUT"
    std::string help;                // one sentence for the usage
    Range<double> range{0, 0};       // whole and real
    std::string what;                // the value's noun, after "needs": "a whole number"
    std::string takesText;           // after "takes" in refusals, when noun and range won't do
    bool mandatory = false;
    Reader reader = nullptr;  // custom

    bool positional() const { return names.empty(); }
};

using OptionValue = std::variant<bool, long long, double, std::string, std::vector<std::string>>;

struct OptionSetting {
    std::size_t entry;  // the index in the table
    OptionValue value;
};

// Arguments are options and their values, "--" (after which every argument is positional)
// and at most one positional argument if an entry takes it. Each option comes once, under
// any of its spellings. A number is exactly digits,
// with a '-' in front for a negative one and, for a real, a point and an exponent: no
// white space, no '+', nothing after it. `command` is the usage's first words.
Result<std::vector<OptionSetting>> readOptions(std::string_view command, const std::vector<const OptionRule*>& rules,
                                               const std::vector<std::string>& args);

// "--size takes a whole number from 100 to 9600, not '99'".
Error refusedValue(const OptionRule& rule, std::string_view spelling, std::string_view text);

// "usage: " and the synopsis, the `about` paragraph, and a line or two for each option.
std::string usageText(std::string_view command, const std::vector<std::string>& forms, std::string_view about,
                      const std::vector<const OptionRule*>& rules);

}  // namespace trochograph
