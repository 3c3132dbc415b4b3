#include "app/start_up.h"

#include "app/recorder.h"
#include "app/registration.h"
#include "app/resources.h"
#include "engine/display.h"
#include "engine/main_loop.h"
#include "engine/platform/platform.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "screens/states.h"

static void openPlayAfterSetUp()
{
    recordNewGame();
    setState(State::openPlay);
}

void configureProgram()
{
    // The standard galaxy names are a fixed table of the model (galaxy_file.h).
    // The rules reseed from the clock after dealing, and start a game on the board.
    setTickSource(platformTickCount);
    setGameStartedHandler(openPlayAfterSetUp);
    configureEngine(windowIconId, "Halvane Daridove", true, true);
    initEngine("sounds.lst", "music.lst", appFrame);
    setBuiltinPictureSource(paintProgramPicture);
}
