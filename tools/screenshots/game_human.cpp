// The human's turn: placement, a drag, the battle, transfer and move panels,
// and the message shown when no army may be placed.
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "screens/board.h"
#include "screens/marks.h"
#include "tools/program_driver.h"
#include "tools/screenshots/screenshots.h"

namespace {

// A star of the human linked to an enemy star.
bool findAttack(int& own, int& enemy)
{
    const Galaxy& g = gameState.galaxy;
    for (own = 0; own < g.slotCount(); ++own)
        for (enemy = 0; enemy < g.slotCount(); ++enemy)
            if (g.gameStars[own].active && g.gameStars[enemy].active && g.gameStars[own].owner == 0 &&
                g.gameStars[enemy].owner != 0 && g.isLinked(own, enemy) && g.starCount(g.gameStars[enemy].owner) > 1)
                return true;
    return false;
}

void clickChoice(ProgramDriver& program, int k)
{
    const Button& b = *choiceButtons.buttons[k];
    program.click(b.x + b.width / 2, b.y + b.height / 2);
}

// The attack phase from the keyboard: a source chosen and the cursor on its
// target, then the battle panel that Enter opens, its largest choice in the
// focus ring; "1" (ready to lose none) goes back to the attack phase.
int writeKeyboardTurn(ProgramDriver& program, const std::string& dir)
{
    const Galaxy& g = gameState.galaxy;
    int from = noOwner, to = noOwner;
    for (int i = 0; i < g.slotCount() && to == noOwner; ++i)
        for (int j = 0; j < g.slotCount() && to == noOwner; ++j)
            if (g.gameStars[i].active && g.gameStars[j].active && g.gameStars[i].owner == 0 &&
                g.gameStars[i].armies > 0 && g.gameStars[j].owner != 0 && g.isLinked(i, j))
                from = i, to = j;
    if (to == noOwner) return 1;
    program.moveTo(400, 20);
    keyStar = from;
    program.key(keys::enter);
    keyStar = to;
    program.frame();
    int failures = writeScreen(dir, "screen_board_keys");
    program.key(keys::enter);
    failures += writeScreen(dir, "screen_board_keys_battle");
    program.key(keys::one);
    keyStar = noOwner;
    return failures + (program.state() == State::attackHuman ? 0 : 1);
}

} // namespace

int writeGameHumanScreenshots(const std::string& dir)
{
    ProgramDriver program;
    if (!program.start()) return 1;
    int failures = 0;
    startNewGame(builtInGalaxy(), false);
    int own = 0, enemy = 0;
    if (!program.runUntil(State::placeHuman, 500) || !findAttack(own, enemy)) {
        program.stop();
        return failures + 1;
    }
    const Star& a = gameState.galaxy.layoutStars[own];
    const Star& b = gameState.galaxy.layoutStars[enemy];
    gameState.armiesToPlace = 13;
    program.moveTo(a.x, a.y);
    program.frame();
    failures += writeScreen(dir, "screen_board_placement");

    gameState.armiesToPlace = 1;
    program.click(a.x, a.y);
    gameState.galaxy.gameStars[own].armies = 24;
    program.press(a.x, a.y);
    program.frame();
    program.moveTo((a.x + b.x) / 2, (a.y + b.y) / 2);
    program.frame();
    failures += writeScreen(dir, "screen_board_drag");
    program.moveTo(b.x, b.y);
    program.frame();
    program.release(b.x, b.y);
    program.frame();
    gameState.galaxy.gameStars[enemy].armies = 3;
    program.frame();
    failures += writeScreen(dir, "screen_board_battle");

    clickChoice(program, 6);
    failures += writeScreen(dir, "screen_board_transfer");
    clickChoice(program, 3);
    failures += writeKeyboardTurn(program, dir);
    program.drag(b.x, b.y, a.x, a.y);
    program.frame();
    failures += writeScreen(dir, "screen_board_move");

    setState(State::noSupport);
    program.frames(2);
    failures += writeScreen(dir, "screen_board_no_support");

    // Two humans, green and purple: the banner before purple's turn, and
    // purple's placement with the panel naming whose turn it is.
    startNewGame(builtInGalaxy(), {Seat::Human, Seat::Computer, Seat::Human, Seat::Computer, Seat::Computer});
    program.runUntil(State::seatBanner, 500);
    program.click(400, 300);
    const Galaxy& g = gameState.galaxy;
    const auto starOf = [&](int p) {
        for (int i = 0; i < g.slotCount(); ++i)
            if (g.gameStars[i].active && g.gameStars[i].owner == p) return g.gameStars[i];
        return Star{};
    };
    const Star green = starOf(0);
    for (int i = 0; i < 100 && program.state() == State::placeHuman; ++i) program.click(green.x, green.y);
    program.click(712, 529); // "Next Turn"
    program.key(keys::space);
    program.frame();
    failures += writeScreen(dir, "screen_hot_seat_banner", program.state() == State::seatBanner);
    program.click(400, 300);
    const Star purple = starOf(2);
    program.moveTo(purple.x, purple.y);
    program.frame();
    failures += writeScreen(dir, "screen_hot_seat_board", program.state() == State::placeHuman);
    showMarks = true;
    setState(State::seatBanner);
    program.frame();
    failures += writeScreen(dir, "screen_hot_seat_banner_marks");
    showMarks = false;
    program.stop();
    return failures;
}
