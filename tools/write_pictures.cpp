// Writes every built-in picture, the window icon and a screenshot of each
// screen as PNG files, so that they can be looked at: in English into the
// folder given, and in each translation into a subfolder named by its
// language. Fails naming every text that did not fit its box, in any language.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "app/locale_folder.h"
#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"
#include "engine/translate.h"
#include "tools/png_writer.h"
#include "tools/screenshots/screenshots.h"

namespace {

std::string language = "en";
std::set<std::string> overflows;

void noteOverflow(const char* text, int x, int y, int width, int height)
{
    overflows.insert(language + ": \"" + text + "\" in the " + std::to_string(width) + "x" + std::to_string(height) +
                     " box at " + std::to_string(x) + "," + std::to_string(y));
}

int writeAll(const std::string& dir)
{
    std::filesystem::create_directories(dir);
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
    failures += writeReplayScreenshots(dir);
    failures += writeNetworkScreenshots(dir);
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "build/pictures";
    std::filesystem::create_directories(dir);
    // The screenshots run the program in a scratch folder it changes into.
    dir = std::filesystem::absolute(dir).string();
    if (!openFonts()) std::fprintf(stderr, "write_pictures: font missing, pictures will have no text\n");
    std::error_code ec;
    const std::string locales =
        findLocaleFolder(std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string());
    setTextOverflowHook(noteOverflow);
    int failures = writeAll(dir);
    for (const char* translation : {"de", "es", "fr"}) {
        language = translation;
        useLanguage(language, locales);
        if (std::string(tr("Next Turn")) == "Next Turn") {
            std::fprintf(stderr, "write_pictures: no catalogue for %s in \"%s\"\n", translation, locales.c_str());
            ++failures;
        }
        failures += writeAll(dir + "/" + language);
    }
    useLanguage("", locales);
    for (const std::string& overflow : overflows)
        std::fprintf(stderr, "write_pictures: text too long: %s\n", overflow.c_str());
    std::printf("pictures written to %s\n", dir.c_str());
    return failures || !overflows.empty() ? 1 : 0;
}
