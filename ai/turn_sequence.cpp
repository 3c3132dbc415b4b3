#include "ai/turn_sequence.h"

#include <string>

#include "ai/planning.h"
#include "base/random.h"
#include "game/course.h"
#include "game/end_on_points.h"
#include "game/rules.h"

namespace {

void nextPlayer(AiTurns& turns, const Galaxy& galaxy, AiStepReport& report)
{
    turns.currentPlayer += 1;
    if (turns.currentPlayer < galaxy.playerCount) {
        turns.phase = AiPhase::Place;
    } else if (endsOnPoints(galaxy)) {
        turns.phase = AiPhase::GameOver;
        turns.winner = report.winner = pointsLeader(galaxy);
        turns.wonOnPoints = report.wonOnPoints = true;
    } else {
        turns.phase = AiPhase::CycleDone;
    }
}

AiStepReport battleRound(AiTurns& turns, Galaxy& galaxy, AiStepReport report)
{
    report.from = turns.attackFrom;
    report.to = turns.attackTo;
    if (!galaxy.isGameStar(turns.attackTo) || !galaxy.isGameStar(turns.attackFrom) || turns.battleAttackers < 1) {
        turns.battleAttackers = 0;
        turns.phase = AiPhase::ChooseAttack;
        report.kind = AiStepKind::Repelled;
        return report;
    }
    Star& target = galaxy.gameStars[turns.attackTo];
    // The label shows the battle as it stands before the round, as on screen.
    target.label = std::to_string(target.armies + 1) + " v " + std::to_string(turns.battleAttackers);
    galaxy.battleRound(target.armies, turns.battleAttackers);
    report.attackers = turns.battleAttackers;
    report.defenders = target.armies + 1;
    if (target.armies <= -1) {
        const Conquest conquest = aiConquest(galaxy, turns.currentPlayer, turns.attackTo, turns.battleAttackers);
        noteConquest(galaxy);
        turns.battleAttackers = 0;
        computeStarValues(galaxy);
        if (target.value < 0.01) {
            // Deep inside the conqueror's own area the star is worth nothing:
            // its armies go back to where they came from.
            report.returnedArmies = target.armies;
            transferArmies(galaxy, turns.attackTo, turns.attackFrom, target.armies);
        }
        report.kind = AiStepKind::Conquered;
        report.previousOwner = conquest.previousOwner;
        report.eliminated = conquest.eliminated;
        report.defenders = target.armies + 1;
        if (conquest.winner != noOwner) {
            turns.winner = conquest.winner;
            report.winner = conquest.winner;
            turns.phase = AiPhase::GameOver;
        } else {
            turns.phase = AiPhase::ChooseAttack;
        }
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

}  // namespace

void beginAiTurns(AiTurns& turns, const Galaxy& galaxy, int firstPlayer)
{
    turns = AiTurns{};
    turns.currentPlayer = firstPlayer < 0 ? 0 : firstPlayer;
    turns.winner = soleSurvivor(galaxy);
    if (turns.winner != noOwner)
        turns.phase = AiPhase::GameOver;
    else
        turns.phase = turns.currentPlayer >= galaxy.playerCount ? AiPhase::CycleDone : AiPhase::Place;
}

AiStepReport stepAiTurns(AiTurns& turns, Galaxy& galaxy)
{
    AiStepReport report;
    report.player = turns.currentPlayer;
    report.winner = turns.winner;
    report.wonOnPoints = turns.wonOnPoints;
    switch (turns.phase) {
    case AiPhase::Place:
        galaxy.clearLabels();
        placeArmiesAI(galaxy, turns.currentPlayer);
        report.kind = AiStepKind::Placed;
        turns.phase = AiPhase::ChooseAttack;
        return report;
    case AiPhase::ChooseAttack: {
        galaxy.clearLabels();
        int from = noOwner, to = noOwner, armies = noOwner;
        chooseAttackAI(galaxy, turns.currentPlayer, from, to, armies);
        if (from == noOwner) {
            turns.attackFrom = turns.attackTo = noOwner;
            turns.battleAttackers = 0;
            report.kind = AiStepKind::TurnOver;
            nextPlayer(turns, galaxy, report);
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
        report.defenders = galaxy.isGameStar(to) ? galaxy.gameStars[to].armies + 1 : 0;
        return report;
    }
    case AiPhase::Battle:
        return battleRound(turns, galaxy, report);
    case AiPhase::CycleDone:
    case AiPhase::GameOver:
        break;
    }
    return report;
}

void beginComputerTurns(GameState& state)
{
    const int first = firstComputerPlayer();
    state.cycleStart =
        CycleStart{state.galaxy.gameStars, state.galaxy.players, randomState(), state.galaxy.lastConquestTurn};
    state.phase = GamePhase::ComputerTurns;
    ++gameChanges;
    beginAiTurns(state.computerTurns, state.galaxy, first);
    if (state.computerTurns.phase != AiPhase::GameOver) return;
    state.winner = state.computerTurns.winner;
    state.phase = GamePhase::Over;
    noteCycleEnd(state);
}

AiStepReport stepComputerTurns(GameState& state)
{
    const AiStepReport report = stepAiTurns(state.computerTurns, state.galaxy);
    if (report.kind == AiStepKind::Conquered) {
        recordConquest(state, Conquest{report.previousOwner, report.eliminated, report.winner});
    } else if (state.phase == GamePhase::ComputerTurns && report.wonOnPoints) {
        state.winner = report.winner;
        state.wonOnPoints = true;
        state.phase = GamePhase::Over;
        noteCycleEnd(state);
    } else if (state.phase == GamePhase::ComputerTurns && state.computerTurns.phase == AiPhase::CycleDone) {
        state.phase = GamePhase::TurnStart;
        noteCycleEnd(state);
    }
    return report;
}
