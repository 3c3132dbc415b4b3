// Writes every built-in picture, the window icon and a screenshot of the
// title screen as PNG files, so that they can be looked at.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "app/start_up.h"
#include "engine/draw_text.h"
#include "engine/main_loop.h"
#include "engine/platform/headless.h"
#include "tools/png_writer.h"

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "build/pictures";
    std::filesystem::create_directories(dir);
    if (!openFonts()) std::fprintf(stderr, "write_pictures: font missing, pictures will have no text\n");
    int failures = 0;
    for (const BuiltinImage& b : builtinImageTable) {
        Image im;
        paintBuiltinPicture(std::stoi(b.resourceId), im);
        if (!png::write(dir + "/" + b.name + ".png", im)) ++failures;
    }
    Image icon;
    paintWindowIcon(icon);
    if (!png::write(dir + "/windowIcon.png", icon)) ++failures;

    // The title screen as the game shows it, through the headless platform.
    headlessReset();
    configureProgram();
    takeBuiltinImageList(listBuiltinImages);
    if (startEngine()) {
        headlessAdvance(16);
        while (headlessPresentCount() < 15 && engineTurn()) {
        }
        if (!png::write(dir + "/screen_title.png", headlessLastFrame())) ++failures;
    }
    std::printf("pictures written to %s\n", dir.c_str());
    return failures ? 1 : 0;
}
