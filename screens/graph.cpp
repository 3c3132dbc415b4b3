#include "screens/graph.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/draw_text.h"
#include "engine/translate.h"
#include "screens/marks.h"

namespace {

// Room for the values left of the plot and the turns under it.
constexpr int valueRoom = 46;
constexpr int turnRoom = 20;
constexpr int labelSize = 13;
constexpr int ticks = 4;
// Fits, with its rim, into the room right of the plot.
constexpr int graphMarkSize = 7;

int figure(const TurnFigures& f, int p, GraphMeasure m)
{
    switch (m) {
    case GraphMeasure::Stars: return f.stars[p];
    case GraphMeasure::Income: return f.income[p];
    case GraphMeasure::Armies: return f.armies[p];
    }
    return 0;
}

// The smallest of 1, 2, 5 times a power of ten that is at least v.
int roundScale(int v)
{
    int step = 1;
    for (;;) {
        for (int k : {1, 2, 5})
            if (static_cast<long long>(k) * step >= v) return k * step;
        if (step > 100000000) return v;
        step *= 10;
    }
}

void label(int x, int y, int w, const std::string& text, bool leftAligned)
{
    drawTextInBox(x, y, w, labelSize + 3, 200, 200, 210, text.c_str(), leftAligned);
}

} // namespace

GraphMeasure nextGraphMeasure(GraphMeasure measure)
{
    switch (measure) {
    case GraphMeasure::Stars: return GraphMeasure::Income;
    case GraphMeasure::Income: return GraphMeasure::Armies;
    case GraphMeasure::Armies: break;
    }
    return GraphMeasure::Stars;
}

const char* graphMeasureName(GraphMeasure measure)
{
    switch (measure) {
    case GraphMeasure::Stars: return tr("stars");
    case GraphMeasure::Income: return tr("income");
    case GraphMeasure::Armies: return tr("armies");
    }
    return "";
}

void drawCourseGraph(const std::vector<TurnFigures>& history, int uptoTurn, GraphMeasure measure, int x, int y,
                     int w, int h)
{
    fillRect(x, y, w, h, 8, 10, 28);
    const size_t shown = static_cast<size_t>(
        std::upper_bound(history.begin(), history.end(), uptoTurn,
                         [](int turn, const TurnFigures& f) { return turn < f.turn; }) -
        history.begin());
    if (shown == 0) {
        drawTextInBox(x, y + h / 2 - 12, w, 24, 200, 200, 210, tr("no turn played yet"), false);
        return;
    }
    const int px = x + valueRoom, py = y + 6, pw = w - valueRoom - 10, ph = h - turnRoom - 10;
    if (pw < 10 || ph < 10) return;
    // The turns from the first cycle's start to the last shown; at least one.
    const int firstTurn = std::max(history[0].turn - 1, 0);
    const int lastTurn = std::max(history[shown - 1].turn, firstTurn + 1);
    int top = 1;
    for (size_t i = 0; i < shown; ++i)
        for (int p = 0; p < history[i].players; ++p) top = std::max(top, figure(history[i], p, measure));
    // Round steps on both axes, so that the numbers read easily.
    const int valueStep = roundScale((top + ticks - 1) / ticks);
    top = valueStep * ticks;
    const int turnStep = roundScale((lastTurn - firstTurn + ticks - 1) / ticks);
    const auto xOf = [&](int turn) {
        return px + static_cast<int>(static_cast<long long>(turn - firstTurn) * pw / (lastTurn - firstTurn));
    };
    const auto yOf = [&](int v) { return py + ph - static_cast<int>(static_cast<long long>(v) * ph / top); };

    // Grid and axes, with their numbers.
    for (int k = 0; k <= ticks; ++k) {
        const int v = valueStep * k;
        const int ly = yOf(v);
        drawLine(px, ly, px + pw, ly, k == 0 ? 150 : 45, k == 0 ? 150 : 45, k == 0 ? 160 : 70);
        label(x, ly - labelSize / 2 - 2, valueRoom - 6, std::to_string(v), false);
    }
    for (int t = firstTurn; t <= lastTurn; t = (t / turnStep + 1) * turnStep) {
        const int lx = xOf(t);
        drawLine(lx, py, lx, py + ph, t == firstTurn ? 150 : 45, t == firstTurn ? 150 : 45, t == firstTurn ? 160 : 70);
        label(lx - 30, py + ph + 3, 60, std::to_string(t), false);
    }
    label(px + 8, py + 2, pw / 2, graphMeasureName(measure), true);

    // A line per player, two pixels thick, up to the cycle it fell in; with
    // marks on, the player's mark where its line ends says whose it is.
    const int players = history[0].players;
    for (int p = 0; p < players && p < maxPlayers; ++p) {
        const Rgb c = playerColours[p];
        int lastX = xOf(firstTurn), lastY = yOf(figure(history[0], p, measure));
        for (size_t i = 0; i < shown; ++i) {
            const int nx = xOf(history[i].turn), ny = yOf(figure(history[i], p, measure));
            drawLine(lastX, lastY, nx, ny, c.r, c.g, c.b);
            drawLine(lastX, lastY - 1, nx, ny - 1, c.r, c.g, c.b);
            lastX = nx;
            lastY = ny;
            if (history[i].stars[p] == 0) break;
        }
        if (showMarks) drawPlayerMark(p, lastX + 2, lastY - graphMarkSize / 2, graphMarkSize);
    }
}
