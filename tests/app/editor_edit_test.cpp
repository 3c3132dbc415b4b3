// Placing, linking, dragging, typing and removing stars in the editor.
#include "tests/app/editor_support.h"

TEST_F(EditorTest, FirstOpeningAndClickChains)
{
    EXPECT_EQ(g.layoutStars[0].kind, darkStarKind);
    EXPECT_EQ(std::pair(g.layoutStars[0].x, g.layoutStars[0].y), std::pair(100, 100));
    EXPECT_EQ(g.layoutStars[1].kind, normalStarKind);
    EXPECT_EQ(std::pair(g.layoutStars[1].x, g.layoutStars[1].y), std::pair(200, 220));
    EXPECT_FALSE(linked(0, 1));
    EXPECT_EQ(g.selectedStar, noOwner);

    // Empty space with A selected: a new star, not linked to A, selected.
    program.click(100, 100);
    program.click(400, 300);
    const int c = starAt(400, 300);
    ASSERT_EQ(c, 2);
    EXPECT_EQ(g.selectedStar, c);
    EXPECT_FALSE(linked(0, c));

    program.rightClick(600, 300);
    EXPECT_EQ(g.selectedStar, noOwner);
    program.click(100, 100);
    program.click(200, 220);
    EXPECT_TRUE(linked(0, 1));
    EXPECT_EQ(g.selectedStar, 1);
    program.click(400, 300);
    EXPECT_TRUE(linked(1, c));
    EXPECT_FALSE(linked(0, c));
    EXPECT_EQ(g.selectedStar, c);

    // Leaving and coming back keeps the work.
    program.key(keys::escape);
    EXPECT_EQ(program.state(), "menu");
    EXPECT_EQ(g.selectedStar, noOwner);
    openEditor();
    EXPECT_TRUE(g.layoutStars[c].active);
    EXPECT_TRUE(linked(1, c));
}

TEST_F(EditorTest, ReleaseTidiesUpWhatADragBroke)
{
    program.click(100, 100);
    program.click(200, 220); // 0-1 linked
    program.rightClick(600, 300);
    program.click(100, 300); // 2
    program.click(150, 400); // 3
    program.click(100, 300); // 3-2 linked
    ASSERT_TRUE(linked(2, 3));

    // 2-3 now crosses 0-1: the link met first, 0-1, goes.
    program.drag(150, 400, 250, 150);
    EXPECT_EQ(std::pair(g.layoutStars[3].x, g.layoutStars[3].y), std::pair(250, 150));
    EXPECT_FALSE(linked(0, 1));
    EXPECT_TRUE(linked(2, 3));
    EXPECT_EQ(g.selectedStar, 3);

    // Star 3 onto star 2: the lower index goes, with its links.
    program.drag(250, 150, 105, 305);
    EXPECT_FALSE(g.layoutStars[2].active);
    EXPECT_TRUE(g.layoutStars[3].active);
    EXPECT_EQ(g.isLinked(2, 3) + g.isLinked(3, 2), 0);
}

TEST_F(EditorTest, ADraggedStarStaysOnTheBoard)
{
    program.drag(200, 220, 0, 0);
    EXPECT_EQ(std::pair(g.layoutStars[1].x, g.layoutStars[1].y), std::pair(12, 13));
    program.drag(12, 13, 799, 499);
    EXPECT_EQ(std::pair(g.layoutStars[1].x, g.layoutStars[1].y), std::pair(788, 482));
    EXPECT_TRUE(g.layoutStars[1].active);

    // Holding the button on a panel button does not drag the selection.
    program.press(80, 529);
    program.frames(3);
    program.release(80, 529);
    program.frame();
    EXPECT_EQ(std::pair(g.layoutStars[1].x, g.layoutStars[1].y), std::pair(788, 482));
}

TEST_F(EditorTest, AKindChangeKeepsThePlaceAndTheReleaseRemovesTheLowerOverlap)
{
    program.click(225, 220); // a normal star right of star 1
    const int s = starAt(225, 220);
    ASSERT_EQ(s, 2);
    clickButton(20, 520); // golden: its box now reaches star 1
    EXPECT_EQ(currentKind, 1);
    EXPECT_EQ(g.layoutStars[s].kind, goldenStarKind);
    EXPECT_EQ(std::pair(g.layoutStars[s].x, g.layoutStars[s].y), std::pair(225, 220));
    EXPECT_FALSE(g.layoutStars[1].active);
    EXPECT_TRUE(g.layoutStars[s].active);

    // New stars take the chosen kind.
    program.rightClick(500, 300);
    program.click(500, 300);
    EXPECT_EQ(g.layoutStars[starAt(500, 300)].kind, goldenStarKind);
}

TEST_F(EditorTest, PanelButtonsAndKeys)
{
    program.click(710, 510); // decArrow at 2
    EXPECT_EQ(g.playerCount, 2);
    for (int i = 0; i < 7; ++i) program.click(770, 510);
    EXPECT_EQ(g.playerCount, 8);

    // remove and unlink act only on a selection.
    program.click(100, 100);
    program.click(200, 220);
    clickButton(357, 525); // unlink
    EXPECT_FALSE(linked(0, 1));
    EXPECT_TRUE(g.layoutStars[1].active);
    clickButton(188, 525); // remove
    EXPECT_FALSE(g.layoutStars[1].active);
    EXPECT_EQ(g.selectedStar, noOwner);
    clickButton(188, 525);
    EXPECT_TRUE(g.layoutStars[0].active);

    program.click(100, 100);
    program.key(keys::del);
    EXPECT_FALSE(g.layoutStars[0].active);

    // The name line is the name; at most 40 characters.
    for (int i = 0; i < 4; ++i) program.key(scan::backspace), program.frames(10);
    EXPECT_EQ(g.name, "");
    type({scan::A, scan::B, scan::space, scan::one});
    EXPECT_EQ(g.name, "AB 1");
    for (int i = 0; i < 40; ++i) program.key(scan::one);
    EXPECT_EQ(g.name.size(), 40u);

    clickButton(188, 500); // clear: everything, name and players too
    EXPECT_EQ(g.name, "TEST");
    EXPECT_EQ(g.playerCount, 2);
    EXPECT_EQ(g.starAt(100, 100, 0, 0), noOwner);
    clickButton(357, 500); // menu
    EXPECT_EQ(program.state(), "menu");
}
