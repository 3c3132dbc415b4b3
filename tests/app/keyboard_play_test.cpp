// A game played from the keyboard alone, as a player without a mouse would.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "screens/board.h"
#include "screens/marks.h"
#include "screens/widgets.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

struct KeyPlay {
    ProgramDriver& program;

    const Button* focused() const { return keyFocus.focused; }
    // Tab until the focus is on a button that fits; false after a full round.
    bool tabTo(const std::function<bool(const Button&)>& fits)
    {
        for (int i = 0; i < 60; ++i) {
            program.key(keys::tab);
            if (focused() && fits(*focused())) return true;
        }
        return false;
    }
    bool tabTo(const std::string& label)
    {
        return tabTo([&](const Button& b) { return b.label == label; });
    }
    // The star cursor walked to a star by the arrows, the longer way first.
    bool walkTo(int star)
    {
        const Galaxy& g = gameState.galaxy;
        for (int i = 0; i < 40 && keyStar != star; ++i) {
            const int dx = g.gameStars[star].x - g.gameStars[keyStar].x, dy = g.gameStars[star].y - g.gameStars[keyStar].y;
            const int before = keyStar;
            const int across = dx > 0 ? keys::right : keys::left, along = dy > 0 ? keys::down : keys::up;
            program.key(std::abs(dx) >= std::abs(dy) ? across : along);
            if (keyStar == before) program.key(std::abs(dx) >= std::abs(dy) ? along : across);
        }
        return keyStar == star;
    }
};

bool isPlace(State s) { return s == State::placeHuman || s == State::noSupport; }

} // namespace

// Menu, options (marks on, kept in their file), galaxy selection, placement
// on the star cursor, an attack chosen source then target with its count on
// the choice buttons, "Next Turn" by N, and the computer players skipped with
// Space to the human's next turn; the focus ring drawn where the focus is.
TEST(KeyboardPlay, FromTheMenuToTheNextHumanTurn)
{
    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("keyboard_play")));
    ASSERT_TRUE(program.runUntil(State::menu, 3000));
    KeyPlay keysOnly{program};
    EXPECT_NE(program.pixel(100, 67), packRgb(255, 210, 0)); // no focus before a key
    program.key(keys::tab);
    ASSERT_NE(keysOnly.focused(), nullptr);
    EXPECT_EQ(keysOnly.focused()->label, "Play Zentory");
    EXPECT_EQ(program.pixel(100, 67), packRgb(255, 210, 0));
    program.key(keys::down);
    program.key(keys::down);
    program.key(keys::down);
    ASSERT_EQ(keysOnly.focused()->label, "Options");
    program.key(keys::enter);
    ASSERT_EQ(program.state(), State::options);
    ASSERT_TRUE(keysOnly.tabTo([](const Button& b) { return b.imageName == "incArrow" && b.y == 450; }));
    program.key(keys::enter);
    EXPECT_TRUE(showMarks);
    std::string kept;
    std::ifstream("marks.lst") >> kept;
    EXPECT_EQ(kept, "1");
    showMarks = false;
    loadMarksOption();
    EXPECT_TRUE(showMarks);
    program.key(keys::escape);
    ASSERT_TRUE(keysOnly.tabTo("Play Zentory"));
    program.key(keys::enter);
    ASSERT_EQ(program.state(), State::load);
    ASSERT_TRUE(keysOnly.tabTo("start"));
    program.key(keys::enter);
    ASSERT_TRUE(program.runUntil(State::placeHuman, 2000));

    // The cursor starts on a star of the human's; 7 takes the largest step.
    const Galaxy& g = gameState.galaxy;
    program.key(keys::right);
    ASSERT_TRUE(g.isGameStar(keyStar));
    ASSERT_EQ(g.gameStars[keyStar].owner, 0);
    const int placed = keyStar, before = g.gameStars[placed].armies;
    program.key(keys::one + 6);
    EXPECT_EQ(placementStep, choiceValues[6]);
    for (int i = 0; i < 50 && program.state() == State::placeHuman; ++i) program.key(keys::enter);
    ASSERT_EQ(program.state(), State::attackHuman);
    EXPECT_GT(g.gameStars[placed].armies, before);

    // Tab has a stop on the map between the last button and the first.
    program.key(keys::tab);
    ASSERT_NE(keysOnly.focused(), nullptr);
    EXPECT_EQ(keysOnly.focused()->label, "Next Turn");
    headlessPushKey(keys::leftShift, true);
    program.key(keys::tab);
    headlessPushKey(keys::leftShift, false);
    EXPECT_EQ(keysOnly.focused(), nullptr);

    int enemy = noOwner;
    for (int j = 0; j < g.slotCount() && enemy == noOwner; ++j)
        if (g.gameStars[j].active && g.gameStars[j].owner != 0 && g.isLinked(placed, j)) enemy = j;
    ASSERT_NE(enemy, noOwner);
    program.key(keys::enter);
    EXPECT_EQ(keySource, placed);
    program.key(keys::escape); // lets the source go and stays on the board
    EXPECT_EQ(std::pair(keySource, program.state()), std::pair(noOwner, State::attackHuman));
    program.key(keys::enter);
    ASSERT_TRUE(keysOnly.walkTo(enemy));
    program.key(keys::enter);
    ASSERT_EQ(program.state(), State::fightHuman);
    ASSERT_NE(keysOnly.focused(), nullptr);
    EXPECT_EQ(keysOnly.focused()->label, std::to_string(g.gameStars[placed].armies)); // all it has
    for (int i = 0; i < 5 && program.state() != State::attackHuman; ++i) program.key(keys::enter);
    ASSERT_EQ(program.state(), State::attackHuman);

    program.key(keys::n);
    ASSERT_NE(program.state(), State::attackHuman);
    for (int i = 0; i < 20 && !isPlace(program.state()); ++i) program.key(keys::space);
    EXPECT_TRUE(isPlace(program.state()));
    EXPECT_EQ(g.turn, 2);
}
