#include "ai/turn_sequence.h"

#include <algorithm>
#include <string>

#include "ai/planning.h"
#include "base/random.h"
#include "game/course.h"
#include "game/end_on_points.h"
#include "game/human_turn.h"
#include "game/rules.h"
#include "game/seats.h"

namespace {

// The walk on from turns.currentPlayer (included): a computer seat places
// next, a deciding seat that plays in this cycle begins its turn (the phase
// leaves ComputerTurns), and past the last player the cycle ends, or the
// game on points.
void walkOn(GameState& state, AiStepReport& report)
{
    AiTurns& turns = state.computerTurns;
    for (; turns.currentPlayer < state.galaxy.playerCount; ++turns.currentPlayer) {
        const int p = turns.currentPlayer;
        if (!decidingSeat(state, p)) {
            turns.phase = AiPhase::Place;
            return;
        }
        if (takesDecisionTurn(state, p)) {
            turns.phase = AiPhase::CycleDone;
            beginDecisionTurn(state, p);
            return;
        }
    }
    if (endsOnPoints(state)) {
        turns.phase = AiPhase::GameOver;
        state.winner = report.winner = pointsLeader(state);
        state.wonOnPoints = report.wonOnPoints = true;
        state.phase = GamePhase::Over;
        noteCycleEnd(state);
    } else {
        turns.phase = AiPhase::CycleDone;
        state.phase = GamePhase::TurnStart;
        noteCycleEnd(state);
    }
}

void nextPlayer(GameState& state, AiStepReport& report)
{
    state.computerTurns.currentPlayer += 1;
    walkOn(state, report);
}

AiStepReport battleRound(GameState& state, AiStepReport report)
{
    AiTurns& turns = state.computerTurns;
    Galaxy& galaxy = state.galaxy;
    report.from = turns.attackFrom;
    report.to = turns.attackTo;
    if (!galaxy.isGameStar(turns.attackTo) || !galaxy.isGameStar(turns.attackFrom) || turns.battleAttackers < 1) {
        turns.battleAttackers = 0;
        turns.phase = AiPhase::ChooseAttack;
        report.kind = AiStepKind::Repelled;
        return report;
    }
    Star& target = galaxy.gameStars[turns.attackTo];
    battleRound(state.random, target.armies, turns.battleAttackers);
    report.attackers = turns.battleAttackers;
    report.defenders = target.armies + 1;
    if (target.armies <= -1) {
        const Conquest conquest = aiConquest(galaxy, turns.currentPlayer, turns.attackTo, turns.battleAttackers);
        noteConquest(galaxy);
        turns.battleAttackers = 0;
        computeStarValues(state);
        if (state.ai.value[turns.attackTo] < 0.01) {
            // Deep inside the conqueror's own area the star is worth nothing:
            // its armies go back to where they came from.
            report.returnedArmies = target.armies;
            transferArmies(galaxy, turns.attackTo, turns.attackFrom, target.armies);
        }
        report.kind = AiStepKind::Conquered;
        report.previousOwner = conquest.previousOwner;
        report.eliminated = conquest.eliminated;
        report.defenders = target.armies + 1;
        report.winner = conquest.winner;
        turns.phase = conquest.winner != noOwner ? AiPhase::GameOver : AiPhase::ChooseAttack;
        recordConquest(state, conquest);
        return report;
    }
    if (turns.battleAttackers <= 0) {
        turns.battleAttackers = 0;
        turns.phase = AiPhase::ChooseAttack;
        report.kind = AiStepKind::Repelled;
        return report;
    }
    report.kind = AiStepKind::BattleRound;
    return report;
}

AiStepReport chooseAttack(GameState& state, AiStepReport report)
{
    AiTurns& turns = state.computerTurns;
    turns.labels.clear();
    int from = noOwner, to = noOwner, armies = noOwner;
    chooseAttackAI(state, turns.currentPlayer, from, to, armies);
    if (from == noOwner) {
        turns.attackFrom = turns.attackTo = noOwner;
        turns.battleAttackers = 0;
        report.kind = AiStepKind::TurnOver;
        nextPlayer(state, report);
        return report;
    }
    turns.attackFrom = from;
    turns.attackTo = to;
    turns.battleAttackers = armies;
    turns.phase = AiPhase::Battle;
    report.kind = AiStepKind::AttackChosen;
    report.from = from;
    report.to = to;
    report.attackers = armies;
    report.defenders = state.galaxy.isGameStar(to) ? state.galaxy.gameStars[to].armies + 1 : 0;
    return report;
}

}  // namespace

void beginComputerTurns(GameState& state)
{
    const Galaxy& galaxy = state.galaxy;
    state.cycleStart = CycleStart{galaxy.gameStars, galaxy.players, state.random.state, galaxy.lastConquestTurn,
                                  state.ai.need,    state.ai.value,  state.events.size()};
    state.phase = GamePhase::ComputerTurns;
    ++gameChanges;
    AiTurns& turns = state.computerTurns;
    turns = AiTurns{};
    turns.currentPlayer = state.turnPlayer == noOwner ? 0 : state.turnPlayer + 1;
    const int survivor = soleSurvivor(galaxy);
    if (survivor != noOwner) {
        turns.phase = AiPhase::GameOver;
        state.winner = survivor;
        state.phase = GamePhase::Over;
        noteCycleEnd(state);
        return;
    }
    AiStepReport report;
    walkOn(state, report);
}

AiStepReport stepComputerTurns(GameState& state)
{
    AiTurns& turns = state.computerTurns;
    AiStepReport report;
    report.player = turns.currentPlayer;
    report.winner = state.winner;
    report.wonOnPoints = state.wonOnPoints;
    switch (turns.phase) {
    case AiPhase::Place:
        turns.labels.clear();
        placeArmiesAI(state, turns.currentPlayer);
        report.kind = AiStepKind::Placed;
        turns.phase = AiPhase::ChooseAttack;
        return report;
    case AiPhase::ChooseAttack: return chooseAttack(state, report);
    case AiPhase::Battle: return battleRound(state, report);
    case AiPhase::CycleDone:
    case AiPhase::GameOver: break;
    }
    return report;
}

std::string battleLabel(const GameState& state)
{
    const AiTurns& turns = state.computerTurns;
    if (turns.battleAttackers < 1 || !state.galaxy.isGameStar(turns.attackTo)) return {};
    return std::to_string(state.galaxy.gameStars[turns.attackTo].armies + 1) + " v " +
           std::to_string(turns.battleAttackers);
}
