// What every loader, writer, parser and validator of both programs returns: a value, or an
// error with a code to branch on and a one-line message for the user.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace trochograph {

enum class ErrorCode : int {
    // Saving; their fixed texts for the window are saveerror[code - 1].
    cannotCreate = 1,
    noMemory = 2,
    writeFailed = 3,
    // Loading: the file could not be opened or read; it was read but its contents are refused.
    cannotOpen,
    invalid,
    // A command line of the wrong shape is refused: an unknown option, a missing or
    // repeated one, options that don't go together.
    usage,
    // The user stopped long work; nothing to report.
    cancelled,
    // A value given on the command line is refused: out of range, unreadable, or empty.
    badValue,
};

// One line, without the file's name ("can't create the file: No such file or directory"):
// the caller that knows the name puts it in front.
struct Error {
    ErrorCode code;
    std::string message;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only when !ok().
    const Error& error() const { return std::get<1>(state_); }
    ErrorCode code() const { return error().code; }
    const std::string& message() const { return error().message; }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }

    // Only when !ok().
    const Error& error() const { return error_; }
    ErrorCode code() const { return error_.code; }
    const std::string& message() const { return error_.message; }

private:
    Error error_{ErrorCode::invalid, {}};
    bool ok_ = true;
};

}  // namespace trochograph
