#include "shell/file_flows.h"

#include "dialogs/save_animation_form.h"
#include "engine/engine.h"
#include "files/map_palette.h"
#include "files/rlt_file.h"
#include "files/save_error.h"
#include "shell/commands.h"
#include "shell/curve_film.h"
#include "dialogs/plot_settings_form.h"
#include "shell/image_export.h"
#include "shell/palette_preview.h"
#include "shell/parameter_loading.h"
#include "shell/recent_files.h"

namespace trochograph {

namespace {

std::string title(const std::filesystem::path& path) { return path.filename().string(); }

Message warning(std::string text, const char* caption)
{
    return {std::move(text), caption, MessageIcon::warning, MessageButtons::ok, true};
}

}  // namespace

Message parameterFileRefusal(const ParameterOrigin& origin)
{
    if (origin.picture) return warning("No usable parameters in this PNG picture", "PNG file error");
    return warning("Error opening RLT file", "RLT file error");
}

FileFlows::FileFlows(Engine& engine, WindowPort& window, const std::filesystem::path& folder, SmoothPainter* smooth)
    : engine_(engine), window_(window), smooth_(smooth)
{
    for (int kind = 0; kind < static_cast<int>(paths_.size()); ++kind)
        paths_[kind] = folder / (std::string("*.") + fileDialogSetup(static_cast<FileDialogKind>(kind)).defaultExtension);
}

void FileFlows::proposeParameterFile(const std::filesystem::path& file)
{
    paths_[static_cast<int>(FileDialogKind::openParameters)] = file;
}

std::optional<std::filesystem::path> FileFlows::choose(FileDialogKind kind)
{
    std::optional<std::filesystem::path> chosen = window_.chooseFile(kind, lastPath(kind));
    if (!chosen) return std::nullopt;
    const FileDialogSetup& setup = fileDialogSetup(kind);
    // A name typed without an extension gets the filter's; a film's name, without a film's
    // extension, too.
    const bool film = kind == FileDialogKind::saveAnimation;
    if (setup.save && (!chosen->has_extension() || (film && !videoKindOf(*chosen)))) {
        *chosen += ".";
        *chosen += filterExtension(setup, window_.chosenFilter());
    }
    paths_[static_cast<int>(kind)] = *chosen;
    // Paint away the dialog before the work starts.
    window_.repaintNow();
    return chosen;
}

void FileFlows::loadParameters()
{
    if (const auto path = choose(FileDialogKind::openParameters)) load(*path);
}

void FileFlows::loadRecentFile(const std::filesystem::path& file)
{
    if (!fileIsThere(file)) {
        window_.forgetParameterFile(file);
        inform("The file " + file.string() + " is no longer there; it has been taken off the list of recent files.");
        return;
    }
    // The next Load Parameter File dialog proposes it, as if it had been chosen there.
    paths_[static_cast<int>(FileDialogKind::openParameters)] = file;
    load(file);
}

void FileFlows::load(const std::filesystem::path& path)
{
    ParameterOrigin origin;
    if (!loadParametersInto(engine_, path, origin)) {
        window_.showMessage(parameterFileRefusal(origin));
        return;
    }
    window_.rememberParameterFile(path);
    inform("Parameter file  " + title(path) + "  loaded.");
}

void FileFlows::saveParameters()
{
    if (const auto path = choose(FileDialogKind::saveParameters)) writeParameters(*path);
}

void FileFlows::saveImageAndParameters()
{
    const auto path = choose(FileDialogKind::saveImage);
    if (!path) return;
    const ImageChoice choice = chosenImage(*path, window_.chosenFilter());
    const std::optional<PlotSettings> plot = askPlotSettings(choice.format->kind);
    if (!plot) return;
    const Result<void> saved =
        window_.whileBusy([&] { return exportImage(engine_, choice, *path, smooth_, {}, *plot); });
    // Without the image, no parameters.
    if (!saved) return reportSaveError(*path, saved.error());
    inform("Image saved as " + title(*path));
    // The next Save Parameters dialog proposes the name the parameters got.
    const std::filesystem::path parameters = rltPathFor(*path);
    paths_[static_cast<int>(FileDialogKind::saveParameters)] = parameters;
    // Without its .rlt file, a PNG picture, which Load Parameter File reads too, is the one
    // to list.
    if (!writeParameters(parameters) && choice.format->kind == PictureKind::png)
        window_.rememberParameterFile(*path);
}

std::optional<PlotSettings> FileFlows::askPlotSettings(PictureKind kind)
{
    const bool plotter = kind == PictureKind::gcode;
    if (!plotter && kind != PictureKind::thetaRho) return PlotSettings{};
    PlotSettingsForm form(window_.plotSettings(), plotter ? Machine::plotter : Machine::sandTable);
    if (window_.runDialog(form, nullptr) != dialogOk) return std::nullopt;
    window_.rememberPlotSettings(form.settings());
    return form.settings();
}

bool FileFlows::writeParameters(const std::filesystem::path& path)
{
    if (auto saved = writeRlt(engine_.parameters(), path); !saved) {
        reportSaveError(path, saved.error());
        return false;
    }
    window_.rememberParameterFile(path);
    inform("Parameters saved as " + title(path) + "\n\nLoad via ' File ' menu or by double-clicking.");
    return true;
}

void FileFlows::saveAnimation()
{
    // Length, pace and size first: once a file is chosen, nothing is refused.
    SaveAnimationForm form(window_.filmChoice(), engine_.parameters().res);
    if (window_.runDialog(form, nullptr) != dialogOk) return;
    const Result<FilmOptions> options = form.read();
    if (!options) {
        window_.showMessage(SaveAnimationForm::refusal(options.error()));
        return;
    }
    window_.rememberFilmChoice(*options);
    const auto path = choose(FileDialogKind::saveAnimation);
    if (!path) return;
    // The film draws the curve as it stands now, whatever the window does meanwhile.
    const CurveState start = engine_.state();
    window_.runInBackground(
        "Saving " + title(*path),
        [start, path = *path, options = *options](const ProgressReport& progress) {
            return filmCurve(start, path, options, progress);
        },
        [this, path = *path](const Result<void>& filmed) {
            if (filmed) return inform("Animation saved as " + title(path));
            if (filmed.code() == ErrorCode::cancelled) return;
            window_.showMessage(warning(title(path) + ": " + filmed.message(), "Vell Varezuro"));
        });
}

void FileFlows::loadMapFile()
{
    if (!engine_.parameters().multicolor) {
        window_.showMessage({"To load a MAP file, select 'multicolor'\n      in the 'COLORS' dialog box.",
                             "Vell Varezuro 3", MessageIcon::warning});
        return;
    }
    const auto path = choose(FileDialogKind::openMap);
    if (!path) return;
    const Result<MapTable> loaded = loadMap(*path);
    if (!loaded) {
        window_.showMessage(warning("Error opening MAP file", "MAP file error"));
        return window_.postCommand(cmdClear);
    }
    const MapTable& table = *loaded;

    // The preview covers the window's top-left corner while the question is open; what it
    // covered comes back afterwards, in the canvas as well.
    Surface& shown = window_.windowSurface();
    const Rect area = Rect{0, 0, previewWidth, previewHeight}.intersected(shown.bounds());
    Surface covered(previewWidth, previewHeight, canvasGrey);
    covered.blit({0, 0}, shown, area);
    shown.blit({0, 0}, palettePreview(table, engine_.parameters().back), area);
    const MessageAnswer answer =
        window_.showMessage({"Accept palette?", "Preview", MessageIcon::information, MessageButtons::yesNo});
    shown.blit({0, 0}, covered, area);
    engine_.putBack(covered, area);

    if (answer == MessageAnswer::yes) {
        CurveParameters p = engine_.parameters();
        acceptPalette(table, p);
        engine_.setParameters(p);
    } else {
        window_.postCommand(cmdMapFile);  // another choice
    }
}

void FileFlows::reportSaveError(const std::filesystem::path& path, const Error& error)
{
    window_.showMessage(warning(saveErrorText(title(path), error), "Save file error"));
}

void FileFlows::inform(const std::string& text, const char* caption)
{
    window_.showMessage({text, caption, MessageIcon::information});
}

}  // namespace trochograph
