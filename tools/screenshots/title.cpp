#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

int writeTitleScreenshots(const std::string& dir)
{
    ProgramDriver program;
    if (!program.start()) return 1;
    program.frames(14);
    int failures = writeScreen(dir, "screen_title");
    program.stop();
    return failures;
}
