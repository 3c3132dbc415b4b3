#include "ai/net_steps.h"

#include "game/course.h"
#include "game/decide.h"
#include "game/human_turn.h"
#include "game/rules.h"

namespace {

void drain(GameState& state, const StepWatch& watch)
{
    for (const CourseEntry& e : drainJournal(state))
        if (watch.noted) watch.noted(e);
}

} // namespace

int waitingSeat(const GameState& state)
{
    const GamePhase p = state.phase;
    if (p != GamePhase::HumanPlacement && p != GamePhase::HumanAttack && p != GamePhase::HumanTransfer) return noOwner;
    return state.turnPlayer;
}

void playToDecision(GameState& state, int maxTurns, const StepWatch& watch)
{
    while (state.phase != GamePhase::Over && waitingSeat(state) == noOwner) {
        if (state.phase == GamePhase::TurnStart) {
            if (state.galaxy.turn >= maxTurns) return;
            startTurnCycle(state);
        } else if (state.phase == GamePhase::ComputerTurns) {
            beginComputerTurns(state);
            while (state.phase == GamePhase::ComputerTurns) {
                const AiStepReport r = stepComputerTurns(state);
                if (watch.stepped) watch.stepped(state.galaxy, r);
                drain(state, watch);
            }
        } else {
            return;
        }
        drain(state, watch);
    }
}

bool applyAndNote(GameState& state, const Decision& decision, const StepWatch& watch)
{
    if (!applyDecision(state, decision)) return false;
    drain(state, watch);
    return true;
}
