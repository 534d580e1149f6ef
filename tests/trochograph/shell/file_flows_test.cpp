// The file and palette commands with a fake window and real files: what they write, what
// they say, where each dialog starts, and the palette preview.
#include "shell/file_flows.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <tuple>

#include "fake_window.h"
#include "files/map_palette.h"
#include "files/parameter_text.h"
#include "files/png_export.h"
#include "files/rlt_file.h"
#include "scratch_dir.h"
#include "shell/commands.h"
#include "shell/palette_preview.h"
#include "trochograph/engine/engine_probe.h"
#include "trochograph/files/film_reader.h"

namespace trochograph::test {
namespace {

Message information(std::string text, std::string caption = "Vell Varezuro")
{
    return {std::move(text), std::move(caption), MessageIcon::information};
}
Message ownedWarning(std::string text, std::string caption)
{
    return {std::move(text), std::move(caption), MessageIcon::warning, MessageButtons::ok, true};
}

struct FileFlowsTest : ::testing::Test {
    ScratchDir dir;
    FakeWindow window{800, 500};
    Engine engine{window.picture};
    CurveState& s = stateOf(engine);
    FileFlows files{engine, window, dir.path()};

    void choose(const std::filesystem::path& path) { window.choices.push_back(path); }
};

TEST_F(FileFlowsTest, SavesTheImageThenItsParametersUnderTheImagesName)
{
    canvasOf(engine).fillRect({0, 0, 1, 1}, 0x000000FF);
    const struct {
        const char* typed;
        const char* image;
        const char* parameters;
    } cases[] = {{"rose", "rose.tga", "rose.rlt"}, {"rose.tga", "rose.tga", "rose.rlt"}, {"rose.bmp", "rose.bmp", "rose.rlt"}};
    for (const auto& c : cases) {
        window.messages.clear();
        choose(dir / c.typed);
        files.saveImageAndParameters();
        EXPECT_EQ(window.messages, (std::vector<Message>{
                                       information(std::string("Image saved as ") + c.image),
                                       information(std::string("Parameters saved as ") + c.parameters +
                                                   "\n\nLoad via ' File ' menu or by double-clicking."),
                                   }));
        const auto image = readBytes(dir / c.image);
        ASSERT_EQ(image.size(), 18u + 3u * 600 * 600 + 26u) << c.typed;
        EXPECT_EQ(image[18 + 2], 0xFF) << "the top-left pixel is red";
        EXPECT_EQ(readBytes(dir / c.parameters).size(), 100u);
        EXPECT_EQ(files.lastPath(FileDialogKind::saveImage), dir / c.image);
        EXPECT_EQ(files.lastPath(FileDialogKind::saveParameters), dir / c.parameters);
    }
    EXPECT_EQ(window.busy, 3);
    EXPECT_EQ(window.repaints, 3);
}

// G-code and tracks ask for the machine settings once the file is chosen, prefilled with
// the last ones and kept on OK; Cancel writes nothing.
TEST_F(FileFlowsTest, MachineFilesAskForTheirSettingsBeforeWriting)
{
    s.params.type = rhodoneaRational;
    window.keptPlot.size = 150;
    window.scripts[dialogPlotSettings] = [](Form& form) {
        EXPECT_EQ(form.text(1110), "150");
        return user({{1110, "120"}})(form);
    };
    choose(dir / "rose.gcode");
    files.saveImageAndParameters();
    EXPECT_EQ(window.keptPlot.size, 120);
    const auto gcode = readBytes(dir / "rose.gcode");
    EXPECT_EQ(std::string(gcode.begin(), gcode.begin() + 40), "; Trochograph plot on a square of 120 mm");
    EXPECT_TRUE(std::filesystem::exists(dir / "rose.rlt"));

    window.messages.clear();
    window.scripts[dialogPlotSettings] = [](Form& form) { return *form.press(dialogCancel, {}).end; };
    choose(dir / "rose.thr");
    files.saveImageAndParameters();
    EXPECT_FALSE(std::filesystem::exists(dir / "rose.thr"));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.keptPlot.size, 120);
    EXPECT_EQ(window.dialogs, (std::vector<int>{dialogPlotSettings, dialogPlotSettings}));
}

TEST_F(FileFlowsTest, AFailedImageSaveWritesNoParameters)
{
    choose(dir / "missing" / "x.tga");
    files.saveImageAndParameters();
    // The fixed text, then the reason the failure carries.
    EXPECT_EQ(window.messages, std::vector<Message>{ownedWarning(
                                   "Error opening file.\n\nx.tga: can't create the file: No such file or directory",
                                   "Save file error")});
    EXPECT_TRUE(dir.entries().empty());
}

TEST_F(FileFlowsTest, SavedParametersLoadBackAndARefusedFileChangesNothing)
{
    s.params.type = rhodoneaRational;
    s.params.kn[2] = 7;
    choose(dir / "petals");
    files.saveParameters();
    EXPECT_EQ(window.messages.back(),
              information("Parameters saved as petals.rlt\n\nLoad via ' File ' menu or by double-clicking."));

    s.params.type = epitrochoid;
    s.params.kn[2] = 3;
    choose(dir / "petals.rlt");
    files.loadParameters();
    EXPECT_EQ(window.messages.back(), information("Parameter file  petals.rlt  loaded."));
    EXPECT_EQ(s.params.type, rhodoneaRational);
    EXPECT_EQ(s.params.kn[2], 7);

    writeBytes(dir / "bad.rlt", "short");
    choose(dir / "bad.rlt");
    const CurveParameters before = s.params;
    files.loadParameters();
    EXPECT_EQ(window.messages.back(), ownedWarning("Error opening RLT file", "RLT file error"));
    EXPECT_TRUE(s.params == before);

    choose(dir / "nowhere" / "p.rlt");
    files.saveParameters();
    EXPECT_EQ(window.messages.back().text.substr(0, 27), "Error opening file.\n\np.rlt:");
}

// A PNG picture loads like a .rlt file; one drawn on a canvas of another side brings a new
// canvas, as a new resolution from the Parameters dialog does. Refusals tell of a picture.
TEST_F(FileFlowsTest, APngPictureLoadsWithItsCanvasSide)
{
    CurveParameters drawn;
    drawn.type = rhodoneaRational;
    drawn.kn[2] = 7, drawn.width = 1;
    Palette colors = builtinPalette;
    colors[0] = 0x00010203;
    drawn.crpalette = colors;
    drawn.res = 300;
    ASSERT_TRUE(writePng(Surface(3, 2), dir / "rose.png", parameterText(drawn)));
    window.picture.fillRect(window.picture.bounds(), 0x00445566);
    s.progress.theta = 2.0, s.flags.newcurve = 0, s.flags.firstloop = 0;
    choose(dir / "rose.png");
    files.loadParameters();
    EXPECT_EQ(window.messages.back(), information("Parameter file  rose.png  loaded."));
    EXPECT_EQ(pictureParameters(s.params), pictureParameters(drawn));
    EXPECT_EQ(engine.canvas().width(), 300);
    EXPECT_EQ(engine.canvas().pixel(299, 299), canvasGrey);
    EXPECT_EQ(window.picture.pixel(799, 499), canvasGrey);
    EXPECT_EQ(std::tuple(s.progress.theta, s.flags.newcurve, s.flags.firstloop), std::tuple(0.0, 1, 1));

    // The same side again keeps the canvas and the curve where they are.
    canvasOf(engine).setPixel(0, 0, 0x000000FF);
    s.progress.theta = 2.0, s.flags.newcurve = 0;
    choose(dir / "rose.png");
    files.loadParameters();
    EXPECT_EQ(engine.canvas().pixel(0, 0), 0x000000FFu);
    EXPECT_EQ(s.progress.theta, 2.0);

    const PictureParameters before = pictureParameters(s.params);
    choose(std::filesystem::path(TEST_DATA_DIR) / "png" / "dpct_nan.png");
    files.loadParameters();
    EXPECT_EQ(window.messages.back(), ownedWarning("No usable parameters in this PNG picture", "PNG file error"));
    EXPECT_EQ(pictureParameters(s.params), before);
    EXPECT_EQ(engine.canvas().width(), 300);
}

TEST_F(FileFlowsTest, EachDialogStartsWhereItWasLastUsed)
{
    files.proposeParameterFile(dir / "started with.rlt");
    for (auto run : {&FileFlows::loadParameters, &FileFlows::saveImageAndParameters, &FileFlows::saveParameters,
                     &FileFlows::loadMapFile})
        (files.*run)();
    using K = FileDialogKind;
    EXPECT_EQ(window.asked, (std::vector<std::pair<K, std::filesystem::path>>{{K::openParameters, dir / "started with.rlt"},
                                                                               {K::saveImage, dir / "*.tga"},
                                                                               {K::saveParameters, dir / "*.rlt"},
                                                                               {K::openMap, dir / "*.map"}}));
    // Cancelling changes nothing and says nothing.
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(window.posted.empty());
    EXPECT_EQ(window.repaints, 0);
    EXPECT_TRUE(dir.entries().empty());

    choose(dir / "a.rlt");
    files.saveParameters();
    files.saveParameters();
    EXPECT_EQ(window.asked.back().second, dir / "a.rlt");
}

// Each parameter file loaded or saved, and only such, heads the list of recent files: the
// .rlt file of Save Image and Parameters, or its PNG picture when the .rlt file failed.
TEST_F(FileFlowsTest, FilesLoadedOrSavedAreRemembered)
{
    using Paths = std::vector<std::filesystem::path>;
    writeBytes(dir / "bad.rlt", "short");
    std::filesystem::create_directory(dir / "blocked.rlt");
    ASSERT_TRUE(writeRlt(s.params, dir / "rose.rlt"));
    const struct {
        const char* what;
        std::optional<std::filesystem::path> chosen;  // nothing: cancelled
        void (FileFlows::*run)();
        Paths remembered;
    } cases[] = {
        {"loaded", dir / "rose.rlt", &FileFlows::loadParameters, {dir / "rose.rlt"}},
        {"refused", dir / "bad.rlt", &FileFlows::loadParameters, {}},
        {"cancelled", std::nullopt, &FileFlows::loadParameters, {}},
        {"parameters saved", dir / "petals", &FileFlows::saveParameters, {dir / "petals.rlt"}},
        {"parameters not saved", dir / "nowhere" / "p.rlt", &FileFlows::saveParameters, {}},
        {"image and parameters", dir / "picture.tga", &FileFlows::saveImageAndParameters, {dir / "picture.rlt"}},
        {"a PNG picture without its .rlt", dir / "blocked.png", &FileFlows::saveImageAndParameters,
         {dir / "blocked.png"}},
        {"a Targa image without its .rlt", dir / "blocked.tga", &FileFlows::saveImageAndParameters, {}},
        {"no image", dir / "nowhere" / "x.png", &FileFlows::saveImageAndParameters, {}},
    };
    for (const auto& c : cases) {
        window.remembered.clear();
        window.choices.push_back(c.chosen);
        (files.*c.run)();
        EXPECT_EQ(window.remembered, c.remembered) << c.what;
    }
    EXPECT_TRUE(window.forgotten.empty());
}

// A file from the list loads as Load Parameter File loads it, without a dialog; one that
// has gone leaves the list with a note, and one refused stays on it.
TEST_F(FileFlowsTest, ARecentFileLoadsOrLeavesTheList)
{
    CurveParameters saved = s.params;
    saved.type = rhodoneaRational;
    saved.kn[2] = 7;
    ASSERT_TRUE(writeRlt(saved, dir / "rose.rlt"));
    files.loadRecentFile(dir / "rose.rlt");
    EXPECT_EQ(window.messages, std::vector<Message>{information("Parameter file  rose.rlt  loaded.")});
    EXPECT_EQ(s.params.kn[2], 7);
    EXPECT_TRUE(window.asked.empty());
    EXPECT_EQ(window.remembered, std::vector<std::filesystem::path>{dir / "rose.rlt"});
    EXPECT_EQ(files.lastPath(FileDialogKind::openParameters), dir / "rose.rlt");

    const CurveParameters before = s.params;
    files.loadRecentFile(dir / "gone.rlt");
    EXPECT_EQ(window.messages.back(), information("The file " + (dir / "gone.rlt").string() +
                                                  " is no longer there; it has been taken off the list of recent files."));
    EXPECT_EQ(window.forgotten, std::vector<std::filesystem::path>{dir / "gone.rlt"});
    EXPECT_TRUE(s.params == before);

    writeBytes(dir / "bad.rlt", "short");
    files.loadRecentFile(dir / "bad.rlt");
    EXPECT_EQ(window.messages.back(), ownedWarning("Error opening RLT file", "RLT file error"));
    EXPECT_EQ(window.forgotten.size(), 1u);
    EXPECT_EQ(window.remembered.size(), 1u);
    EXPECT_TRUE(s.params == before);
}

TEST_F(FileFlowsTest, MapPaletteIsPreviewedThenAcceptedOrChosenAgain)
{
    std::string map;
    for (int i = 0; i < 256; ++i) map += std::to_string(i) + " 0 " + std::to_string(255 - i) + "\n";
    writeBytes(dir / "ramp.map", map);
    // A client narrower than the preview: it is cut at the client's edge.
    window.picture.reset(200, 500, 0x00445566);
    canvasOf(engine).fillRect(engine.canvas().bounds(), 0x00112233);
    const Surface windowBefore = window.picture;

    std::optional<Surface> shown;
    window.whileAsked = [&] { shown.emplace(window.picture); };
    window.answerYes = false;
    choose(dir / "ramp.map");
    files.loadMapFile();
    EXPECT_EQ(window.messages.back(),
              (Message{"Accept palette?", "Preview", MessageIcon::information, MessageButtons::yesNo}));
    MapTable ramp{};
    for (int i = 0; i < 256; ++i)
        ramp[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i)};
    const Surface preview = palettePreview(ramp, s.params.back);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->pixel(20 + 100, 50), preview.pixel(20 + 100, 50));
    EXPECT_EQ(shown->pixel(199, 0), preview.pixel(199, 0));
    EXPECT_TRUE(window.picture == windowBefore) << "the window is given back what the preview covered";
    EXPECT_EQ(engine.canvas().pixel(10, 10), 0x00445566u) << "and so is the canvas";
    EXPECT_EQ(engine.canvas().pixel(200, 10), 0x00112233u);
    EXPECT_EQ(window.posted, std::vector<int>{cmdMapFile});
    EXPECT_EQ(s.params.crpalette.colors(), builtinPalette);

    window.answerYes = true;
    choose(dir / "ramp.map");
    files.loadMapFile();
    EXPECT_EQ(s.params.crpalette[200], rgb(200, 0, 55));
}

