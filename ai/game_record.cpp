#include "ai/game_record.h"

#include "game/seats.h"

#include <string>
#include <vector>

#include "ai/turn_sequence.h"
#include "game/rules.h"

namespace {

struct Written {
    int owner;
    int armies;
    bool operator==(const Written&) const = default;
};

// Adds " slot:owner/armies" for every active star that differs from what was
// last written, and remembers the new values.
void writeStars(std::string& out, const Galaxy& g, std::vector<Written>& last)
{
    out += '=';
    for (size_t i = 0; i < g.gameStars.size(); ++i) {
        const Star& s = g.gameStars[i];
        const Written now{s.owner, s.armies};
        if (!s.active || last[i] == now) continue;
        last[i] = now;
        out += ' ' + std::to_string(i) + ':' + std::to_string(s.owner) + '/' + std::to_string(s.armies);
    }
    out += '\n';
}

void writeEvent(std::string& out, const AiStepReport& r)
{
    const char* what = nullptr;
    switch (r.kind) {
    case AiStepKind::Placed: out += std::to_string(r.player) + " place\n"; return;
    case AiStepKind::Conquered: what = " conquered "; break;
    case AiStepKind::Repelled: what = " repelled "; break;
    default: return;
    }
    out += std::to_string(r.player) + what + std::to_string(r.from) + "->" + std::to_string(r.to) + '\n';
}

void recordGame(std::string& out, const Galaxy& loaded, unsigned seed, int maxTurns)
{
    out += "game " + std::to_string(seed) + '\n';
    std::vector<Written> last;
    DemoGameObserver observer;
    observer.dealt = [&](const Galaxy& g) {
        // No star holds noOwner with armies -1, so the first line lists them all.
        last.assign(g.gameStars.size(), Written{noOwner, -1});
        writeStars(out, g, last);
    };
    observer.cycleBegun = [&](const Galaxy& g) { out += "turn " + std::to_string(g.turn) + '\n'; };
    observer.stepped = [&](const Galaxy&, const AiStepReport& r) { writeEvent(out, r); };
    observer.cycleEnded = [&](const Galaxy& g) { writeStars(out, g, last); };
    GameState state;
    const int winner = playDemoGame(state, loaded, seed, maxTurns, observer);
    out += "end turn " + std::to_string(state.galaxy.turn) + " winner " + std::to_string(winner) + " random " +
           std::to_string(state.random.state) + '\n';
}

} // namespace

int playDemoGame(GameState& state, const Galaxy& loaded, unsigned seed, int maxTurns, const DemoGameObserver& observer)
{
    state.galaxy = loaded;
    state.galaxy.prepareGameStars();
    setUpGame(state.galaxy, state.random, static_cast<int>(seed));
    state.random.state = seed;
    state.seats = defaultSeats(state.galaxy.playerCount, true);
    beginGame(state);
    if (observer.dealt) observer.dealt(state.galaxy);
    return continueDemoGame(state, maxTurns, observer, false);
}

int continueDemoGame(GameState& state, int maxTurns, const DemoGameObserver& observer, bool counted)
{
    const Galaxy& g = state.galaxy;
    while ((counted ? g.turn <= maxTurns : g.turn < maxTurns) && state.phase != GamePhase::Over) {
        if (!counted) beginTurnCycle(state.galaxy);
        counted = false;
        if (observer.cycleBegun) observer.cycleBegun(g);
        beginComputerTurns(state);
        const AiTurns& turns = state.computerTurns;
        while (turns.phase != AiPhase::CycleDone && turns.phase != AiPhase::GameOver) {
            const AiStepReport r = stepComputerTurns(state);
            if (observer.stepped) observer.stepped(g, r);
        }
        // Nobody watches to be told of a fall.
        state.unannounced.clear();
        if (observer.cycleEnded) observer.cycleEnded(g);
    }
    return state.phase == GamePhase::Over ? state.winner : noOwner;
}

std::string recordDemoGames(const Galaxy& loaded, unsigned firstSeed, int games, int maxTurns)
{
    std::string out;
    for (int k = 0; k < games; ++k) recordGame(out, loaded, firstSeed + static_cast<unsigned>(k), maxTurns);
    return out;
}
