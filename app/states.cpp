#include "app/states.h"

#include "game/galaxy.h"
#include "game/human_turn.h"

StateRegistry stateRegistry;
std::string menuReturnState;
std::string statsReturnState;

void registerState(const std::string& name, StateHandler handler)
{
    stateRegistry.handlers.emplace(name, handler);
}

void setState(const std::string& name)
{
    auto it = stateRegistry.handlers.find(name);
    if (it == stateRegistry.handlers.end()) return;
    stateRegistry.currentHandler = it->second;
    stateRegistry.currentName = name;
}

std::string currentStateName() { return stateRegistry.currentName; }

void runCurrentState(int elapsedMs)
{
    if (stateRegistry.currentHandler) stateRegistry.currentHandler(elapsedMs);
}

void resetStatesForTests()
{
    stateRegistry = StateRegistry{};
    menuReturnState.clear();
    statsReturnState.clear();
}

static void remember(std::string& slot, const char* target)
{
    slot = currentStateName();
    setState(target);
}

void backFromAbout(int) { setState("menu"); }
void backFromHelp(int) { setState("menu"); }
void backFromGalaxySelection(int) { setState("menu"); }
void backToEditing(int) { setState("editor"); }
void menuFromGame(int) { remember(menuReturnState, "menu"); }
void menuFromComputerTurn(int) { remember(menuReturnState, "menu"); }
void menuFromWin(int) { remember(menuReturnState, "menu"); }
void showStatistics(int) { remember(statsReturnState, "stats"); }
void nextTurn(int)
{
    endHumanTurn(gameState);
    setState("startAI");
}
void goOnAttacking(int) { setState("attackHuman"); }
void openEditorAction(int) { setState("openEditor"); }
void optionsAction(int) { setState("options"); }
void helpAction(int) { setState("help"); }
void aboutAction(int) { setState("about"); }
void quitAction(int) { quitApplication(); }
void backFromOptions(int) { setState("menu"); }
void resumeGame(int)
{
    if (gameInProgress(gameState)) setState(menuReturnState);
}
void continueAfterStatistics(int) { setState(statsReturnState); }
