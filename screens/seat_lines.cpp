#include "screens/seat_lines.h"

#include <algorithm>
#include <array>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/seats.h"
#include "screens/marks.h"

namespace {

// The words of seatWord, for xgettext.
[[maybe_unused]] const char* const seatTexts[] = {N_("human"), N_("computer"), N_("expert")};

// Between the standard galaxies and the file rows, under the preview: room
// for eight lines, and for a fourth kind of seat in the word's box.
constexpr int lineX = 238, lineY = 262, lineWidth = 232, lineHeight = 26;
constexpr int wordX = lineX + 110, wordWidth = lineWidth - 110;

std::array<Seat, maxPlayers> defaultLines()
{
    std::array<Seat, maxPlayers> lines;
    lines.fill(Seat::Computer);
    lines[0] = Seat::Human;
    return lines;
}

std::array<Seat, maxPlayers> lines = defaultLines();

Seat nextSeat(Seat seat)
{
    switch (seat) {
    case Seat::Human: return Seat::Computer;
    case Seat::Computer: return Seat::Expert;
    case Seat::Expert: break;
    }
    return Seat::Human;
}

} // namespace

std::vector<Seat> chosenSeats(int players)
{
    const int n = std::clamp(players, 0, maxPlayers);
    return std::vector<Seat>(lines.begin(), lines.begin() + n);
}

void rememberSeats(const std::vector<Seat>& seats)
{
    for (size_t p = 0; p < seats.size() && p < lines.size(); ++p) lines[p] = seats[p];
}

void runSeatLines(int players, bool clickable)
{
    const int mx = static_cast<int>(mouseX()), my = static_cast<int>(mouseY());
    for (int p = 0; p < std::clamp(players, 0, maxPlayers); ++p) {
        const int y = lineY + lineHeight * p;
        const bool over = clickable && mx >= lineX && mx < lineX + lineWidth && my >= y && my < y + lineHeight - 2;
        if (over && leftButtonPressed()) lines[p] = nextSeat(lines[p]);
        const Rgb c = playerColours[p];
        const int markRoom = showMarks ? 16 : 0;
        if (showMarks) drawPlayerMark(p, lineX + 2, y + 7, 11);
        drawTextInBox(lineX + markRoom, y, wordX - lineX - markRoom - 4, lineHeight - 2, c.r, c.g, c.b,
                      tr(playerColourNames[p]), true);
        fillRect(wordX, y + 1, wordWidth, lineHeight - 4, 30, 40, 90);
        if (over) tintRect(wordX, y + 1, wordWidth, lineHeight - 4, 60, 60, 60);
        drawTextInBox(wordX, y + 1, wordWidth, lineHeight - 4, 255, 255, 255, tr(seatWord(lines[p])), false);
    }
}

void resetSeatLinesForTests() { lines = defaultLines(); }
