// Starting a Qt program where no display can be opened: Qt says so in a few lines of its
// own and aborts. Under a DisplayGuard the program says it in one line instead, with what
// it can do without a display, and ends with exit code 1. Header only, for the Qt shells of
// both programs; the rest of common/ has no Qt in it.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace trochograph {

class DisplayGuard {
public:
    // Holds Qt's messages back while it lives; a fatal one prints `line` and ends the
    // program. The messages held are shown when the guard goes, as Qt would have.
    explicit DisplayGuard(std::string line)
    {
        state().line = std::move(line);
        previous_ = qInstallMessageHandler(hold);
    }
    ~DisplayGuard()
    {
        qInstallMessageHandler(previous_);
        for (const std::string& message : state().held) qWarning("%s", message.c_str());
        state() = {};
    }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    struct State {
        std::string line;
        std::vector<std::string> held;
    };
    static State& state()
    {
        static State s;
        return s;
    }
    static void hold(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", state().line.c_str());
            std::fflush(stderr);
            std::_Exit(1);
        }
        state().held.push_back(message.toStdString());
    }

    QtMessageHandler previous_ = nullptr;
};

}  // namespace trochograph
