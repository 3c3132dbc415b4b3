#include "ai/bot.h"

#include <algorithm>

#include "ai/planning.h"
#include "game/decide.h"

namespace {

Decision placement(const GameState& state, int seat)
{
    // The planner works on a copy of the game, its generator included: a
    // bot's thinking draws nothing from the game's.
    GameState plan = state;
    placeArmiesAI(plan, seat);
    Decision d{DecisionKind::Place, seat};
    // The star the planner adds most to; any own star when it adds to none.
    int most = 0;
    for (int s = 0; s < plan.galaxy.slotCount() && s < static_cast<int>(state.galaxy.gameStars.size()); ++s) {
        const Star& now = state.galaxy.gameStars[s];
        if (!now.active || now.owner != seat) continue;
        const int added = plan.galaxy.gameStars[s].armies - now.armies;
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
    GameState plan = state;
    int from = noOwner, to = noOwner, armies = 0;
    chooseAttackAI(plan, seat, from, to, armies);
    if (from == noOwner) return Decision{DecisionKind::EndTurn, seat};
    return Decision{DecisionKind::Attack, seat, from, to, armies};
}

// After a conquest the source keeps what it needs for its defence; the rest
// goes on, unless the conquered star is worth nothing to hold.
Decision transfer(const GameState& state, int seat)
{
    GameState plan = state;
    computeStarValues(plan);
    computeDefenceNeeds(plan, seat);
    Decision d{DecisionKind::Transfer, seat};
    const int from = state.transferFrom, to = state.transferTo;
    const Galaxy& g = plan.galaxy;
    if (!g.isGameStar(from) || !g.isGameStar(to) || plan.ai.value[to] < 0.01) return d;
    d.armies = std::max(0, g.gameStars[from].armies - truncToInt(plan.ai.need[from]));
    return d;
}

} // namespace

Decision botDecision(const GameState& state, int seat)
{
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
