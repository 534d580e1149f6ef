#include "dialogs/plot_settings_form.h"

#include <cctype>
#include <limits>

#include "common/c_numbers.h"

namespace trochograph {

namespace {

enum Id : int {
    sizeBox = 1110, toleranceBox = 1111,
    cornerRadio = 1120, centreRadio = 1121,
    penUpBox = 1130, penDownBox = 1131, feedBox = 1132, travelFeedBox = 1133, penChangeBox = 1134,
    fitBox = 1140, fromCentre = 1141, fromEdge = 1142, toCentre = 1143, toEdge = 1144,
};

constexpr ControlTemplate plotterControls[] = {
    {ControlKind::label, 0, "Square's side (mm):", 8, 10, 90, 8},
    {ControlKind::edit, sizeBox, "", 120, 8, 100, 12},
    {ControlKind::label, 0, "Tolerance (mm):", 8, 28, 90, 8},
    {ControlKind::edit, toleranceBox, "", 120, 26, 100, 12},
    {ControlKind::radio, cornerRadio, "(0, 0) at the lower-left corner", 8, 46, 200, 12},
    {ControlKind::radio, centreRadio, "(0, 0) at the centre", 8, 60, 200, 12},
    {ControlKind::label, 0, "Pen up:", 8, 80, 90, 8},
    {ControlKind::edit, penUpBox, "", 120, 78, 100, 12},
    {ControlKind::label, 0, "Pen down:", 8, 98, 90, 8},
    {ControlKind::edit, penDownBox, "", 120, 96, 100, 12},
    {ControlKind::label, 0, "Feed (mm/min):", 8, 116, 90, 8},
    {ControlKind::edit, feedBox, "", 120, 114, 100, 12},
    {ControlKind::label, 0, "Travel feed (mm/min):", 8, 134, 100, 8},
    {ControlKind::edit, travelFeedBox, "", 120, 132, 100, 12},
    {ControlKind::checkBox, penChangeBox, "Pause for a new pen at each colour", 8, 152, 200, 12},
    {ControlKind::button, dialogOk, "OK", 60, 174, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 120, 174, 50, 14},
};

constexpr ControlTemplate sandTableControls[] = {
    {ControlKind::label, 0, "Table's diameter (mm):", 8, 10, 100, 8},
    {ControlKind::edit, sizeBox, "", 120, 8, 100, 12},
    {ControlKind::label, 0, "Tolerance (mm):", 8, 28, 90, 8},
    {ControlKind::edit, toleranceBox, "", 120, 26, 100, 12},
    {ControlKind::checkBox, fitBox, "Scale a curve beyond the edge in to it", 8, 46, 200, 12},
    {ControlKind::label, 0, "Start:", 8, 66, 40, 8},
    {ControlKind::radio, fromCentre, "at the centre", 60, 64, 70, 12},
    {ControlKind::radio, fromEdge, "on the edge", 140, 64, 70, 12},
    {ControlKind::label, 0, "End:", 8, 84, 40, 8},
    {ControlKind::radio, toCentre, "at the centre", 60, 82, 70, 12},
    {ControlKind::radio, toEdge, "on the edge", 140, 82, 70, 12},
    {ControlKind::button, dialogOk, "OK", 60, 104, 50, 14},
    {ControlKind::button, dialogCancel, "Cancel", 120, 104, 50, 14},
};

// A box that holds no number reads as one no range holds, so that it is refused as a
// number out of range would be.
double numberIn(const Form& form, int id)
{
    return exactReal(form.entry(id)).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

const DialogTemplate PlotSettingsForm::plotterLayout{
    dialogPlotSettings, "Plot Settings", "MS Sans Serif", 8, 0, 0, 230, 196, plotterControls};
const DialogTemplate PlotSettingsForm::sandTableLayout{
    dialogPlotSettings, "Sand Table Settings", "MS Sans Serif", 8, 0, 0, 230, 126, sandTableControls};

PlotSettingsForm::PlotSettingsForm(const PlotSettings& settings, Machine machine)
    : Form(machine == Machine::plotter ? plotterLayout : sandTableLayout), machine_(machine), settings_(settings)
{
    show(sizeBox, shortestText(settings.size));
    show(toleranceBox, shortestText(settings.tolerance));
    if (machine == Machine::plotter) {
        select(settings.origin == PlotOrigin::corner ? cornerRadio : centreRadio);
        show(penUpBox, settings.penUp);
        show(penDownBox, settings.penDown);
        show(feedBox, shortestText(settings.feed));
        show(travelFeedBox, shortestText(settings.travelFeed));
        check(penChangeBox, settings.penChange);
    } else {
        check(fitBox, settings.fit);
        select(settings.trackFrom == TrackEnd::centre ? fromCentre : fromEdge);
        select(settings.trackTo == TrackEnd::centre ? toCentre : toEdge);
    }
}

Result<PlotSettings> PlotSettingsForm::read() const
{
    PlotSettings s = settings_;
    s.size = numberIn(*this, sizeBox);
    s.tolerance = numberIn(*this, toleranceBox);
    if (machine_ == Machine::plotter) {
        s.origin = checked(centreRadio) ? PlotOrigin::centre : PlotOrigin::corner;
        // A pen line is taken whole: its length has a rule of its own.
        s.penUp = text(penUpBox);
        s.penDown = text(penDownBox);
        s.feed = numberIn(*this, feedBox);
        s.travelFeed = numberIn(*this, travelFeedBox);
        s.penChange = checked(penChangeBox);
    } else {
        s.fit = checked(fitBox);
        s.trackFrom = checked(fromEdge) ? TrackEnd::edge : TrackEnd::centre;
        s.trackTo = checked(toEdge) ? TrackEnd::edge : TrackEnd::centre;
    }
    if (Result<void> valid = checkPlotSettings(s); !valid) return valid.error();
    return s;
}

FormResult PlotSettingsForm::press(int id, const Confirm&)
{
    if (id != dialogOk) return FormResult::ended(dialogCancel);
    const Result<PlotSettings> read = this->read();
    if (!read) {
        std::string text = read.message();
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        return FormResult::fails({text + ".", "Parameter Error", MessageIcon::warning, MessageButtons::ok, true});
    }
    settings_ = *read;
    return FormResult::ended(dialogOk);
}

}  // namespace trochograph
