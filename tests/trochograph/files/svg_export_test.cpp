// The SVG drawing against the record it was made from: paths, colours, widths, points,
// background and metadata, and a well-formed document.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "trochograph/engine/engine_steps.h"
#include "parameter_text.h"
#include "run_program.h"
#include "scratch_dir.h"
#include "svg_export.h"
#include "svg_segments.h"

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
    CurveState& s = engine.state;
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

    const std::string svg = svgDocument(engine.record, parameterText(s.params));
    SegmentList drawn;
    engine.record.replay(drawn);
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
    ASSERT_TRUE(parsed.parameters) << parsed.error;
    EXPECT_EQ(*parsed.parameters, pictureParameters(s.params));

    ScratchDir dir;
    ASSERT_TRUE(writeSvg(engine.record, parameterText(s.params), dir / "curve.svg"));
    const ProgramRun lint = runCommand("xmllint", "--noout " + quoted(dir / "curve.svg"));
    if (lint.exitCode != 127) {
        EXPECT_EQ(lint.exitCode, 0) << lint.output;
    }
}

}  // namespace
}  // namespace trochograph::test
