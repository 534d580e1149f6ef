// What you save is what you see: a curve paused, given its circles with F8 and finished
// with them is saved in every picture format, and each shows the circles the canvas shows.
#include <gtest/gtest.h>

#include <png.h>

#include <functional>

#include "fake_window.h"
#include "scratch_dir.h"
#include "shell/commands.h"
#include "shell/image_export.h"
#include "shell/main_controller.h"
#include "shell/qt/smooth_painter_qt.h"
#include "trochograph/engine/engine_steps.h"
#include "trochograph/files/svg_segments.h"

namespace trochograph::test {
namespace {

struct CircledCurve {
    FakeWindow host{300, 300};
    Engine engine{host.picture};
    MainController controller{engine, host};

    CircledCurve()
    {
        CurveState& s = stateOf(engine);
        engine.rebuildCanvas(151);
        s.params.speed = 0;
        s.params.type = hypotrochoid;  // wholly inside its fixed circle
        s.flags.okintro = 0;
        command(cmdRender);
        for (int i = 0; i < 30; ++i) engine.step();
        controller.keyDown(KeyPress::pause);
        command(cmdAnimate);
        command(cmdRender);
        renderWholeCurve(engine);
    }
    void command(int id)
    {
        controller.command(id);
        for (; !host.posted.empty(); host.posted.erase(host.posted.begin())) controller.command(host.posted.front());
    }
};

// Pictures read back as surfaces; empty when the file can't be read.
Surface fromRgb(const std::uint8_t* samples, int side)
{
    Surface out(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x, samples += 3) out.setPixel(x, y, rgb(samples[0], samples[1], samples[2]));
    return out;
}
Surface readPng(const std::filesystem::path& file)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> samples(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, samples.data(), 0, nullptr)) return {};
    return fromRgb(samples.data(), static_cast<int>(image.width));
}
// Rows top first, each pixel blue, green, red.
Surface readTarga(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes = readBytes(file);
    const int side = bytes.size() < 18 ? 0 : bytes[12] | bytes[13] << 8;
    if (bytes.size() < 18 + 3 * static_cast<std::size_t>(side) * side) return {};
    for (std::size_t i = 18; i + 2 < bytes.size(); i += 3) std::swap(bytes[i], bytes[i + 2]);
    return fromRgb(bytes.data() + 18, side);
}

bool isCircleColor(Colorref c)
{
    using namespace circle_colors;
    return c == fixedCircle || c == movingCircle || c == spokes || c == armOfTrochoid || c == penTip;
}

void sameAsCanvas(const CircledCurve& drawn, const Surface& picture)
{
    ASSERT_EQ(picture.width(), drawn.engine.canvas().width());
    EXPECT_TRUE(picture == drawn.engine.canvas());
}

// The SVG's figures are the record's, in place among the paths, and its fixed circle
// lies on the canvas's ring.
void svgHasTheCircles(const CircledCurve& drawn, const std::filesystem::path& file)
{
    SegmentList replayed;
    drawn.engine.record().replay(replayed);
    const SvgFigures svg = figuresOf(readText(file));
    // The fixed circle (F8), then the last frame: moving circle, spokes, arm, dot.
    ASSERT_EQ(svg.figures.size(), 6u);
    EXPECT_TRUE(sameFigures(svg, replayed));
    const Rect ring = std::get<EllipseOutline>(svg.figures.front()).box;
    const int middle = drawn.engine.parameters().halfres();
    EXPECT_EQ(ring.left + ring.right, 2 * middle);
    // The last frame's moving circle touches it on the right.
    for (const Point& at : {Point{ring.left, middle}, Point{middle, ring.top}, Point{middle, ring.bottom}})
        EXPECT_EQ(drawn.engine.canvas().pixel(at.x, at.y), circle_colors::fixedCircle) << at.x << "," << at.y;
}

// Painted smooth, every pixel of the circles in the canvas has paint on it.
void smoothHasTheCircles(const CircledCurve& drawn, const Surface& picture)
{
    ASSERT_EQ(picture.width(), drawn.engine.canvas().width());
    const Surface& canvas = drawn.engine.canvas();
    int circlePixels = 0, unpainted = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (!isCircleColor(canvas.pixel(x, y))) continue;
            ++circlePixels;
            unpainted += picture.pixel(x, y) == drawn.engine.record().background();
        }
    EXPECT_GT(circlePixels, 500);
    EXPECT_EQ(unpainted, 0);
}

TEST(SavedPictures, EveryFormatShowsTheCirclesOfTheCanvas)
{
    const CircledCurve drawn;
    const struct {
        const char* name;
        int filter;
        std::function<void(const std::filesystem::path&)> check;
    } formats[] = {
        {"curve.tga", 0, [&](const auto& file) { sameAsCanvas(drawn, readTarga(file)); }},
        {"curve.png", 2, [&](const auto& file) { sameAsCanvas(drawn, readPng(file)); }},
        {"curve.svg", 1, [&](const auto& file) { svgHasTheCircles(drawn, file); }},
        {"smooth.png", 3, [&](const auto& file) { smoothHasTheCircles(drawn, readPng(file)); }},
    };
    ScratchDir dir;
    QtSmoothPainter smooth;
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const ImageChoice choice = chosenImage(format.name, format.filter);
        ASSERT_TRUE(exportImage(drawn.engine, choice, dir / format.name, &smooth));
        format.check(dir / format.name);
    }
}

}  // namespace
}  // namespace trochograph::test
