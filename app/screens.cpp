#include "app/screens.h"

#include "app/states.h"
#include "game/galaxy.h"

void registerAllStates()
{
    registerState("title", titleScreen);
}

bool gameInProgressForResume() { return gameGalaxy.gameInProgress != 0; }

void resetAllScreensForTests()
{
    resetTitleForTests();
    gameSpeed = 1;
    gameSpeedDelay = 50;
}
