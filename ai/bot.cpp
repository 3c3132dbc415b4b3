#include "ai/bot.h"

#include <algorithm>

#include "ai/planning.h"
#include "base/random.h"
#include "game/decide.h"

namespace {

// The planner draws from the game's generator: a bot's thinking must not.
struct KeepGenerator {
    uint32_t kept = randomState();
    ~KeepGenerator() { seedRandom(kept); }
};

Decision placement(const GameState& state, int seat)
{
    Galaxy plan = state.galaxy;
    placeArmiesAI(plan, seat);
    Decision d{DecisionKind::Place, seat};
    // The star the planner adds most to; any own star when it adds to none.
    int most = 0;
    for (int s = 0; s < plan.slotCount() && s < static_cast<int>(state.galaxy.gameStars.size()); ++s) {
        const Star& now = state.galaxy.gameStars[s];
        if (!now.active || now.owner != seat) continue;
        const int added = plan.gameStars[s].armies - now.armies;
        if (d.star == noOwner || added > most) {
            d.star = s;
            most = added;
        }
    }
    d.armies = std::clamp(most, 1, std::max(1, state.armiesToPlace));
    return d;
}

Decision attack(const GameState& state, int seat)
{
    Galaxy plan = state.galaxy;
    int from = noOwner, to = noOwner, armies = 0;
    chooseAttackAI(plan, seat, from, to, armies);
    if (from == noOwner) return Decision{DecisionKind::EndTurn, seat};
    return Decision{DecisionKind::Attack, seat, from, to, armies};
}

// After a conquest the source keeps what it needs for its defence; the rest
// goes on, unless the conquered star is worth nothing to hold.
Decision transfer(const GameState& state, int seat)
{
    Galaxy plan = state.galaxy;
    computeStarValues(plan);
    computeDefenceNeeds(plan, seat);
    Decision d{DecisionKind::Transfer, seat};
    const int from = state.transferFrom, to = state.transferTo;
    if (!plan.isGameStar(from) || !plan.isGameStar(to) || plan.gameStars[to].value < 0.01) return d;
    const Star& source = plan.gameStars[from];
    d.armies = std::max(0, source.armies - truncToInt(source.need));
    return d;
}

} // namespace

Decision botDecision(const GameState& state, int seat)
{
    KeepGenerator keep;
    Decision d{DecisionKind::EndTurn, seat};
    switch (state.phase) {
    case GamePhase::HumanPlacement: d = placement(state, seat); break;
    case GamePhase::HumanAttack: d = attack(state, seat); break;
    case GamePhase::HumanTransfer: d = transfer(state, seat); break;
    default: break;
    }
    // A choice the rules would refuse ends the turn instead, so that a bot never stalls.
    if (!isLegal(state, d) && state.phase == GamePhase::HumanAttack) return Decision{DecisionKind::EndTurn, seat};
    return d;
}
