// The command line of the headless renderer: what it accepts, and the one-line reason for
// what it refuses.
#include "render_options.h"

#include <gtest/gtest.h>

namespace trochograph {
namespace {

TEST(RenderOptions, AcceptsEveryOptionWithinItsRange)
{
    const auto parsed = parseRenderOptions({"--output", "a.tga", "--params", "p.rlt", "--palette", "m.map", "--size",
                                            "9600", "--line-width", "5", "--scale", "0.1", "--rounding", "0",
                                            "--animate"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const RenderOptions& o = *parsed.options;
    EXPECT_EQ(o.output, "a.tga");
    EXPECT_EQ(o.params, "p.rlt");
    EXPECT_EQ(o.palette, "m.map");
    EXPECT_EQ(o.size, 9600);
    EXPECT_EQ(o.lineWidth, 5);
    EXPECT_EQ(o.scale, 0.1);
    EXPECT_EQ(o.rounding, 0);
    EXPECT_TRUE(o.animate);

    const auto poster = parseRenderOptions({"--size", "16384", "--output", "a.png", "--antialias"});
    ASSERT_TRUE(poster.options) << poster.error;
    EXPECT_TRUE(poster.options->antialias);
    EXPECT_EQ(poster.options->size, 16384);
}

TEST(RenderOptions, RefusesBadArgumentsWithAMessageNamingThem)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "--output is missing"},
        {{"--output"}, "--output needs a value"},
        {{"--output", "a.tga", "--colour", "red"}, "unknown option '--colour'"},
        {{"--output", "a.png", "--antialias", "--size", "16385"},
         "--size takes a whole number from 100 to 9600 (16384 with --antialias), not '16385'"},
        {{"--output", "a.tga", "--size", "99"}, "--size takes a whole number from 100 to 9600 (16384 with --antialias), not '99'"},
        {{"--output", "a.tga", "--size", "9601"}, "--size takes a whole number from 100 to 9600 (16384 with --antialias), not '9601'"},
        {{"--output", "a.tga", "--size", "640px"}, "--size takes a whole number from 100 to 9600 (16384 with --antialias), not '640px'"},
        {{"--output", "a.tga", "--line-width", "0"}, "--line-width takes a whole number from 1 to 5, not '0'"},
        {{"--output", "a.tga", "--scale", "5.01"}, "--scale takes a number from 0.1 to 5.0, not '5.01'"},
        {{"--output", "a.tga", "--scale", "nan"}, "--scale takes a number from 0.1 to 5.0, not 'nan'"},
        {{"--output", "a.tga", "--rounding", "11"}, "--rounding takes a whole number from 0 to 10, not '11'"},
    };
    for (const auto& [args, message] : cases) {
        const auto parsed = parseRenderOptions(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.error, message);
    }
}

}  // namespace
}  // namespace trochograph
