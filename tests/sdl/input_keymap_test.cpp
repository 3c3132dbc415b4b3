#include <gtest/gtest.h>

#include <SDL_keyboard.h>

#include <set>

#include "engine/platform/sdl_keymap.h"

namespace {

TEST(SdlKeymap, EveryKeyTheGameReadsHasItsSetOneCodeAndNoTwoKeysShareOne)
{
    // Set-1 codes run along the rows of the keyboard.
    const std::pair<const char*, int> rows[] = {{"1234567890", 0x02}, {"QWERTYUIOP", 0x10}, {"ASDFGHJKL", 0x1E},
                                                {"ZXCVBNM", 0x2C}};
    for (const auto& [keys, first] : rows)
        for (int i = 0; keys[i]; ++i) {
            const char name[] = {keys[i], 0};
            EXPECT_EQ(set1CodeFromSdlScancode(SDL_GetScancodeFromName(name)), first + i) << name;
        }
    for (int f = 0; f < 5; ++f) EXPECT_EQ(set1CodeFromSdlScancode(SDL_SCANCODE_F1 + f), 0x3B + f);
    const std::pair<SDL_Scancode, int> others[] = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_BACKSPACE, 0x0E}, {SDL_SCANCODE_RETURN, 0x1C},
        {SDL_SCANCODE_SPACE, 0x39},  {SDL_SCANCODE_F11, 0x57},       {SDL_SCANCODE_F12, 0x58},
        {SDL_SCANCODE_KP_ENTER, 0x9C}, {SDL_SCANCODE_DELETE, 0xD3}};
    for (const auto& [sdl, code] : others) EXPECT_EQ(set1CodeFromSdlScancode(sdl), code) << SDL_GetScancodeName(sdl);

    std::set<int> seen;
    for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
        int code = set1CodeFromSdlScancode(s);
        EXPECT_TRUE(code >= 0 && code < 256) << s;
        EXPECT_TRUE(code == 0 || seen.insert(code).second) << "code " << code << " given twice";
    }
    for (int outside : {int(SDL_SCANCODE_UNKNOWN), -3, SDL_NUM_SCANCODES + 5}) EXPECT_EQ(set1CodeFromSdlScancode(outside), 0);
}

} // namespace
