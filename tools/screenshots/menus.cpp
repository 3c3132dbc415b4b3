// The main menu (also with the keyboard's focus), the options, the four help
// pages, the about screen and the galaxy selection screen in play and in
// editor mode.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "game/game_state.h"
#include "game/new_game.h"
#include "game/seats.h"
#include "screens/marks.h"
#include "screens/seat_lines.h"
#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

int writeMenuScreenshots(const std::string& dir)
{
    ProgramDriver program;
    if (!program.start()) return 1;
    int failures = 0;
    auto menuButton = [&](int row) { program.click(200, 91 + 50 * row); };
    program.key(keys::escape);
    program.moveTo(600, 580);
    program.frame();
    failures += writeScreen(dir, "screen_menu");
    // The keyboard's focus on "Replays"; the next click lets it go.
    program.key(keys::tab);
    program.key(keys::down);
    program.key(keys::down);
    failures += writeScreen(dir, "screen_menu_keys");
    // "Homepage" where no opener is on PATH: the menu says where the manual is.
    const char* path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    setenv("PATH", "", 1);
    menuButton(6);
    program.moveTo(600, 580);
    program.frame();
    failures += writeScreen(dir, "screen_menu_manual");
    setenv("PATH", savedPath.c_str(), 1);
    program.frames(400); // until the note is gone
    menuButton(3);
    failures += writeScreen(dir, "screen_options");
    program.key(keys::escape);
    menuButton(4);
    for (int page = 1; page <= 4; ++page) {
        failures += writeScreen(dir, "screen_help" + std::to_string(page));
        program.click(613, 522);
    }
    program.key(keys::escape);
    menuButton(5);
    program.moveTo(400, 300);
    program.frame();
    failures += writeScreen(dir, "screen_about");
    program.key(keys::escape);

    // Enough galaxy files for the scroll arrows, one of them selected and
    // another under the pointer.
    namespace fs = std::filesystem;
    const fs::path galaxies = program.dataDir / "galaxies";
    std::error_code ec;
    for (int i = 1; i <= 18; ++i)
        fs::copy_file(galaxies / (i % 2 ? "ROMAN.gly" : "PARA.gly"), galaxies / ("MY GALAXY " + std::to_string(i) + ".gly"),
                      ec);
    std::ofstream(galaxies / "BROKEN.gly") << "not a galaxy";
    menuButton(0);
    program.click(579, 77);
    program.click(105, 541); // "normal"
    program.moveTo(579, 147);
    program.frame();
    failures += writeScreen(dir, "screen_selection");
    // The seat lines switched: blue the expert, purple a second human.
    program.click(409, 300);
    program.click(409, 326);
    program.click(409, 326);
    program.moveTo(409, 352);
    program.frame();
    failures += writeScreen(dir, "screen_selection_seats");
    showMarks = true;
    program.frame();
    failures += writeScreen(dir, "screen_selection_seats_marks");
    showMarks = false;
    rememberSeats(defaultSeats(maxPlayers, false));
    program.click(579, 42); // BROKEN
    program.click(247, 514);
    program.moveTo(600, 580);
    program.frame();
    failures += writeScreen(dir, "screen_selection_refused");
    // A game of the human's under way: a new one asks first.
    startNewGame(builtInGalaxy(), false);
    program.runUntil(State::placeHuman, 2000);
    openSelection(false);
    program.frame();
    program.click(247, 514);
    program.moveTo(600, 580);
    program.frame();
    failures += writeScreen(dir, "screen_selection_abandon");
    program.key(keys::escape);
    setState(State::openEditor);
    program.frames(2);
    program.click(80, 586); // the editor's "load"
    program.click(126, 394);
    program.moveTo(600, 580);
    program.frame();
    failures += writeScreen(dir, "screen_selection_editor");
    program.click(579, 42); // BROKEN, refused with the work kept
    program.click(116, 534);
    program.moveTo(600, 300);
    program.frame();
    failures += writeScreen(dir, "screen_editor_refused", program.state() == State::editor);
    program.stop();
    return failures;
}
