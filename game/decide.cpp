#include "game/decide.h"

#include <algorithm>
#include <climits>

#include "game/course.h"
#include "game/human_turn.h"
#include "game/seats.h"

namespace {

// The seat whose decisions the state takes now: the deciding seat whose turn it is.
bool turnOf(const GameState& state, int player)
{
    return player == state.turnPlayer && decidingSeat(state, player) && state.galaxy.isPlayer(player);
}

bool ownStar(const Galaxy& g, int star, int player) { return g.isGameStar(star) && g.gameStars[star].owner == player; }

} // namespace

bool isLegal(const GameState& state, const Decision& d)
{
    if (!turnOf(state, d.player)) return false;
    const Galaxy& g = state.galaxy;
    switch (d.kind) {
    case DecisionKind::Place:
        return state.phase == GamePhase::HumanPlacement && ownStar(g, d.star, d.player) && d.armies >= 1 &&
               state.armiesToPlace >= 1;
    case DecisionKind::Attack:
        return state.phase == GamePhase::HumanAttack && d.armies >= 1 && dropKind(g, d.player, d.star, d.target) == DropKind::Attack;
    case DecisionKind::Transfer:
        return state.phase == GamePhase::HumanTransfer && d.armies >= 0 && g.isGameStar(state.transferFrom) &&
               g.isGameStar(state.transferTo);
    case DecisionKind::Move:
        // A target that can take no more armies moves none, and the turn goes on.
        return state.phase == GamePhase::HumanAttack && d.armies >= 1 && dropKind(g, d.player, d.star, d.target) == DropKind::Move &&
               g.gameStars[d.target].armies < INT_MAX;
    case DecisionKind::EndTurn:
        return state.phase == GamePhase::HumanAttack;
    }
    return false;
}

bool applyDecision(GameState& state, const Decision& d)
{
    if (!isLegal(state, d)) return false;
    // Noted first, as carried out, so that a game it ends closes after it.
    Decision done = d;
    const Galaxy& g = state.galaxy;
    if (d.kind == DecisionKind::Place) done.armies = std::min(d.armies, state.armiesToPlace);
    if (d.kind == DecisionKind::Transfer)
        done.armies = std::max(0, std::min(d.armies, g.gameStars[state.transferFrom].armies));
    if (d.kind == DecisionKind::Move) done.armies = std::min(d.armies, g.gameStars[d.star].armies);
    noteDecision(state, done);
    switch (d.kind) {
    case DecisionKind::Place: placeArmies(state, d.star, d.armies); break;
    case DecisionKind::Attack: fightBattle(state, d.star, d.target, d.armies); break;
    case DecisionKind::Transfer: transferAfterConquest(state, d.armies); break;
    case DecisionKind::Move: moveAndEndTurn(state, d.star, d.target, d.armies); break;
    case DecisionKind::EndTurn: endHumanTurn(state); break;
    }
    return true;
}
