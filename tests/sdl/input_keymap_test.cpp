#include <gtest/gtest.h>

#include <SDL_keyboard.h>

#include <set>

#include "engine/platform/sdl_keymap.h"

namespace {

TEST(SdlKeymap, EveryKeyTheGameReadsHasItsSetOneCode)
{
    struct Pair {
        SDL_Scancode sdl;
        int code;
    };
    const Pair table[] = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_1, 0x02}, {SDL_SCANCODE_5, 0x06}, {SDL_SCANCODE_9, 0x0A},
        {SDL_SCANCODE_0, 0x0B}, {SDL_SCANCODE_BACKSPACE, 0x0E}, {SDL_SCANCODE_Q, 0x10}, {SDL_SCANCODE_W, 0x11},
        {SDL_SCANCODE_E, 0x12}, {SDL_SCANCODE_R, 0x13}, {SDL_SCANCODE_T, 0x14}, {SDL_SCANCODE_Y, 0x15},
        {SDL_SCANCODE_U, 0x16}, {SDL_SCANCODE_I, 0x17}, {SDL_SCANCODE_O, 0x18}, {SDL_SCANCODE_P, 0x19},
        {SDL_SCANCODE_RETURN, 0x1C}, {SDL_SCANCODE_A, 0x1E}, {SDL_SCANCODE_S, 0x1F}, {SDL_SCANCODE_D, 0x20},
        {SDL_SCANCODE_F, 0x21}, {SDL_SCANCODE_G, 0x22}, {SDL_SCANCODE_H, 0x23}, {SDL_SCANCODE_J, 0x24},
        {SDL_SCANCODE_K, 0x25}, {SDL_SCANCODE_L, 0x26}, {SDL_SCANCODE_Z, 0x2C}, {SDL_SCANCODE_X, 0x2D},
        {SDL_SCANCODE_C, 0x2E}, {SDL_SCANCODE_V, 0x2F}, {SDL_SCANCODE_B, 0x30}, {SDL_SCANCODE_N, 0x31},
        {SDL_SCANCODE_M, 0x32}, {SDL_SCANCODE_SPACE, 0x39}, {SDL_SCANCODE_F1, 0x3B}, {SDL_SCANCODE_F2, 0x3C},
        {SDL_SCANCODE_F3, 0x3D}, {SDL_SCANCODE_F4, 0x3E}, {SDL_SCANCODE_F5, 0x3F}, {SDL_SCANCODE_F11, 0x57},
        {SDL_SCANCODE_F12, 0x58}, {SDL_SCANCODE_KP_ENTER, 0x9C}, {SDL_SCANCODE_DELETE, 0xD3},
    };
    for (const Pair& p : table) EXPECT_EQ(set1CodeFromSdlScancode(p.sdl), p.code) << SDL_GetScancodeName(p.sdl);
}

TEST(SdlKeymap, NoTwoKeysShareACodeAndUnknownKeysGetNone)
{
    std::multiset<int> seen;
    for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
        int code = set1CodeFromSdlScancode(s);
        EXPECT_GE(code, 0);
        EXPECT_LT(code, 256);
        if (code) seen.insert(code);
    }
    for (int code : seen) EXPECT_EQ(seen.count(code), 1u) << "code " << code;
    EXPECT_EQ(set1CodeFromSdlScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(set1CodeFromSdlScancode(-3), 0);
    EXPECT_EQ(set1CodeFromSdlScancode(SDL_NUM_SCANCODES + 5), 0);
}

} // namespace
