// Writes every built-in picture, the window icon and a screenshot of each
// screen as PNG files, so that they can be looked at.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"
#include "tools/png_writer.h"
#include "tools/screenshots/screenshots.h"

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "build/pictures";
    std::filesystem::create_directories(dir);
    // The screenshots run the program in a scratch folder it changes into.
    dir = std::filesystem::absolute(dir).string();
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

    // Every screen as the game shows it, through the headless platform.
    failures += writeTitleScreenshots(dir);
    failures += writeEditorScreenshots(dir);
    failures += writeMenuScreenshots(dir);
    failures += writeGameComputerScreenshots(dir);
    failures += writeGameHumanScreenshots(dir);
    std::printf("pictures written to %s\n", dir.c_str());
    return failures ? 1 : 0;
}
