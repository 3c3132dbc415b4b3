// Placing, linking, dragging, typing and removing stars in the editor.
#include "tests/app/editor_support.h"

TEST_F(EditorTest, FirstOpeningAndClickChains)
{
    EXPECT_TRUE(g.layoutStars[0].kind == darkStarKind && place(0) == std::pair(100, 100));
    EXPECT_TRUE(g.layoutStars[1].kind == normalStarKind && place(1) == std::pair(200, 220));
    EXPECT_TRUE(!linked(0, 1) && g.selectedStar == noOwner);

    program.click(100, 100);
    program.click(400, 300); // empty space with A selected: new, unlinked, selected
    EXPECT_TRUE(g.selectedStar == 2 && starAt(400, 300) == 2 && !linked(0, 2));

    program.rightClick(600, 300);
    EXPECT_EQ(g.selectedStar, noOwner);
    program.click(100, 100);
    program.click(200, 220);
    EXPECT_TRUE(linked(0, 1) && g.selectedStar == 1);
    program.click(400, 300);
    EXPECT_TRUE(linked(1, 2) && !linked(0, 2) && g.selectedStar == 2);

    program.key(keys::escape); // leaving and coming back keeps the work
    EXPECT_TRUE(program.state() == "menu" && g.selectedStar == noOwner);
    openEditor();
    EXPECT_TRUE(linked(1, 2));
}

TEST_F(EditorTest, ReleaseTidiesUpWhatADragBroke)
{
    for (auto [x, y] : {std::pair(100, 100), {200, 220}, {600, 450}, {100, 300}, {150, 400}, {100, 300}})
        program.click(x, y); // links 0-1 and 3-4; star 2 only ends the chain
    ASSERT_TRUE(linked(0, 1) && linked(3, 4));

    program.drag(150, 400, 250, 150); // 3-4 now crosses 0-1: the one met first goes
    EXPECT_EQ(place(4), std::pair(250, 150));
    EXPECT_FALSE(linked(0, 1));
    EXPECT_TRUE(linked(3, 4));

    program.drag(250, 150, 105, 305); // onto star 3: the lower index goes, with its links
    EXPECT_FALSE(g.layoutStars[3].active);
    EXPECT_TRUE(g.layoutStars[4].active);
    EXPECT_EQ(g.isLinked(3, 4) + g.isLinked(4, 3), 0);
}

TEST_F(EditorTest, ADraggedStarStaysOnTheBoard)
{
    program.drag(200, 220, 0, 0);
    EXPECT_EQ(place(1), std::pair(12, 13));
    program.drag(12, 13, 799, 499);
    EXPECT_EQ(place(1), std::pair(788, 482));
    EXPECT_TRUE(g.layoutStars[1].active);

    program.press(80, 529); // held on a panel button: no drag
    program.frames(3);
    program.release(80, 529);
    program.frame();
    EXPECT_EQ(place(1), std::pair(788, 482));
}

TEST_F(EditorTest, AKindChangeKeepsThePlaceAndTheReleaseRemovesTheLowerOverlap)
{
    program.click(225, 220);
    ASSERT_EQ(g.selectedStar, 2);
    clickButton(20, 520); // golden: its box now reaches star 1
    EXPECT_EQ(g.layoutStars[2].kind, goldenStarKind);
    EXPECT_EQ(place(2), std::pair(225, 220));
    EXPECT_FALSE(g.layoutStars[1].active);
    EXPECT_TRUE(g.layoutStars[2].active);
}

TEST_F(EditorTest, PanelButtonsAndKeys)
{
    program.click(710, 510); // fewer, at 2
    EXPECT_EQ(g.playerCount, 2);
    for (int i = 0; i < 7; ++i) program.click(770, 510);
    EXPECT_EQ(g.playerCount, 8);

    program.click(100, 100);
    program.key(keys::del);
    EXPECT_FALSE(g.layoutStars[0].active);

    rename({scan::A, scan::B, scan::space, scan::one});
    EXPECT_EQ(g.name, "AB 1");

    clickButton(188, 500); // clear: name and players too
    EXPECT_EQ(g.name, "TEST");
    EXPECT_EQ(g.playerCount, 2);
    EXPECT_EQ(starAt(200, 220), noOwner);
}
