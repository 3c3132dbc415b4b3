#include "app/registration.h"

#include "app/autosave.h"
#include "screens/board.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/turn_driver.h"

void registerAllStates()
{
    registerState("title", titleScreen);
    registerState("menu", menuScreen);
    registerState("options", optionsScreen);
    registerState("help", helpScreen);
    registerState("about", aboutScreen);
    registerState("load", loadScreen);
    registerState("killed", killedScreen);
    registerState("win", winScreen);
    registerState("stats", statsScreen);
    registerState("startAI", startAIScreen);
    registerState("placeAI", placeAIScreen);
    registerState("attackAI", attackAIScreen);
    registerState("openPlay", openPlayScreen);
    registerState("play", playScreen);
    registerState("noSupport", noSupportScreen);
    registerState("placeHuman", placeHumanScreen);
    registerState("attackHuman", attackHumanScreen);
    registerState("fightHuman", fightHumanScreen);
    registerState("transferToConquered", transferToConqueredScreen);
    registerState("moveHuman", moveHumanScreen);
    registerState("openEditor", openEditorScreen);
    registerState("editor", editorScreen);
    registerState("confirm", confirmScreen);
    registerState("resume", resumeSavedGameScreen);
}

void appFrame(int elapsedMs)
{
    if (stateRegistry.firstFrame) {
        stateRegistry.firstFrame = false;
        registerAllStates();
        setState("title");
        // A game saved by an earlier run is there to resume, as one left by the menu would be.
        if (loadSavedGame() == SaveAtStart::Resumed) menuReturnState = "resume";
    }
    runCurrentState(elapsedMs);
    autosaveAfterFrame();
}

void resetAllScreensForTests()
{
    resetTitleForTests();
    resetEndScreensForTests();
    resetTurnDriverForTests();
    resetBoardForTests();
    resetMenusForTests();
    resetHelpAndAboutForTests();
    resetSelectionForTests();
    resetEditorScreensForTests();
    resetAutosaveForTests();
}
