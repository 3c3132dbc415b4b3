#include "app/registration.h"

#include <optional>
#include <string>

#include "app/autosave.h"
#include "app/recorder.h"
#include "screens/board.h"
#include "screens/marks.h"
#include "screens/net_game.h"
#include "screens/replays.h"
#include "screens/seat_lines.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/turn_driver.h"
#include "screens/widgets.h"

void registerAllStates()
{
    registerState(State::title, titleScreen);
    registerState(State::menu, menuScreen);
    registerState(State::options, optionsScreen);
    registerState(State::help, helpScreen);
    registerState(State::about, aboutScreen);
    registerState(State::load, loadScreen);
    registerState(State::killed, killedScreen);
    registerState(State::win, winScreen);
    registerState(State::stats, statsScreen);
    registerState(State::startAI, startAIScreen);
    registerState(State::placeAI, placeAIScreen);
    registerState(State::attackAI, attackAIScreen);
    registerState(State::seatTurn, seatTurnScreen);
    registerState(State::seatBanner, seatBannerScreen);
    registerState(State::expertTurn, expertTurnScreen);
    registerState(State::openPlay, openPlayScreen);
    registerState(State::play, playScreen);
    registerState(State::noSupport, noSupportScreen);
    registerState(State::placeHuman, placeHumanScreen);
    registerState(State::attackHuman, attackHumanScreen);
    registerState(State::fightHuman, fightHumanScreen);
    registerState(State::transferToConquered, transferToConqueredScreen);
    registerState(State::moveHuman, moveHumanScreen);
    registerState(State::openEditor, openEditorScreen);
    registerState(State::editor, editorScreen);
    registerState(State::confirm, confirmScreen);
    registerState(State::resume, resumeSavedGameScreen);
    registerState(State::replays, replaysListScreen);
    registerState(State::replayView, replayViewerScreen);
    registerState(State::lobby, lobbyScreen);
    registerState(State::join, joinScreen);
}

namespace {
// The recording named on the command line, shown instead of the title.
std::optional<Recording> replayAtStart;
std::string replayTitle;
std::optional<GameState> gameAtStart;
} // namespace

void openGameAtStart(const GameState& game) { gameAtStart = game; }

void openReplayAtStart(const Recording& recording, const std::string& title)
{
    replayAtStart = recording;
    replayTitle = title;
}

void appFrame(int elapsedMs)
{
    if (stateRegistry.firstFrame) {
        stateRegistry.firstFrame = false;
        registerAllStates();
        loadMarksOption();
        setState(State::title);
        // A game saved by an earlier run is there to resume, as one left by the menu would be.
        if (loadSavedGame() == SaveAtStart::Resumed) menuReturnState = State::resume;
        if (replayAtStart) {
            openReplayViewer(*replayAtStart, replayTitle, State::menu);
            replayAtStart.reset();
        }
        if (gameAtStart) {
            // It takes the place of a saved game, as one started from the menus would.
            gameState = std::move(*gameAtStart);
            gameAtStart.reset();
            rememberSeats(gameState.seats);
            recordNewGame();
            setState(State::openPlay);
        }
    }
    runCurrentState(elapsedMs);
    runKeyFocus();
    netFrame();
    // The recording first: the save made after it names how far it got.
    recorderAfterFrame();
    autosaveAfterFrame();
}

void resetAllScreensForTests()
{
    resetTitleForTests();
    resetEndScreensForTests();
    resetTurnDriverForTests();
    resetBoardForTests();
    resetKeyFocusForTests();
    resetNetGameForTests();
    resetLobbyForTests();
    resetJoinForTests();
    resetMenusForTests();
    resetHelpAndAboutForTests();
    resetSelectionForTests();
    resetEditorScreensForTests();
    resetAutosaveForTests();
    resetReplaysForTests();
    replayAtStart.reset();
    gameAtStart.reset();
    resetRecorderForTests();
}
