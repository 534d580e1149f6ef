#include "dialogs/save_animation_form.h"

#include <algorithm>

#include "common/c_numbers.h"

namespace trochograph {

namespace {

constexpr int secondsBox = 1201, fpsBox = 1202, sideBox = 1203, sideLabel = 1213;

constexpr ControlTemplate controls[] = {
    {ControlKind::button, dialogOk, "OK", 12, 76, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 152, 76, 50, 14},
    {ControlKind::edit, secondsBox, "", 152, 12, 50, 12},
    {ControlKind::edit, fpsBox, "", 152, 30, 50, 12},
    {ControlKind::edit, sideBox, "", 152, 48, 50, 12},
    {ControlKind::label, 1211, "drawing's length ( 1 - 600 seconds )", 12, 14, 136, 8},
    {ControlKind::label, 1212, "frames per second ( 1 - 60 )", 12, 32, 136, 8},
    {ControlKind::label, sideLabel, "", 12, 50, 136, 8},
};

std::string range(int low, int high) { return decimalText(low) + " - " + decimalText(high); }

}  // namespace

const DialogTemplate SaveAnimationForm::layout{
    dialogSaveAnimation, "Save Animation", "MS Sans Serif", 8, 0, 0, 214, 98, controls};

SaveAnimationForm::SaveAnimationForm(const FilmOptions& last, int canvas)
    : Form(layout), largestSide_(std::max(minFilmSide, std::min(canvas, maxFilmSide)))
{
    show(sideLabel, "film side ( " + range(minFilmSide, largestSide_) + " pixels )");
    show(secondsBox, shortestText(last.seconds));
    show(fpsBox, decimalText(last.fps));
    const bool own = last.side <= 0 || last.side >= largestSide_;
    show(sideBox, decimalText(own ? largestSide_ : last.side));
}

Result<FilmOptions> SaveAnimationForm::read() const
{
    const auto refused = [](const std::string& what) {
        return Error{ErrorCode::badValue, what};
    };
    FilmOptions chosen;
    chosen.seconds = readReal(entry(secondsBox));
    if (!filmSeconds.contains(chosen.seconds))
        return refused("length range: " + range(static_cast<int>(filmSeconds.low), static_cast<int>(filmSeconds.high)) +
                       " seconds");
    chosen.fps = readInt(entry(fpsBox));
    if (chosen.fps < minFps || chosen.fps > maxFps) return refused("frames per second range: " + range(minFps, maxFps));
    const int side = readInt(entry(sideBox));
    if (side < minFilmSide || side > largestSide_)
        return refused("film side range: " + range(minFilmSide, largestSide_) + " pixels");
    chosen.side = side == largestSide_ ? 0 : side;
    return chosen;
}

Message SaveAnimationForm::refusal(const Error& error)
{
    return {error.message, "Parameter Error", MessageIcon::warning, MessageButtons::ok, true};
}

FormResult SaveAnimationForm::press(int id, const Confirm&)
{
    if (id == dialogCancel) return FormResult::ended(dialogCancel);
    if (id != dialogOk) return FormResult::stays();
    if (const Result<FilmOptions> chosen = read(); !chosen) return FormResult::fails(refusal(chosen.error()));
    return FormResult::ended(dialogOk);
}

SettingsEntries filmChoiceEntries(const FilmOptions& choice)
{
    return {{"seconds", shortestText(choice.seconds)}, {"fps", decimalText(choice.fps)}, {"side", decimalText(choice.side)}};
}

FilmOptions filmChoiceFrom(const SettingsEntries& entries)
{
    FilmOptions choice;
    for (const auto& [key, value] : entries) {
        const std::optional<long long> whole = exactWholeNumber(value);
        if (key == "seconds")
            if (const auto seconds = exactReal(value); seconds && filmSeconds.contains(*seconds)) choice.seconds = *seconds;
        if (key == "fps" && whole && *whole >= minFps && *whole <= maxFps) choice.fps = static_cast<int>(*whole);
        if (key == "side" && whole && *whole >= minFilmSide && *whole <= maxFilmSide) choice.side = static_cast<int>(*whole);
    }
    return choice;
}

}  // namespace trochograph
