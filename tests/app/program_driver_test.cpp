#include <gtest/gtest.h>

#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

TEST(ProgramDriver, StartsOnTheTitleInAScratchCopyOfTheData)
{
    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("driver")));
    EXPECT_EQ(program.state(), "title");
    EXPECT_TRUE(std::filesystem::exists(program.dataDir / "galaxies" / "ROMAN.gly"));
    EXPECT_NE(program.pixel(400, 300), 0u); // the title picture is on screen
    program.stop();
}
