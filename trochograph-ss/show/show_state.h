// The show's data: the preset record and table, the two colour tables, and the one record
// of renderer state that a Show owns and hands to every part of the renderer.
#pragma once

#include <array>

#include "common/colorref.h"
#include "common/geometry.h"
#include "common/palette.h"

namespace trochograph {

// Show curve types: 0 epitrochoid, 1 hypotrochoid, 2 rose with k = kn / kd, 3 rose with the
// given k; 4 to 9 carry a second circle on the first (formulas in show_curve.cpp).
constexpr int showTypeCount = 10;
constexpr int irrationalRose = 3;

// One preset; sizes in percent of halfres.
struct PARAM {
    int type;
    int R;   // fixed circle
    int r1;  // first moving circle
    int r2;  // second moving circle (types 4 to 9)
    int d1;  // pen distance (types 0, 1, 4 to 7), second centre's distance (types 8, 9)
    int d2;  // pen distance from the second centre (types 8, 9)
    double kn, kd;  // k = kn / kd (type 2)
    double k;       // k itself (type 3)
};

constexpr int presetCount = 29;
using PresetTable = std::array<PARAM, presetCount>;

// The presets in the order the show draws them. A show keeps its own copy, because it
// changes d1 of preset 14 from round to round.
inline constexpr PresetTable presetTable = {{
    // type, R, r1, r2, d1, d2, kn, kd, k
    {0, 60, 18, 0, 18, 0, 0.0, 0.0, 0.0},                 // 0
    {1, 88, 24, 0, 24, 0, 0.0, 0.0, 0.0},                 // 1
    {2, 90, 90, 0, 90, 0, 4.0, 1.0, 0.0},                 // 2
    {6, 10, 20, 10, 8, 0, 0.0, 0.0, 0.0},                 // 3
    {4, 50, 20, 12, 12, 0, 0.0, 0.0, 0.0},                // 4
    {1, 64, 8, 0, 40, 0, 0.0, 0.0, 0.0},                  // 5, drawn five times, turned
    {3, 90, 90, 0, 90, 0, 0.0, 0.0, 2.718281828459045},  // 6
    {1, 76, 36, 0, 56, 0, 0.0, 0.0, 0.0},                 // 7
    {9, 45, 15, 30, 20, 40, 0.0, 0.0, 0.0},               // 8
    {5, 80, 56, 30, 5, 0, 0.0, 0.0, 0.0},                 // 9
    {8, 32, 12, 20, 4, 20, 0.0, 0.0, 0.0},                // 10
    {1, 84, 35, 0, 10, 0, 0.0, 0.0, 0.0},                 // 11
    {2, 90, 90, 0, 90, 0, 1.0, 5.0, 0.0},                 // 12
    {0, 15, 25, 0, 35, 0, 0.0, 0.0, 0.0},                 // 13
    {1, 80, 60, 0, 20, 0, 0.0, 0.0, 0.0},                 // 14, d1 grows
    {4, 40, 16, 8, 24, 0, 0.0, 0.0, 0.0},                 // 15
    {0, 30, 18, 0, 42, 0, 0.0, 0.0, 0.0},                 // 16
    {4, 16, 32, 12, 2, 0, 0.0, 0.0, 0.0},                 // 17
    {5, 50, 20, 10, 7, 0, 0.0, 0.0, 0.0},                 // 18
    {6, 30, 20, 15, 3, 0, 0.0, 0.0, 0.0},                 // 19
    {4, 32, 16, 8, 36, 0, 0.0, 0.0, 0.0},                 // 20
    {0, 48, 10, 0, 24, 0, 0.0, 0.0, 0.0},                 // 21
    {1, 36, 63, 0, 36, 0, 0.0, 0.0, 0.0},                 // 22
    {7, 40, 24, 6, 12, 0, 0.0, 0.0, 0.0},                 // 23
    {2, 90, 90, 0, 90, 0, 2.0, 3.0, 0.0},                 // 24
    {7, 48, 24, 8, 24, 0, 0.0, 0.0, 0.0},                 // 25
    {8, 32, 12, 8, 4, 8, 0.0, 0.0, 0.0},                  // 26
    {0, 36, 21, 0, 12, 0, 0.0, 0.0, 0.0},                 // 27
    {9, 64, 24, 10, 12, 8, 0.0, 0.0, 0.0},                // 28
}};

// The presets whose stop angle, pause or drawing is their own.
constexpr int turnedPreset = 5;     // drawn five times, each turned further
constexpr int irrationalPreset = 6; // no pause after a point
constexpr int quickPreset = 7;      // 1 ms after a point
constexpr int growingPreset = 14;   // d1 grows by 5 each round, from 20 to 50

// Solid colours, used at odd colour indices; the even entries are never used.
constexpr int colorCount = 28;
inline constexpr std::array<Colorref, colorCount> cr = {
    0, rgb(0, 160, 212),   0, rgb(0, 192, 96),    0, rgb(212, 128, 160), 0, rgb(192, 96, 0),
    0, rgb(64, 64, 255),   0, rgb(192, 0, 192),   0, rgb(255, 255, 128), 0, rgb(128, 48, 208),
    0, rgb(160, 255, 0),   0, rgb(0, 255, 255),   0, rgb(255, 0, 0),     0, rgb(0, 144, 128),
    0, rgb(192, 192, 192), 0, rgb(255, 240, 0),
};

// The gradient of even colour indices: the built-in palette, entries 1 to 255.
inline const Palette& plasmacr = builtinPalette;

struct ShowState {
    PresetTable c = presetTable;

    int ctype = 0;    // current preset
    int crindex = 0;  // colour index, 0 to 27
    double theta = 0.0;   // angle of the first moving centre about the fixed centre
    double gamma = 0.0;   // turn of the second centre about the first
    double delta = 0.0;   // turn of the pen arm
    double rtheta = 0.0;  // extra turn of preset 5
    int firstloop = 1;    // clear the screen square and the canvas at the next step
    int speed = 5;        // milliseconds after each point
    double k = 0.0;       // the current rose's factor

    // Set up at each curve's start, in pixels.
    double R = 0.0, r1 = 0.0, r2 = 0.0, d1 = 0.0, d2 = 0.0;
    double R_plus_r1 = 0.0, R_minus_r1 = 0.0, R_over_r1_plus_1 = 0.0, R_over_r1_minus_1 = 0.0;
    double r1_plus_r2 = 0.0, r1_minus_r2 = 0.0, R_over_r1 = 0.0, r1_over_r2 = 0.0;
    double st = 0.0;  // stop angle

    // The moving centres relative to the canvas centre.
    double center1x = 0.0, center1y = 0.0, center2x = 0.0, center2y = 0.0;
    // Previous and current curve pixel on the canvas, and the same on the screen.
    std::array<Point, 2> pt{};
    std::array<Point, 2> rpt{};

    // Screen geometry: the canvas is res x res and shows in the square hdcRes of the
    // xscreen x res screen.
    int res = 0, halfres = 0, xscreen = 0, xcenter = 0;
    Rect hdcRes, VhdcRes;

    void setGeometry(int screenWidth, int side)
    {
        xscreen = screenWidth;
        res = side;
        halfres = side >> 1;
        xcenter = screenWidth >> 1;
        hdcRes = {xcenter - halfres, 0, xcenter + halfres, res};
        VhdcRes = {0, 0, res, res};
    }
    const PARAM& preset() const { return c[static_cast<std::size_t>(ctype)]; }
};

}  // namespace trochograph
