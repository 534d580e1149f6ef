#include "shell/show_controls.h"

#include <cstdlib>

namespace trochograph {

namespace {

constexpr Point pinPoint{10, 10};
constexpr int tolerance = 5;  // pixels on either axis
constexpr int speedCount = static_cast<int>(std::size(ShowControls::speedValues));

}  // namespace

ShowControls::ShowControls(bool pinned)
{
    if (pinned) anchor_ = pinPoint;
}

void ShowControls::key(ShowKey key) { take({Input::key, key}); }

void ShowControls::mouseButton() { take({Input::button}); }

void ShowControls::mouseMoved(Point at) { take({Input::move, ShowKey::other, at}); }

void ShowControls::take(const Input& input)
{
    if (!started_ || ended_) return;
    if (holding_)
        waiting_.push_back(input);
    else
        apply(input);
}

void ShowControls::hold(bool holding)
{
    holding_ = holding;
    while (!holding_ && !waiting_.empty() && !ended_) {
        apply(waiting_.front());
        waiting_.pop_front();
    }
    if (ended_) waiting_.clear();
}

void ShowControls::apply(const Input& input)
{
    switch (input.kind) {
    case Input::key:
        if (input.which == ShowKey::faster || input.which == ShowKey::slower) {
            const int next = speedIndex_ + (input.which == ShowKey::faster ? -1 : 1);
            const bool atLimit = next < 0 || next >= speedCount;
            sounds_.push_back(atLimit ? ShowSound::limit : ShowSound::change);
            if (!atLimit) speedIndex_ = next;
        } else if (input.which == ShowKey::other) {
            ended_ = true;
        }
        return;
    case Input::button:
        ended_ = true;
        return;
    case Input::move:
        // Without a pinned cursor, the first report says where the mouse rests.
        if (!anchor_) anchor_ = input.at;
        if (std::abs(input.at.x - anchor_->x) > tolerance || std::abs(input.at.y - anchor_->y) > tolerance)
            ended_ = true;
        return;
    }
}

std::vector<ShowSound> ShowControls::takeSounds()
{
    std::vector<ShowSound> sounds;
    sounds.swap(sounds_);
    return sounds;
}

}  // namespace trochograph
