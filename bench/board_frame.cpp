// One frame of the game board in the attack phase, as the player sees it.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "screens/board.h"
#include "tools/program_driver.h"

namespace {

// 24 stars with labels, the star information line under the pointer, the HUD,
// a drag under way and the seven choice buttons.
void BoardAttackFrame(benchmark::State& state)
{
    ProgramDriver program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    startNewGame(builtInGalaxy(), false);
    program.runUntil(State::placeHuman, 500);
    int stars = 0;
    int own = noOwner;
    gameState.computerTurns.labels.assign(gameState.galaxy.slotCount(), "");
    for (int i = 0; i < gameState.galaxy.slotCount(); ++i) {
        Star& s = gameState.galaxy.gameStars[i];
        if (!s.active) continue;
        if (++stars > 24) s.active = gameState.galaxy.layoutStars[i].active = 0;
        else if (i % 2) gameState.computerTurns.labels[i] = "12+3";
        if (s.owner == 0 && s.active) own = i;
    }
    gameState.galaxy.gameStars[own].armies = 30;
    setState(State::attackHuman);
    const Star& a = gameState.galaxy.layoutStars[own];
    program.press(a.x, a.y);
    program.frame();
    setChoices(30, 0);
    for (auto _ : state) {
        clearBackBuffer(0);
        attackHumanScreen(16);
        choiceButtons.draw(16);
        benchmark::DoNotOptimize(drawnFrame().pixels.data());
    }
    state.counters["stars"] = std::min(stars, 24);
    program.stop();
}
BENCHMARK(BoardAttackFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
