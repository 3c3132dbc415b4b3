#include "tests/support/program_driver.h"
#include "tools/png_writer.h"
#include "tools/screenshots/screenshots.h"

int writeTitleScreenshots(const std::string& dir, const std::string& scratch)
{
    ProgramDriver program;
    if (!program.start(scratch)) return 1;
    program.frames(14);
    int failures = png::write(dir + "/screen_title.png", program.screen()) ? 0 : 1;
    program.stop();
    return failures;
}
