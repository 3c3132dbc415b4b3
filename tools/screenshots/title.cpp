#include "tests/support/program_driver.h"
#include "tools/png_writer.h"
#include "tools/screenshots/screenshots.h"

int writeTitleScreenshots(const std::string& dir)
{
    ProgramDriver program;
    if (!program.start()) return 1;
    program.frames(14);
    int failures = png::write(dir + "/screen_title.png", program.screen()) ? 0 : 1;
    program.stop();
    return failures;
}