TEST_F(FileFlowsTest, MapPaletteNeedsMulticolourAndAReadableFile)
{
    s.params.multicolor = 0;
    files.loadMapFile();
    EXPECT_EQ(window.messages, (std::vector<Message>{{"To load a MAP file, select 'multicolor'\n      in the 'COLORS' dialog box.",
                                                      "Vell Varezuro 3", MessageIcon::warning}}));
    EXPECT_TRUE(window.asked.empty());

    s.params.multicolor = 1;
    writeBytes(dir / "bad.map", "1 2 3\n\n4 5 6\n");
    choose(dir / "bad.map");
    files.loadMapFile();
    EXPECT_EQ(window.messages.back(), ownedWarning("Error opening MAP file", "MAP file error"));
    EXPECT_EQ(window.posted, std::vector<int>{cmdClear});
    EXPECT_EQ(s.params.crpalette.colors(), builtinPalette);
}

TEST(PalettePreview, FramesTheStripOnTheBackground)
{
    const Colorref back = 0x00010203;
    MapTable table{};
    for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = {static_cast<std::uint8_t>(i), 7, 9};
    const Surface box = palettePreview(table, back);
    const struct {
        int x, y;
        Colorref color;
    } pixels[] = {
        {0, 0, rgb(205, 215, 225)},  {1, 1, rgb(215, 225, 235)}, {2, 97, rgb(205, 215, 225)},
        {295, 50, rgb(205, 215, 225)}, {3, 3, back},           {19, 25, back},
        {20, 25, rgb(0, 7, 9)},       {275, 74, rgb(255, 7, 9)}, {20, 75, back},
        {276, 50, back},            {292, 96, back},
    };
    for (const auto& p : pixels) EXPECT_EQ(box.pixel(p.x, p.y), p.color) << p.x << ", " << p.y;
}

