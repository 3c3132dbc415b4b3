// The computer turns, the end of the game and the statistics table.
#include "ai/turn_driver.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "tests/support/program_driver.h"
#include "tools/png_writer.h"
#include "tools/screenshots/screenshots.h"

namespace {

AiStepKind lastStep = AiStepKind::None;
void noteStep(const Galaxy&, const AiStepReport& r) { lastStep = r.kind; }

// Frames until the driver's last step is `kind` (and one more frame when
// asked, so that what the step changed is drawn); false when it never came.
bool runToStep(ProgramDriver& program, AiStepKind kind, bool drawIt = true)
{
    lastStep = AiStepKind::None;
    for (int i = 0; i < 20000 && lastStep != kind; ++i) program.frame();
    if (lastStep != kind) return false;
    if (drawIt) program.frame();
    return true;
}

int save(ProgramDriver& program, const std::string& file, bool reached)
{
    return reached && png::write(file, program.screen()) ? 0 : 1;
}

void startGame(ProgramDriver& program, bool demo)
{
    previewGalaxy.name = builtInGalaxyName;
    startNewGame(demo, true);
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
    program.runUntil("placeHuman", 1000);
    setState("startAI");
    failures += save(program, dir + "/screen_computer_placement.png", runToStep(program, AiStepKind::Placed));
    bool battle = runToStep(program, AiStepKind::AttackChosen);
    program.frames(2);
    failures += save(program, dir + "/screen_computer_battle.png", battle);

    // The human keeps one star against a blue empire.
    for (Star& s : gameGalaxy.gameStars)
        if (s.active) s.owner = 1, s.armies = 30;
    gameGalaxy.gameStars[0].owner = 0;
    gameGalaxy.gameStars[0].armies = 0;
    for (int p = 0; p < gameGalaxy.playerCount; ++p) gameGalaxy.players[p].alive = gameGalaxy.starCount(p) > 0;
    setState("startAI");
    const bool killed = program.runUntil("killed", 60000);
    program.frame();
    failures += save(program, dir + "/screen_killed.png", killed);
    program.key(1);
    program.frames(70);
    failures += save(program, dir + "/screen_win.png", program.state() == "win");

    startGame(program, false);
    program.runUntil("placeHuman", 1000);
    showStatistics(0);
    program.frame();
    failures += save(program, dir + "/screen_stats.png", program.state() == "stats");

    startGame(program, true);
    battle = runToStep(program, AiStepKind::AttackChosen);
    program.frames(2);
    failures += save(program, dir + "/screen_demo.png", battle);

    setAiStepObserver(nullptr);
    program.stop();
    return failures;
}
