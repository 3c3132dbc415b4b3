#include "game/human_turn.h"

#include <algorithm>

#include "game/course.h"
#include "game/rules.h"

namespace {

bool ownedBy(const Galaxy& galaxy, int player, int star)
{
    return player != noOwner && galaxy.isGameStar(star) && galaxy.gameStars[star].owner == player;
}

} // namespace

void startTurnCycle(GameState& state)
{
    beginTurnCycle(state.galaxy);
    ++gameChanges;
    state.transferFrom = state.transferTo = noOwner;
    state.turnPlayer = noOwner;
    state.armiesToPlace = 0;
    if (takesDecisionTurn(state, 0))
        beginDecisionTurn(state, 0);
    else
        state.phase = GamePhase::ComputerTurns;
}

void beginDecisionTurn(GameState& state, int p)
{
    state.turnPlayer = p;
    state.transferFrom = state.transferTo = noOwner;
    state.armiesToPlace = placementAllowance(state, p);
    state.phase = state.armiesToPlace > 0 ? GamePhase::HumanPlacement : GamePhase::HumanAttack;
}

int placeArmies(GameState& state, int star, int step)
{
    if (state.phase != GamePhase::HumanPlacement || !ownedBy(state.galaxy, state.turnPlayer, star)) return 0;
    const int placed = std::min(step, state.armiesToPlace);
    if (placed <= 0) return 0;
    state.galaxy.gameStars[star].armies += placed;
    state.armiesToPlace -= placed;
    ++gameChanges;
    if (state.armiesToPlace < 1) state.phase = GamePhase::HumanAttack;
    return placed;
}

bool canDragFrom(const Galaxy& galaxy, int player, int star)
{
    return ownedBy(galaxy, player, star) && galaxy.gameStars[star].armies > 0;
}

DropKind dropKind(const Galaxy& galaxy, int player, int from, int to)
{
    if (!canDragFrom(galaxy, player, from) || !galaxy.isGameStar(to) || to == from || !galaxy.isLinked(to, from))
        return DropKind::Nothing;
    return galaxy.gameStars[to].owner == player ? DropKind::Move : DropKind::Attack;
}

BattleOutcome fightBattle(GameState& state, int from, int to, int readyToLose)
{
    Galaxy& g = state.galaxy;
    if (readyToLose <= 0 || state.phase != GamePhase::HumanAttack || dropKind(g, state.turnPlayer, from, to) != DropKind::Attack)
        return BattleOutcome::Cancelled;
    ++gameChanges;
    if (!humanBattle(g, state.random, from, to, readyToLose))
        return g.gameStars[from].armies > 0 ? BattleOutcome::Held : BattleOutcome::SourceEmptied;
    const Conquest conquest = humanConquest(g, from, to);
    if (g.gameStars[from].armies > 0) {
        state.phase = GamePhase::HumanTransfer;
        state.transferFrom = from;
        state.transferTo = to;
    }
    recordConquest(state, conquest);
    return BattleOutcome::Conquered;
}

int transferAfterConquest(GameState& state, int m)
{
    if (state.phase != GamePhase::HumanTransfer) return 0;
    const int moved = transferArmies(state.galaxy, state.transferFrom, state.transferTo, m);
    state.transferFrom = state.transferTo = noOwner;
    state.phase = GamePhase::HumanAttack;
    ++gameChanges;
    return moved;
}

bool moveAndEndTurn(GameState& state, int from, int to, int m)
{
    if (state.phase != GamePhase::HumanAttack || dropKind(state.galaxy, state.turnPlayer, from, to) != DropKind::Move)
        return false;
    if (transferArmies(state.galaxy, from, to, m) == 0) return false;
    endHumanTurn(state);
    return true;
}

void endHumanTurn(GameState& state)
{
    state.transferFrom = state.transferTo = noOwner;
    state.phase = GamePhase::ComputerTurns;
    ++gameChanges;
}
