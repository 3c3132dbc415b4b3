#pragma once
// The editor on the headless program, driven with the scripted mouse and keyboard.
#include <gtest/gtest.h>

#include "game/editor.h"
#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

struct EditorTest : ::testing::Test {
    ProgramDriver program;
    Galaxy& g = editorGalaxy;

    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("editor")));
        openEditor();
    }
    void TearDown() override { program.stop(); }
    void openEditor()
    {
        setState("openEditor");
        program.frames(2);
        ASSERT_EQ(program.state(), "editor");
    }
    // A button of the default image by its top-left corner.
    void clickButton(int x, int y) { program.click(x + 60, y + 9); }
    int starAt(int x, int y) const { return g.starAt(x, y, 0, 0); }
    bool linked(int i, int j) const { return g.isLinked(i, j) != 0 && g.isLinked(j, i) != 0; }
    std::pair<int, int> place(int i) const { return {g.layoutStars[i].x, g.layoutStars[i].y}; }
    void rename(std::initializer_list<int> codes)
    {
        for (int i = 0; i < 50 && !g.name.empty(); ++i) program.key(keys::backspace), program.frames(10);
        for (int code : codes) program.key(code);
    }
};

namespace scan { // set-1 codes of the letters the tests type
constexpr int A = 0x1E, B = 0x30, C = 0x2E, D = 0x20, E = 0x12, L = 0x26, M = 0x32, N = 0x31, O = 0x18, R = 0x13,
              S = 0x1F, T = 0x14, W = 0x11, Y = 0x15, one = 0x02, space = 0x39;
} // namespace scan
