#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/galaxy_file.h"
#include "game/start_check.h"
#include "tests/support/scratch_dir.h"

TEST(StartCheck, RefusesGalaxiesOnWhichFewerThanTwoPlayersWouldHoldAnIncomeStar)
{
    const auto folder = scratchDir("start_check");
    std::filesystem::create_directories(folder);
    setGalaxyFolder(folder.string());
    // A dark star and a star of an unknown kind, which yields nothing.
    std::ofstream(folder / "ONE.gly") << "4 2 1 10 10 darkStar 0 0 0 1 90 90 oddStar 0 0 0 "
                                         "1 10 10 darkStar 0 0 0 1 90 90 oddStar 0 0 0 4 0 1 1 0";
    EXPECT_EQ(checkGameStart(false, "MISSING"), StartRefusal::unreadable);
    EXPECT_EQ(checkGameStart(false, "ONE"), StartRefusal::tooFewStars);
    EXPECT_EQ(checkGameStart(true, "MISSING"), StartRefusal::none); // the built-in galaxy
    setGalaxyFolder("galaxies");
    std::filesystem::remove_all(folder);
}
