#include "ai/expert_lookahead.h"

#include "ai/turn_sequence.h"
#include "game/decide.h"
#include "game/human_turn.h"
#include "game/rules.h"

namespace {

// Stars in play at most, and decisions per rollout turn at most.
constexpr int lookaheadStars = 64;
constexpr int rolloutDecisions = 400;

bool ownTurn(const GameState& s, int seat)
{
    return s.turnPlayer == seat &&
           (s.phase == GamePhase::HumanPlacement || s.phase == GamePhase::HumanAttack || s.phase == GamePhase::HumanTransfer);
}

// Income counts twice what an army does; out of the game is worst, the
// winner best.
double standing(const GameState& s, int seat)
{
    const Galaxy& g = s.galaxy;
    if (s.phase == GamePhase::Over) return s.winner == seat ? 1e6 : -1e6;
    if (!g.players[seat].alive) return -1e6;
    double own = 0.0, best = 0.0;
    for (int p = 0; p < g.playerCount; ++p) {
        if (!g.players[p].alive) continue;
        const double v = 2.0 * g.starIncomeOf(p) + g.armiesOf(p);
        if (p == seat)
            own = v;
        else if (v > best)
            best = v;
    }
    return own - best;
}

} // namespace

bool lookaheadFits(const GameState& state)
{
    const Galaxy& g = state.galaxy;
    int alive = 0, stars = 0;
    for (const Player& p : g.players) alive += p.alive ? 1 : 0;
    for (const Star& s : g.gameStars) stars += s.active ? 1 : 0;
    return alive == 2 && stars <= lookaheadStars;
}

uint32_t thinkingSeed(const GameState& state)
{
    // FNV-1a over the turn, the phase and every star's owner and armies.
    uint32_t h = 2166136261u;
    auto mix = [&](int v) {
        for (int k = 0; k < 4; ++k) {
            h ^= static_cast<uint32_t>(v >> (8 * k)) & 0xffu;
            h *= 16777619u;
        }
    };
    mix(state.galaxy.turn);
    mix(static_cast<int>(state.phase));
    mix(state.armiesToPlace);
    for (const Star& s : state.galaxy.gameStars) {
        mix(s.owner);
        mix(s.armies);
    }
    return h;
}

double lookaheadValue(const GameState& state, int seat, const Decision& first, uint32_t seed, int rollouts,
                      const ExpertStyle& style, ExpertRules rules)
{
    ExpertStyle plain = style;
    plain.lookahead = false;
    // The rules count changes for the autosave; thinking is no change.
    const unsigned changes = gameChanges;
    double total = 0.0;
    for (int k = 0; k < rollouts; ++k) {
        GameState s = state;
        s.journal.on = false;
        s.random.state = seed + static_cast<uint32_t>(k) * 7919u;
        applyDecision(s, first);
        for (int n = 0; n < rolloutDecisions && ownTurn(s, seat); ++n)
            if (!applyDecision(s, rules(s, seat, plain))) break;
        // The others, to this seat's next turn.
        for (int cycles = 0; cycles < 2 && s.phase != GamePhase::Over && !ownTurn(s, seat); ) {
            if (s.phase == GamePhase::TurnStart) {
                startTurnCycle(s);
                ++cycles;
            } else if (s.phase == GamePhase::ComputerTurns) {
                beginComputerTurns(s);
                while (s.phase == GamePhase::ComputerTurns) stepComputerTurns(s);
            } else {
                // Another deciding seat: it ends its turn at once here.
                if (!applyDecision(s, Decision{DecisionKind::EndTurn, s.turnPlayer})) break;
            }
        }
        total += standing(s, seat);
    }
    gameChanges = changes;
    return total;
}
