// "Plot Settings" and "Sand Table Settings": how a machine draws the curves saved as G-code
// or as a sand table's track, asked for once the file is chosen and before anything is
// written. OK checks the values as the command line does and keeps them; Cancel writes
// nothing.
#pragma once

#include "dialogs/form.h"
#include "files/plot_settings.h"

namespace trochograph {

// Which machine the settings are for.
enum class Machine { plotter, sandTable };

class PlotSettingsForm final : public Form {
public:
    PlotSettingsForm(const PlotSettings& settings, Machine machine);

    [[nodiscard]] FormResult press(int id, const Confirm& confirm) override;
    // What OK accepted, over the settings the form was opened on.
    const PlotSettings& settings() const { return settings_; }

    static const DialogTemplate plotterLayout;
    static const DialogTemplate sandTableLayout;

private:
    [[nodiscard]] Result<PlotSettings> read() const;

    Machine machine_;
    PlotSettings settings_;
};

}  // namespace trochograph