TEST_F(FileFlowsTest, SavesAnAnimationBesideTheWindowOrStopsAtCancel)
{
    s.params.res = 120;  // a small film
    const struct {
        const char* typed;
        int filter;
        std::optional<int> cancelAfter;
        const char* file;  // what is written, or nothing
        const char* said;  // the message, or none
        bool warning;
    } cases[] = {
        {"rose", 2, std::nullopt, "rose.gif", "Animation saved as rose.gif", false},
        {"rose.webm", 0, std::nullopt, "rose.webm", "Animation saved as rose.webm", false},
        {"stopped", 2, 3, nullptr, nullptr, false},
        // Another extension gets the filter's: nothing is refused once a file is chosen.
        {"rose.txt", 0, std::nullopt, "rose.txt.mp4", "Animation saved as rose.txt.mp4", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        window.messages.clear();
        window.backgroundTitles.clear();
        window.cancelAfter = c.cancelAfter;
        window.filter = c.filter;
        window.answers.push_back(dialogOk);  // the film's length and pace as offered
        choose(dir / c.typed);
        files.saveAnimation();
        EXPECT_EQ(window.backgroundTitles.size(), 1u);
        if (c.file) {
            EXPECT_TRUE(std::filesystem::exists(dir / c.file));
        }
        std::vector<Message> said;
        if (c.said) said.push_back(c.warning ? ownedWarning(c.said, "Vell Varezuro") : information(c.said));
        EXPECT_EQ(window.messages, said);
    }
    // Nothing is left of the stopped film, not even a temporary file.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find("stopped"), std::string::npos) << entry.path();
}

// The length, pace and side chosen before the file reach the film, and are offered again.
TEST_F(FileFlowsTest, TheSaveAnimationDialogsValuesMakeTheFilm)
{
    s.params.res = 121;
    window.scripts[dialogSaveAnimation] = [](Form& form) {
        form.type(1201, "2");
        form.type(1202, "5");
        form.type(1203, "61");
        return dialogOk;
    };
    choose(dir / "rose.mp4");
    files.saveAnimation();
    ASSERT_EQ(window.messages, std::vector<Message>{information("Animation saved as rose.mp4")});
    const ReadFilm film = readFilm(dir / "rose.mp4");
    ASSERT_EQ(film.error, "");
    EXPECT_EQ(film.frames.size(), 15u);  // two seconds at 5 a second, the held one 5 more
    EXPECT_NEAR(film.seconds, 3.0, 0.01);
    EXPECT_EQ(film.frames.back().width(), 62);  // 61, padded to even
    EXPECT_EQ(window.film.seconds, 2.0);
    EXPECT_EQ(window.film.fps, 5);
    EXPECT_EQ(window.film.side, 61);

    // Cancelled, it asks for no file.
    window.scripts[dialogSaveAnimation] = [](Form&) { return dialogCancel; };
    window.asked.clear();
    files.saveAnimation();
    EXPECT_TRUE(window.asked.empty());
}

}  // namespace
}  // namespace trochograph::test
