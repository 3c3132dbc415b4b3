// The computer turns, the end of the game, the statistics and the log.
#include "ai/replay.h"
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "screens/end_and_stats.h"
#include "screens/marks.h"
#include "screens/screens.h"
#include "screens/turn_driver.h"
#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

namespace {

AiStepKind lastStep = AiStepKind::None;
void noteStep(const Galaxy&, const AiStepReport& r) { lastStep = r.kind; }

// Frames until the driver's last step is `kind`, and one more, so that what
// the step changed is drawn; false when it never came.
bool runToStep(ProgramDriver& program, AiStepKind kind)
{
    lastStep = AiStepKind::None;
    for (int i = 0; i < 20000 && lastStep != kind; ++i) program.frame();
    if (lastStep != kind) return false;
    program.frame();
    return true;
}

void startGame(ProgramDriver& program, bool demo)
{
    startNewGame(builtInGalaxy(), demo);
    program.frame();
}

} // namespace

int writeGameComputerScreenshots(const std::string& dir)
{
    ProgramDriver program;
    if (!program.start()) return 6;
    setAiStepObserver(noteStep);
    int failures = 0;

    startGame(program, false);
    program.runUntil(State::placeHuman, 1000);
    setState(State::startAI);
    failures += writeScreen(dir, "screen_computer_placement", runToStep(program, AiStepKind::Placed));
    bool battle = runToStep(program, AiStepKind::AttackChosen);
    program.frames(2);
    failures += writeScreen(dir, "screen_computer_battle", battle);

    // The human keeps one star against a blue empire.
    for (Star& s : gameState.galaxy.gameStars)
        if (s.active) s.owner = 1, s.armies = 30;
    gameState.galaxy.gameStars[0].owner = 0;
    gameState.galaxy.gameStars[0].armies = 0;
    for (int p = 0; p < gameState.galaxy.playerCount; ++p) gameState.galaxy.players[p].alive = gameState.galaxy.starCount(p) > 0;
    setState(State::startAI);
    const bool killed = program.runUntil(State::killed, 60000);
    program.frame();
    failures += writeScreen(dir, "screen_killed", killed);
    program.key(1);
    program.frames(70);
    failures += writeScreen(dir, "screen_win", program.state() == State::win);

    startGame(program, false);
    program.runUntil(State::placeHuman, 1000);
    showStatistics(0);
    program.frame();
    failures += writeScreen(dir, "screen_stats", program.state() == State::stats);

    // A whole game, the human's seat played by the bot: its end, its course
    // and the log of its last cycle.
    dealGame(gameState, builtInGalaxy(), 5, true, 2);
    playAndRecord(gameState, 300, "");
    gameState.unannounced.clear();
    announceOrGo(State::menu);
    program.frames(70);
    program.key(1);
    program.frame();
    failures += writeScreen(dir, "screen_stats_end", program.state() == State::stats && gameState.history.size() > 5);
    program.click(712, 540);
    program.frame();
    failures += writeScreen(dir, "screen_stats_income", program.state() == State::stats);

    dealGame(gameState, builtInGalaxy(), 5, true, 2);
    playAndRecord(gameState, 6, "");
    openPlayScreen(0);
    program.frames(2);
    program.key(0x26);
    program.frame();
    failures += writeScreen(dir, "screen_board_log", program.state() == State::placeHuman);
    program.key(0x26);

    startGame(program, true);
    battle = runToStep(program, AiStepKind::AttackChosen);
    program.frames(2);
    failures += writeScreen(dir, "screen_demo", battle);
    // Last, since every frame moves the clock that seeds the games above.
    showMarks = true;
    program.frame();
    failures += writeScreen(dir, "screen_computer_marks", battle);
    showStatistics(0);
    program.frame();
    failures += writeScreen(dir, "screen_stats_marks", program.state() == State::stats);
    // A finished game's graph: each line ends in its player's mark.
    dealGame(gameState, builtInGalaxy(), 5, true, 2);
    playAndRecord(gameState, 300, "");
    program.frame();
    failures += writeScreen(dir, "screen_stats_graph_marks", program.state() == State::stats && gameState.history.size() > 5);
    showMarks = false;

    setAiStepObserver(nullptr);
    program.stop();
    return failures;
}
