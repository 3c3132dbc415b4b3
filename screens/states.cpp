#include "screens/states.h"

#include "game/galaxy.h"
#include "game/game_state.h"
#include "game/decide.h"
#include "game/seats.h"

StateRegistry stateRegistry;
State menuReturnState = State::none;
State statsReturnState = State::none;

namespace {

StateHandler& handlerOf(State state) { return stateRegistry.handlers[static_cast<size_t>(state)]; }

void remember(State& slot, State target)
{
    slot = currentState();
    setState(target);
}

} // namespace

void registerState(State state, StateHandler handler)
{
    if (!handlerOf(state)) handlerOf(state) = handler;
}

void setState(State state)
{
    if (handlerOf(state)) stateRegistry.current = state;
}

State currentState() { return stateRegistry.current; }

void runCurrentState(int elapsedMs)
{
    if (const StateHandler handler = handlerOf(stateRegistry.current)) handler(elapsedMs);
}

void resetStatesForTests()
{
    stateRegistry = StateRegistry{};
    menuReturnState = statsReturnState = State::none;
}

State boardStateFor(const GameState& game)
{
    const bool expert = seatOf(game, game.turnPlayer) == Seat::Expert;
    switch (game.phase) {
    case GamePhase::HumanPlacement: return expert ? State::expertTurn : State::placeHuman;
    case GamePhase::HumanAttack: return expert ? State::expertTurn : State::attackHuman;
    case GamePhase::HumanTransfer: return expert ? State::expertTurn : State::transferToConquered;
    // A cycle of computer turns begins again from its start.
    case GamePhase::ComputerTurns: return State::startAI;
    case GamePhase::Over: return State::win;
    case GamePhase::None:
    case GamePhase::TurnStart: break;
    }
    return State::play;
}

State stateAfterComputerTurns(const GameState& game)
{
    const bool turnBegins = game.phase == GamePhase::HumanPlacement || game.phase == GamePhase::HumanAttack;
    return turnBegins ? State::seatTurn : boardStateFor(game);
}

void backFromAbout(int) { setState(State::menu); }
void backFromHelp(int) { setState(State::menu); }
void backFromGalaxySelection(int) { setState(State::menu); }
void menuFromGame(int) { remember(menuReturnState, State::menu); }
void menuFromComputerTurn(int) { remember(menuReturnState, State::menu); }
void showStatistics(int) { remember(statsReturnState, State::stats); }
void goOnAttacking(int) { setState(State::attackHuman); }
void openEditorAction(int) { setState(State::openEditor); }
void optionsAction(int) { setState(State::options); }
void helpAction(int) { setState(State::help); }
void aboutAction(int) { setState(State::about); }
void quitAction(int) { quitApplication(); }
void backFromOptions(int) { setState(State::menu); }
void resumeGame(int)
{
    // A decided game is over for good: nothing to go back to.
    if (gameInProgress(gameState)) setState(menuReturnState);
}
void continueAfterStatistics(int) { setState(statsReturnState); }
