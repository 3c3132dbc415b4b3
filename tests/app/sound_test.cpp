#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/platform/headless.h"
#include "engine/platform/headless_audio.h"
#include "engine/sound.h"
#include "engine/wav.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/wav_bytes.h"

namespace {

TEST(WavReader, ReadsPcmCutsAClaimToTheFileAndRefusesWhatIsNotAPlayableShortWave)
{
    WavClip clip;
    const auto good = wavBytes(16, 8, 8);
    ASSERT_TRUE(parseWav(good.data(), good.size(), clip));
    EXPECT_EQ(std::tuple(clip.channels, clip.samplesPerSecond, clip.bitsPerSample, clip.data.size()),
              std::tuple(1, 22050u, 16, 8u));
    // A size claim past the end, even 64 MiB, keeps what is there in whole sample frames.
    for (auto [bits, claimed, present, kept] : {std::tuple(8, 10u, 4, 4u), std::tuple(16, 10u, 5, 4u),
                                                std::tuple(16, 64u << 20, 16, 16u)}) {
        auto bytes = wavBytes(bits, claimed, present);
        ASSERT_TRUE(parseWav(bytes.data(), bytes.size(), clip)) << bits;
        std::vector<uint8_t> expected;
        for (uint32_t i = 0; i < kept; ++i) expected.push_back(static_cast<uint8_t>(0x40 + i % 7));
        EXPECT_EQ(clip.data, expected) << bits;
    }
    // 10 s of 16-bit mono at 22050 Hz is the longest effect kept.
    const uint32_t tenSeconds = 22050 * 2 * 10;
    auto longest = wavBytes(16, tenSeconds, tenSeconds);
    EXPECT_TRUE(parseWav(longest.data(), longest.size(), clip));

    auto notRiff = good, notWave = good, hugeChunk = good, noRate = good;
    notRiff[0] = 'X';
    notWave[8] = 'A';
    hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = 0xFF; // the LIST chunk runs far past the end
    noRate[36] = noRate[37] = 0;                                           // sample rate 0
    // Also refused: "fmt " under 16 bytes, empty data, not PCM without its extra-bytes count, no data chunk,
    // 11 bytes, a data chunk with no whole frame, and one frame over 10 s.
    const std::vector<uint8_t> bad[] = {notRiff, notWave, hugeChunk, noRate, wavBytes(16, 8, 8, 14), wavBytes(16, 0, 0),
                                        wavBytes(16, 8, 8, 16, 3), {good.begin(), good.begin() + 48},
                                        {good.begin(), good.begin() + 11}, wavBytes(16, 8, 1),
                                        wavBytes(16, tenSeconds + 2, tenSeconds + 2)};
    for (const auto& bytes : bad) EXPECT_FALSE(parseWav(bytes.data(), bytes.size(), clip)) << &bytes - bad;
    EXPECT_FALSE(parseWav(nullptr, 0, clip));
    EXPECT_FALSE(readWavFile("no such file.wav", clip));
}

struct SoundTest : ::testing::Test {
    ScratchFolder folder{"zentory_sound_test"};
    void SetUp() override
    {
        std::filesystem::create_directories("sounds");
        headlessReset();
        headlessAudioReset();
        resetSoundRateTable();
        writeText("sounds/click.wav", wavText(200, 200));
    }
    void TearDown() override { shutdownSound(); }
    int plays() { return static_cast<int>(headlessAudio().plays.size()); }
};

TEST_F(SoundTest, VolumeIsClampedAndTheFileHoldsOnlyTheNumber)
{
    bringUpSound("sounds.lst");
    EXPECT_FALSE(std::filesystem::exists("svol.lst")); // only the player's change writes
    setSoundVolume(0);
    EXPECT_EQ(readText("svol.lst"), "1");
    setSoundVolume(25);
    EXPECT_EQ(readText("svol.lst"), "20");
    // Read as a number would be typed, unclamped; one past any int clamps instead of wrapping.
    const std::pair<const char*, int> files[] = {{"loud", 3},          {"", 3},  {" \n+12 apples", 12},
                                                 {"-4", -4},           {"99999999999", 20},
                                                 {"-99999999999", 1},  {"2147483648", 20}, {"57", 57}};
    for (const auto& [text, level] : files) {
        writeText("svol.lst", text);
        EXPECT_EQ(getSoundVolume(), level) << text;
    }
    bringUpSound("sounds.lst"); // plays the stored 57 as 20, and leaves the file alone
    EXPECT_EQ(readText("svol.lst"), "57");
    // A link under the name is replaced by the level, never written through.
    writeText("notes.txt", "my notes");
    std::filesystem::remove("svol.lst");
    std::filesystem::create_symlink("notes.txt", "svol.lst");
    bringUpSound("sounds.lst");
    setSoundVolume(7);
    EXPECT_EQ(std::tuple(readText("notes.txt"), std::filesystem::is_symlink("svol.lst"), readText("svol.lst")),
              std::tuple("my notes", false, "7"));

    // Without a device nothing plays, but the file works as before.
    headlessAudioReset(false);
    writeText("sounds.lst", "menuSound 1 sounds/click.wav");
    writeText("svol.lst", "12");
    bringUpSound("sounds.lst");
    playSound("menuSound");
    EXPECT_EQ(std::pair(plays(), readText("svol.lst")), std::pair(0, std::string("12")));
}

TEST_F(SoundTest, VoicesStartNoMoreOftenThanTheirCountAllowsAndABusyVoiceIsNotRestarted)
{
    // One voice: every two seconds, the first at once although the clock starts near 0 with the program.
    writeText("sounds.lst", "menuSound 1 sounds/click.wav");
    bringUpSound("sounds.lst");
    headlessSetTicks(0);
    for (int t = 0; t < 5000; t += 16) {
        playSound("menuSound");
        headlessAdvance(16);
        headlessAudio().channelBusy.assign(headlessAudio().channelBusy.size(), false); // each ends at once
    }
    EXPECT_EQ(plays(), 3);

    // Four voices and a 3 s clip: starts at 0, 500, 1000, 1500 on the four voices; at 2000 and 2500 all
    // are busy and nothing restarts; at 3000 the first voice is free again.
    headlessAudioReset();
    resetSoundRateTable();
    writeText("sounds.lst", "menuSound 4 sounds/click.wav");
    bringUpSound("sounds.lst");
    std::vector<int> channels;
    for (int t = 0; t <= 3000; t += 100) {
        if (t == 3000) headlessAudio().channelBusy[0] = false;
        size_t before = headlessAudio().plays.size();
        playSound("menuSound");
        if (headlessAudio().plays.size() > before) channels.push_back(headlessAudio().plays.back().channel);
        headlessAdvance(100);
    }
    ASSERT_EQ(channels.size(), 5u);
    EXPECT_EQ(channels, std::vector<int>({channels[0], channels[0] + 1, channels[0] + 2, channels[0] + 3, channels[0]}));
}

TEST_F(SoundTest, TheListStopsAtABrokenRecordBadEntriesPlayNothingAndTheGainFollowsTheVolume)
{
    std::string longPath(80, 'a');
    writeText("sounds.lst", "a 1 sounds/click.wav\n\tb 0 sounds/click.wav c 2 missing.wav d 1 " + longPath +
                                " a 2 sounds/click.wav e x sounds/click.wav f 1 sounds/click.wav");
    bringUpSound("sounds.lst");
    // Reading stops at "e x"; the later record of "a" wins; b (no voice), c (missing file) and d (path over
    // 79 characters) are names without an effect, 0 here.
    std::map<std::string, int> voices;
    for (const auto& [name, effect] : soundPlayer.sounds) voices[name] = effect ? effect->voiceCount : 0;
    EXPECT_EQ(voices, (std::map<std::string, int>{{"a", 2}, {"b", 0}, {"c", 0}, {"d", 0}}));
    for (const char* name : {"b", "c", "nothing"}) playSound(name);
    EXPECT_EQ(plays(), 0);

    // The gain follows the attenuation, also for a voice already sounding.
    setSoundVolume(20);
    playSound("a");
    ASSERT_EQ(plays(), 1);
    const int first = headlessAudio().plays[0].channel;
    EXPECT_DOUBLE_EQ(headlessAudio().channelGain[first], 1.0);
    setSoundVolume(1);
    headlessAdvance(2000);
    playSound("a");
    ASSERT_EQ(plays(), 2);
    EXPECT_NEAR(headlessAudio().channelGain[first], 0.0031623, 1e-6); // -50 dB
    EXPECT_NEAR(headlessAudio().plays[1].gain, 0.0031623, 1e-6);
}

} // namespace
