// "Save Animation": how long a curve's film draws, at how many frames a second, and how
// large it is, asked before the file is chosen so that nothing is refused after it.
#pragma once

#include "common/result.h"
#include "dialogs/form.h"
#include "files/film_formats.h"
#include "files/plot_settings.h"

namespace trochograph {

class SaveAnimationForm final : public Form {
public:
    // Shows `last` (the choice made last time) for a canvas of side `canvas`: a side of 0,
    // or one larger than the canvas's film, shows the canvas's own.
    SaveAnimationForm(const FilmOptions& last, int canvas);

    static const DialogTemplate layout;

    // The choice the boxes hold, as OK reads it, or the range a value is out of. A side
    // equal to the canvas's own reads as 0, so that it follows the canvas next time.
    [[nodiscard]] Result<FilmOptions> read() const;
    // The dialogs' error box for what read() refused.
    static Message refusal(const Error& error);
    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;

private:
    int largestSide_;
};

// The choice as the settings file keeps it ("seconds", "fps", "side"), and back: a value
// missing or out of range leaves its default.
SettingsEntries filmChoiceEntries(const FilmOptions& choice);
FilmOptions filmChoiceFrom(const SettingsEntries& entries);

}  // namespace trochograph
