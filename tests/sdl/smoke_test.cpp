// The real SDL platform under SDL's dummy video and audio drivers (set by ctest).
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

#include "app/resources.h"
#include "app/start_up.h"
#include "app/states.h"
#include "engine/main_loop.h"
#include "tests/support/scratch_dir.h"

TEST(SdlSmoke, StartsShowsTheTitleAndQuitsCleanly)
{
    // An empty folder: no sound or music lists, so the game runs silently.
    auto saved = std::filesystem::current_path();
    auto dir = scratchDir("zentory_sdl_smoke");
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);

    configureProgram();
    takeBuiltinImageList(listBuiltinImages);
    ASSERT_TRUE(startEngine());
    uint32_t start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 300) ASSERT_TRUE(engineTurn());
    EXPECT_EQ(currentStateName(), "title");
    quitApplication();
    int turns = 0;
    while (engineTurn()) ASSERT_LT(++turns, 1000);
    EXPECT_FALSE(engineState().running);
    EXPECT_FALSE(engineState().failed);
    std::filesystem::current_path(saved);
    std::filesystem::remove_all(dir);
}
