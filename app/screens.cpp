#include "app/screens.h"

#include "app/states.h"
#include "game/galaxy.h"
#include "screens/board.h"

void registerAllStates()
{
    registerState("title", titleScreen);
    registerState("openPlay", openPlayScreen);
    registerState("play", playScreen);
    registerState("noSupport", noSupportScreen);
    registerState("placeHuman", placeHumanScreen);
    registerState("attackHuman", attackHumanScreen);
}

bool gameInProgressForResume() { return gameGalaxy.gameInProgress != 0; }

void resetAllScreensForTests()
{
    resetTitleForTests();
    resetBoardForTests();
    gameSpeed = 1;
    gameSpeedDelay = 50;
}
