#pragma once
// The application-state machine: one current state, its handler called once
// per frame; and the state-switching actions buttons use. It knows the
// handlers only through the table app/registration.cpp fills.
#include <array>

#include "engine/main_loop.h"

struct GameState;

// Every screen of the program. `none` is no screen: the state before the
// first setState, and a return slot that holds nothing.
enum class State {
    none,
    title,
    menu,
    options,
    help,
    about,
    load,
    openEditor,
    editor,
    confirm,
    openPlay,
    play,
    noSupport,
    placeHuman,
    attackHuman,
    fightHuman,
    transferToConquered,
    moveHuman,
    startAI,
    placeAI,
    attackAI,
    seatTurn,    // a deciding seat's turn begins: the banner, the board or the expert
    seatBanner,  // "red: your turn", before a human's turn when several play
    expertTurn,  // the expert's decisions, paced like the computer players' steps
    killed,
    win,
    stats,
    resume,  // a game read from the save, opened on the screen of its phase
    replays,     // the list of recorded games
    replayView,  // a recorded game played back
    lobby,       // the host of a network game waits for its players
    join,        // joining a network game
};
inline constexpr int stateCount = static_cast<int>(State::join) + 1;

struct StateRegistry {
    std::array<StateHandler, stateCount> handlers{};
    State current = State::none;
    bool firstFrame = true;
};

extern StateRegistry stateRegistry;
extern State menuReturnState;
extern State statsReturnState;

// The first registration of a state stays.
void registerState(State state, StateHandler handler);
// Takes effect from the next frame: the caller's handler runs on to its end.
// A state without a handler (`none`) changes nothing.
void setState(State state);
State currentState();
void runCurrentState(int elapsedMs);
void resetStatesForTests();

// The board screen that shows the game in its phase: the one mapping from
// the game's phase to a screen, for the board, the resume and the computer
// turns alike. An expert's turn is its own screen.
State boardStateFor(const GameState& game);
// Where the game goes on once computer turns have stepped it: a deciding
// seat's turn begins (seatTurn), else the screen of its phase.
State stateAfterComputerTurns(const GameState& game);

// State-switching actions; the int is ignored.
void backFromAbout(int);
void backFromHelp(int);
void backFromGalaxySelection(int);
void menuFromGame(int);
void menuFromComputerTurn(int);
void showStatistics(int);
void nextTurn(int);
void goOnAttacking(int);
void openEditorAction(int);
void optionsAction(int);
void helpAction(int);
void aboutAction(int);
void quitAction(int);
void backFromOptions(int);
void resumeGame(int);
void continueAfterStatistics(int);
