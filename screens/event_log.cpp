#include "screens/event_log.h"
#include "game/seats.h"

#include <algorithm>
#include <cstdio>

#include "engine/draw_text.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "screens/core_texts.h"

bool eventLogOpen = false;

namespace {

// The L key's scan code.
constexpr int keyL = 0x26;
constexpr int lineHeight = 18;

std::string who(int p, int you)
{
    if (p == you && p != noOwner) return tr("you");
    return p >= 0 && p < maxPlayers ? tr(playerColourNames[p]) : "";
}

const char* starName(const Galaxy& g, int star)
{
    const std::string& kind = g.isGameStar(star) ? g.gameStars[star].kind : std::string();
    if (kind == goldenStarKind) return tr("a golden star");
    if (kind == darkStarKind) return tr("a dark star");
    return tr("a star");
}

} // namespace

std::vector<std::string> eventLogLines(const std::vector<GameEvent>& events, const Galaxy& galaxy, int you)
{
    std::vector<std::string> lines;
    char text[160];
    for (const GameEvent& e : events) {
        const std::string taker = who(e.taker, you);
        if (e.loser == noOwner)
            std::snprintf(text, sizeof text, tr("%s took %s"), taker.c_str(), starName(galaxy, e.star));
        else
            std::snprintf(text, sizeof text, tr("%s took %s from %s"), taker.c_str(), starName(galaxy, e.star),
                          who(e.loser, you).c_str());
        lines.push_back(text);
        if (!e.eliminated) continue;
        if (e.loser == you && you != noOwner)
            lines.push_back(tr("you were eliminated"));
        else {
            std::snprintf(text, sizeof text, tr("%s was eliminated"), who(e.loser, you).c_str());
            lines.push_back(text);
        }
    }
    return lines;
}

void drawEventLog(const std::vector<GameEvent>& events, const Galaxy& galaxy, int you, const char* title, int x,
                  int y, int w, int h)
{
    fillRect(x, y, w, h, 150, 150, 170);
    fillRect(x + 1, y + 1, w - 2, h - 2, 10, 12, 32);
    drawTextInBox(x + 10, y + 4, w - 20, 22, 255, 255, 255, title, true);
    std::vector<std::string> lines = eventLogLines(events, galaxy, you);
    if (lines.empty()) lines.push_back(tr("no star changed hands"));
    const int room = std::max((h - 34) / lineHeight, 1);
    const size_t first = lines.size() > static_cast<size_t>(room) ? lines.size() - room : 0;
    for (size_t i = first; i < lines.size(); ++i)
        drawTextCutToBox(x + 14, y + 30 + static_cast<int>(i - first) * lineHeight, w - 28, lineHeight - 2, 220, 220,
                         230, lines[i].c_str(), true);
}

void toggleEventLog(int) { eventLogOpen = !eventLogOpen; }

bool runEventLog()
{
    if (wasKeyPressed(keyL)) toggleEventLog(0);
    const bool escape = eventLogOpen && wasKeyPressed(keys::escape);
    if (escape) eventLogOpen = false;
    if (eventLogOpen) {
        // While the computer players play, what they did so far; else the
        // cycle that ended last.
        const bool running = gameState.phase == GamePhase::ComputerTurns;
        drawEventLog(running ? gameState.events : gameState.lastEvents, gameState.galaxy, soleHuman(gameState),
                     running ? tr("This turn cycle") : tr("Last turn cycle"), 150, 250, 500, 240);
    }
    return escape;
}

Button makeEventLogButton(int x, int y) { return Button(x, y, tr("Log"), toggleEventLog, "", passFrameValue); }
