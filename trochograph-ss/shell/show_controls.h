// What the user can do to the show: F and S change the pause after each point, with a
// sound; Enter does nothing; any other key, any mouse button and a mouse movement of more
// than 5 pixels on either axis end it. Input that arrives during one of the show's long
// pauses waits for the pause to end, as it would behind a sleeping program.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "common/geometry.h"

namespace trochograph {

enum class ShowKey { faster /* F */, slower /* S */, enter, other };
enum class ShowSound { change, limit };

class ShowControls {
public:
    // `pinned`: the cursor is put back at (10, 10) before every step, and movement is
    // measured from there; otherwise from where the mouse was first reported.
    explicit ShowControls(bool pinned);

    // Input from before the show started is ignored.
    void start() { started_ = true; }

    void key(ShowKey key);
    void mouseButton();
    void mouseMoved(Point at);

    // While the show holds, input waits; when it stops holding, the input applies in order.
    void hold(bool holding);

    int speed() const { return speedValues[speedIndex_]; }
    bool ended() const { return ended_; }
    // The sounds asked for since the last call, in order.
    std::vector<ShowSound> takeSounds();

    static constexpr int speedValues[] = {0, 1, 5, 10};  // milliseconds after each point

private:
    struct Input {
        enum Kind { key, button, move } kind;
        ShowKey which = ShowKey::other;
        Point at{};
    };
    void take(const Input& input);
    void apply(const Input& input);

    bool started_ = false;
    bool holding_ = false;
    bool ended_ = false;
    int speedIndex_ = 2;
    std::optional<Point> anchor_;
    std::deque<Input> waiting_;
    std::vector<ShowSound> sounds_;
};

}  // namespace trochograph
