// The SVG drawing against the record it was made from: paths, colours, widths, points,
// background and metadata, and a well-formed document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "failing_sink.h"
#include "files/parameter_text.h"
#include "files/picture_formats.h"
#include "files/svg_export.h"
#include "run_program.h"
#include "scratch_dir.h"
#include "svg_segments.h"
#include "trochograph/engine/engine_steps.h"

namespace trochograph::test {
namespace {

std::string colorText(Colorref c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

TEST(SvgExport, PathsRetraceTheRecordExactly)
{
    Surface window(300, 300, canvasGrey);
    Engine engine(window);
    CurveState& s = stateOf(engine);
    s.params.speed = 0;
    engine.rebuildCanvas(301);
    s.params.back = rgb(0, 0, 90);
    s.params.type = rhodoneaRational;
    renderWholeCurve(engine);
    // A second curve in one colour and a wider pen, partly off the canvas.
    s.params.multicolor = 0;
    s.params.fore = rgb(250, 20, 10);
    s.params.width = 5;
    s.params.scale[s.params.type] = 1.5;
    s.restart();
    renderWholeCurve(engine);

    const std::string svg = svgText(engine.record(), parameterText(s.params));
    EXPECT_TRUE(svg.starts_with(pictureFormat(PictureKind::svg).signature));
    SegmentList drawn;
    engine.record().replay(drawn);
    ASSERT_GT(drawn.segments.size(), 100u);
    EXPECT_TRUE(sameSegments(segmentsOf(svg), drawn.segments));
    // A path per colour step, not per segment.
    const std::regex pathStart("<path ");
    const auto paths = std::distance(std::sregex_iterator(svg.begin(), svg.end(), pathStart), std::sregex_iterator());
    EXPECT_LT(paths, 300);

    EXPECT_NE(svg.find(R"(width="301" height="301" viewBox="0 0 301 301")"), std::string::npos);
    EXPECT_NE(svg.find(R"(<rect width="301" height="301" fill=")" + colorText(rgb(0, 0, 90)) + "\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find(R"(stroke-linecap="round" stroke-linejoin="round")"), std::string::npos);

    // The metadata gives the parameters back.
    const std::size_t from = svg.find('>', svg.find("<metadata")) + 1;
    const auto parsed = parseParameterText(svg.substr(from, svg.find("</metadata>") - from));
    ASSERT_TRUE(parsed) << parsed.message();
    EXPECT_EQ(*parsed, pictureParameters(s.params));

    ScratchDir dir;
    ASSERT_TRUE(writeSvg(engine.record(), dir / "curve.svg", parameterText(s.params)));
    const std::vector<std::uint8_t> written = readBytes(dir / "curve.svg");
    EXPECT_EQ(std::string(written.begin(), written.end()), svg);
    const ProgramRun lint = runCommand("xmllint", "--noout " + quoted(dir / "curve.svg"));
    if (lint.exitCode != 127) {
        EXPECT_EQ(lint.exitCode, 0) << lint.output;
    }
}

// An ellipse's element lies over the pixels the raster sets, a pixel's point at its centre
// (circles, lines and whole dots are read back in the paused-changes test); a dot its clip
// cuts is cut by a clip path, one it misses is left out.
TEST(SvgExport, FiguresBecomeElementsOverTheirPixels)
{
    const Colorref c = rgb(255, 16, 1);
    const struct {
        Figure figure;
        const char* element;
    } cases[] = {
        {EllipseOutline{{14, 6, 4, 9}, 3, c},
         R"(<ellipse cx="9.5" cy="8" rx="5" ry="1.5" stroke="#ff1001" stroke-width="3"/>)"},
        {PenDot{{1, 18}, {0, 0, 20, 20}, c},
         "<clipPath id=\"dot1\"><rect x=\"0\" y=\"16\" width=\"4\" height=\"4\"/></clipPath>\n"
         R"e(<circle cx="1.5" cy="18.5" r="2" fill="#ff1001" clip-path="url(#dot1)"/>)e"},
        {PenDot{{30, 10}, {0, 0, 20, 20}, c}, ""},
    };
    for (const auto& each : cases) {
        DrawingRecord record;
        record.clear(20, 0);
        record.figure(each.figure);
        const std::string svg = svgText(record, "");
        const std::size_t from = svg.find('\n', svg.find("<g ")) + 1;
        EXPECT_EQ(svg.substr(from, svg.find("</g>") - from), each.element + std::string(*each.element ? "\n" : ""));
    }
}

// Sends no write larger than a block however long the drawing, and whichever write fails,
// stops there and says so.
TEST(SvgExport, StreamsInBlocksAndStopsAtTheFirstFailedWrite)
{
    Surface window(300, 300, canvasGrey);
    Engine engine(window);
    stateOf(engine).params.speed = 0;
    stateOf(engine).params.type = hypotrochoid;
    for (int curve = 0; curve < 3; ++curve) {
        stateOf(engine).params.width = curve + 1;  // three runs that don't repeat
        stateOf(engine).restart();
        renderWholeCurve(engine);
    }
    struct BlockSink final : ByteSink {
        bool write(std::span<const std::uint8_t> bytes) override
        {
            largest = std::max(largest, bytes.size());
            ++calls;
            return true;
        }
        std::size_t largest = 0;
        int calls = 0;
    } blocks;
    ASSERT_TRUE(encodeSvg(engine.record(), blocks, "p=1\n"));
    ASSERT_GT(blocks.calls, 2);
    EXPECT_LT(blocks.largest, 65 * 1024u);

    for (int good = 0; good < blocks.calls; ++good) {
        FailingSink sink(good);
        const Result<void> encoded = encodeSvg(engine.record(), sink, "p=1\n");
        ASSERT_FALSE(encoded) << good;
        EXPECT_EQ(encoded.code(), ErrorCode::writeFailed) << good;
        EXPECT_EQ(sink.calls, good + 1) << good;
    }
    FailingSink full(1, true);
    EXPECT_EQ(encodeSvg(engine.record(), full, "p=1\n").code(), ErrorCode::noMemory);
}

}  // namespace
}  // namespace trochograph::test
