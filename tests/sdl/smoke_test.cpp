// The real SDL platform under SDL's dummy video and audio drivers (set by ctest).
#include <gtest/gtest.h>

#include <SDL.h>

#include <time.h>

#include "app/resources.h"
#include "app/start_up.h"
#include "base/random.h"
#include "engine/main_loop.h"
#include "game/rules.h"
#include "screens/states.h"
#include "tests/support/scratch_dir.h"

// Milliseconds since the machine started, as the system counts them.
static uint32_t systemTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

TEST(SdlSmoke, StartsShowsTheTitleAndQuitsCleanly)
{
    // An empty folder: no sound or music lists, so the game runs silently.
    ScratchFolder folder("zentory_sdl_smoke");
    configureProgram();
    takeBuiltinImageList(listBuiltinImages);
    uint32_t before = systemTickCount();
    ASSERT_TRUE(startEngine());
    // Games are seeded with the system's tick count, which differs from run to
    // run (SDL's own clock would give 0 on every start).
    EXPECT_LE(tickSeed() - before, 10000u);
    uint32_t start = SDL_GetTicks();
    // An unfocused window (the dummy driver's) draws only now and then; a loaded machine is slower still.
    while (SDL_GetTicks() - start < 30000 && currentState() != State::title) ASSERT_TRUE(engineTurn());
    EXPECT_EQ(currentState(), State::title);
    quitApplication();
    int turns = 0;
    while (engineTurn()) ASSERT_LT(++turns, 1000);
    EXPECT_FALSE(engineState().running || engineState().failed);
}
