#include "game/course.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "game/rules.h"
#include "game/save_file.h"
#include "game/seats.h"

namespace {

// Lines of the saved-game text that the screens alone change, the galaxy's
// name (a recording keeps it on one line), the sum, and the course so far
// (figures and conquests: they follow from the rest, and recordings made
// before they were saved keep their hashes).
bool screenOnly(std::string_view line)
{
    for (std::string_view word : {"selectedStar ", "gameInProgress ", "unannounced ", "name ", "sum ", "history ",
                                   "figures ", "events ", "event "})
        if (line.starts_with(word)) return true;
    return false;
}

// The state as the second save format wrote it, so that games recorded
// before there were seats keep their hashes: its format line, and "demo"
// for the seats it could hold (a human at player 0, or none). Other seats
// are hashed as written; the turn player, set again at every turn's start,
// is not.
std::string_view asVersion2(std::string_view line, const GameState& state)
{
    if (line.starts_with("zentory save ")) return "zentory save 2\n";
    if (line.starts_with("seats ")) {
        if (state.seats == defaultSeats(state.galaxy.playerCount, true)) return "demo 1\n";
        if (state.seats == defaultSeats(state.galaxy.playerCount, false)) return "demo 0\n";
    }
    if (line.starts_with("turnPlayer ")) return {};
    return line;
}

} // namespace

uint64_t stateHash(const GameState& state)
{
    const std::string text = saveText(state);
    uint64_t h = 14695981039346656037ull;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string_view line = asVersion2(std::string_view(text.data() + at, end - at), state);
        if (!screenOnly(line))
            for (unsigned char c : line) h = (h ^ c) * 1099511628211ull;
        at = end;
    }
    return h;
}

std::string hashText(uint64_t hash)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

void noteDecision(GameState& state, const Decision& decision)
{
    if (!state.journal.on) return;
    CourseEntry e;
    e.turn = state.galaxy.turn;
    e.decision = decision;
    state.journal.entries.push_back(std::move(e));
}

CourseEntry cycleFigures(const GameState& state)
{
    const Galaxy& g = state.galaxy;
    CourseEntry e;
    e.turn = g.turn;
    e.cycleEnd = true;
    e.hash = stateHash(state);
    for (int p = 0; p < g.playerCount; ++p) {
        e.stars.push_back(g.starCount(p));
        e.income.push_back(income(state, p));
        e.armies.push_back(g.armiesOf(p));
    }
    if (state.phase == GamePhase::Over) {
        e.winner = state.winner;
        e.onPoints = state.wonOnPoints;
    }
    return e;
}

TurnFigures turnFigures(const GameState& state)
{
    const Galaxy& g = state.galaxy;
    TurnFigures f;
    f.turn = g.turn;
    f.players = std::clamp(g.playerCount, 0, maxPlayers);
    for (int p = 0; p < f.players; ++p) {
        f.stars[p] = g.starCount(p);
        f.income[p] = income(state, p);
        f.armies[p] = g.armiesOf(p);
    }
    return f;
}

void noteCycleEnd(GameState& state)
{
    if (state.history.size() < maxHistory) state.history.push_back(turnFigures(state));
    state.lastEvents = std::move(state.events);
    state.events.clear();
    if (state.journal.on) state.journal.entries.push_back(cycleFigures(state));
}

std::vector<CourseEntry> drainJournal(GameState& state)
{
    std::vector<CourseEntry> out;
    out.swap(state.journal.entries);
    return out;
}

void recordConquest(GameState& state, const Conquest& conquest)
{
    ++gameChanges;
    if (conquest.star != noOwner)
        state.events.push_back(
            {state.galaxy.turn, conquest.taker, conquest.star, conquest.previousOwner, conquest.eliminated});
    if (conquest.eliminated) state.unannounced.push_back(conquest.previousOwner);
    if (conquest.winner == noOwner) return;
    state.winner = conquest.winner;
    state.phase = GamePhase::Over;
    noteCycleEnd(state);
}
