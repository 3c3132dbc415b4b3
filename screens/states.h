#pragma once
// The application-state machine: named states, one current, its handler
// called once per frame; and the state-switching actions buttons use. It
// knows the handlers only by name; app/registration.cpp names them.
#include <map>
#include <string>
#include <vector>

#include "engine/main_loop.h"

struct StateRegistry {
    std::map<std::string, StateHandler> handlers;
    std::string currentName;
    StateHandler currentHandler = nullptr;
    bool firstFrame = true;
};

extern StateRegistry stateRegistry;
extern std::string menuReturnState;
extern std::string statsReturnState;

void registerState(const std::string& name, StateHandler handler);
// Takes effect from the next frame: the caller's handler runs on to its end.
void setState(const std::string& name);
std::string currentStateName();
void runCurrentState(int elapsedMs);
void resetStatesForTests();

// State-switching actions; the int is ignored.
void backFromAbout(int);
void backFromHelp(int);
void backFromGalaxySelection(int);
void backToEditing(int);
void menuFromGame(int);
void menuFromComputerTurn(int);
void menuFromWin(int);
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
