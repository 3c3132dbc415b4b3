// Players told apart under the three kinds of dichromacy: by colour where the
// simulated colours stay apart, else by the marks, which must differ as drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "game/galaxy.h"
#include "screens/marks.h"
#include "tests/app/test_support.h"

namespace {

using Vec = std::array<double, 3>;
using Matrix = std::array<Vec, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
const Matrix protanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                         {-0.003882, -0.048116, 1.051998}}};
const Matrix deuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                           {-0.011820, 0.042940, 0.968881}}};
const Matrix tritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
                         {0.004733, 0.691367, 0.303900}}};

double toLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

// CIE L*a*b* (D65) of a colour as seen through the matrix.
Vec seenLab(const Rgb& c, const Matrix& m)
{
    const Vec in{toLinear(c.r / 255.0), toLinear(c.g / 255.0), toLinear(c.b / 255.0)};
    Vec rgb{};
    for (int i = 0; i < 3; ++i)
        rgb[i] = std::clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2], 0.0, 1.0);
    const Vec xyz{(0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047,
                  0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2],
                  (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883};
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(xyz[1]) - 16, 500 * (f(xyz[0]) - f(xyz[1])), 200 * (f(xyz[1]) - f(xyz[2]))};
}

// Below this CIE76 distance two colours count as the same at a glance.
constexpr double sameColour = 20.0;
// Marks differ in at least this many pixels at board size.
constexpr int distinctPixels = 8;

} // namespace

TEST(Marks, EveryTwoPlayersDifferByColourOrByTheirMarksAsDrawnUnderEachDichromacy)
{
    openTestDisplay();
    std::array<std::vector<bool>, maxPlayers> drawn;
    for (int p = 0; p < maxPlayers; ++p) {
        clearBackBuffer(0);
        drawPlayerMark(p, 20, 20, boardMarkSize);
        for (int y = 19; y <= 20 + boardMarkSize; ++y)
            for (int x = 19; x <= 20 + boardMarkSize; ++x) drawn[p].push_back(pixelAt(x, y) == 0xFFFFFF);
        // The shape in white and nothing else: the rest is the black rim or untouched.
        const std::vector<bool> shape = markMask(p, boardMarkSize);
        const long white = std::count(shape.begin(), shape.end(), true);
        EXPECT_EQ(countPixels(0xFFFFFF), white);
        EXPECT_EQ(std::count(drawn[p].begin(), drawn[p].end(), true), white);
        EXPECT_GT(white, boardMarkSize * 2);
    }
    closeTestDisplay();
    auto marksDiffer = [&](int a, int b) {
        int n = 0;
        for (size_t i = 0; i < drawn[a].size(); ++i) n += drawn[a][i] != drawn[b][i];
        return n;
    };
    for (int a = 0; a < maxPlayers; ++a)
        for (int b = a + 1; b < maxPlayers; ++b) EXPECT_GE(marksDiffer(a, b), distinctPixels) << a << " " << b;
    for (const Matrix* m : {&protanopia, &deuteranopia, &tritanopia}) {
        for (int a = 0; a < maxPlayers; ++a) {
            for (int b = a + 1; b < maxPlayers; ++b) {
                const Vec la = seenLab(playerColours[a], *m), lb = seenLab(playerColours[b], *m);
                const double deltaE = std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
                const int differ = marksDiffer(a, b);
                EXPECT_TRUE(deltaE >= sameColour || differ >= distinctPixels)
                    << "players " << a << " and " << b << ": " << deltaE << ", marks differ by " << differ;
            }
        }
    }
}
