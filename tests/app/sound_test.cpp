#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/platform/headless.h"
#include "engine/platform/headless_audio.h"
#include "engine/sound.h"
#include "engine/volume_file.h"
#include "engine/wav.h"
#include "tests/support/scratch_dir.h"

namespace {

// A RIFF/WAVE file, mono at 22050 Hz, with an unrelated chunk first; dataSize
// may claim more than is there.
std::vector<uint8_t> wavBytes(int bits, uint32_t dataSize, size_t present, uint32_t fmtSize = 16, uint16_t formatTag = 1)
{
    std::vector<uint8_t> v;
    auto put = [&v](uint32_t x) {
        for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    };
    // "RIFF", its size (set below), "WAVE", a 3-byte "LIST" chunk with its pad byte, then "fmt ".
    for (uint32_t x : {0x46464952u, 0u, 0x45564157u, 0x5453494Cu, 3u, 0x030201u, 0x20746D66u, fmtSize,
                       formatTag | 1u << 16, 22050u, 22050u * bits / 8, uint32_t(bits / 8) | uint32_t(bits) << 16})
        put(x);
    v.resize(v.size() + fmtSize - 16, 0);
    put(0x61746164u); // "data"
    put(dataSize);
    for (size_t i = 0; i < present; ++i) v.push_back(static_cast<uint8_t>(0x40 + i % 7));
    const uint32_t riff = static_cast<uint32_t>(v.size() - 8);
    std::memcpy(v.data() + 4, &riff, 4);
    return v;
}

TEST(WavReader, ReadsPcmAndPadsAShortFileWithSilence)
{
    WavClip clip;
    auto full = wavBytes(16, 8, 8);
    ASSERT_TRUE(parseWav(full.data(), full.size(), clip));
    EXPECT_EQ(clip.channels, 1);
    EXPECT_EQ(clip.samplesPerSecond, 22050u);
    EXPECT_EQ(clip.bitsPerSample, 16);
    EXPECT_EQ(clip.data.size(), 8u);

    auto short8 = wavBytes(8, 10, 4);
    ASSERT_TRUE(parseWav(short8.data(), short8.size(), clip));
    ASSERT_EQ(clip.data.size(), 10u);
    EXPECT_EQ(clip.data[3], 0x40 + 3);
    EXPECT_EQ(clip.data[9], 0x80); // silence of 8-bit samples
    auto short16 = wavBytes(16, 10, 4);
    ASSERT_TRUE(parseWav(short16.data(), short16.size(), clip));
    EXPECT_EQ(clip.data[9], 0);
}

TEST(WavReader, RefusesWhatIsNotAPlayableWave)
{
    WavClip clip;
    auto good = wavBytes(16, 8, 8);
    auto notRiff = good;
    notRiff[0] = 'X';
    auto notWave = good;
    notWave[8] = 'A';
    auto smallFmt = wavBytes(16, 8, 8, 14);
    auto emptyData = wavBytes(16, 0, 0);
    auto extraMissing = wavBytes(16, 8, 8, 16, 3); // not PCM, no extra-bytes count
    std::vector<uint8_t> noData(good.begin(), good.begin() + 48);
    for (auto* bad : {&notRiff, &notWave, &smallFmt, &emptyData, &extraMissing, &noData})
        EXPECT_FALSE(parseWav(bad->data(), bad->size(), clip));
    EXPECT_FALSE(parseWav(good.data(), 11, clip));
    EXPECT_FALSE(parseWav(nullptr, 0, clip));
    // A chunk size running far past the end stops the search safely.
    auto huge = good;
    huge[16] = huge[17] = huge[18] = huge[19] = 0xFF; // the LIST chunk's size
    EXPECT_FALSE(parseWav(huge.data(), huge.size(), clip));
    // A short file may be padded, but not to whatever a damaged size claims.
    auto claimsGigabyte = wavBytes(16, 0x46464952u, 16);
    EXPECT_FALSE(parseWav(claimsGigabyte.data(), claimsGigabyte.size(), clip));
    auto atTheLimit = wavBytes(16, kMaxWavDataBytes, 16);
    EXPECT_TRUE(parseWav(atTheLimit.data(), atTheLimit.size(), clip));
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
        const auto clip = wavBytes(16, 200, 200);
        writeText("sounds/click.wav", std::string(clip.begin(), clip.end()));
    }
    void TearDown() override { shutdownSound(); }
    int plays() { return static_cast<int>(headlessAudio().plays.size()); }
};

TEST_F(SoundTest, VolumeIsClampedAndTheFileHoldsOnlyTheNumber)
{
    bringUpSound("sounds.lst");
    EXPECT_EQ(readText("svol.lst"), "3"); // created when missing
    setSoundVolume(0);
    EXPECT_EQ(readText("svol.lst"), "1");
    setSoundVolume(25);
    EXPECT_EQ(readText("svol.lst"), "20");
    writeText("svol.lst", "57");
    EXPECT_EQ(getSoundVolume(), 57); // read unclamped
    bringUpSound("sounds.lst");
    EXPECT_EQ(readText("svol.lst"), "20");
    // Read as a number would be typed; one past any int clamps instead of wrapping.
    const std::pair<const char*, int> files[] = {{"loud", 3}, {"", 3}, {" \n+12 apples", 12}, {"-4", -4},
                                                 {"99999999999", 20}, {"-99999999999", 1}, {"2147483648", 20}};
    for (const auto& [text, level] : files) {
        writeText("svol.lst", text);
        EXPECT_EQ(getSoundVolume(), level) << text;
    }

    // Without a device nothing plays, but the file works as before.
    headlessAudioReset(false);
    writeText("sounds.lst", "menuSound 1 sounds/click.wav");
    writeText("svol.lst", "12");
    bringUpSound("sounds.lst");
    playSound("menuSound");
    EXPECT_EQ(plays(), 0);
    EXPECT_EQ(readText("svol.lst"), "12");
}

TEST_F(SoundTest, VoicesStartNoMoreOftenThanTheirCountAllowsAndABusyVoiceIsNotRestarted)
{
    // One voice: every two seconds, the first request at once although the
    // clock starts near 0 with the program.
    writeText("sounds.lst", "menuSound 1 sounds/click.wav");
    bringUpSound("sounds.lst");
    headlessSetTicks(0);
    for (int t = 0; t < 5000; t += 16) {
        playSound("menuSound");
        headlessAdvance(16);
        headlessAudio().channelBusy.assign(headlessAudio().channelBusy.size(), false); // each ends at once
    }
    EXPECT_EQ(plays(), 3);

    // Four voices and a 3 s clip: starts at 0, 500, 1000, 1500 on the four
    // voices; at 2000 and 2500 all are busy and nothing restarts; at 3000 the
    // first voice is free again.
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

TEST_F(SoundTest, TheListStopsAtABrokenRecordAndBadEntriesPlayNothing)
{
    std::string longPath(80, 'a');
    writeText("sounds.lst", "a 1 sounds/click.wav\n\tb 0 sounds/click.wav c 2 missing.wav d 1 " + longPath +
                                " a 2 sounds/click.wav e x sounds/click.wav f 1 sounds/click.wav");
    bringUpSound("sounds.lst");
    auto& s = soundPlayer.sounds;
    EXPECT_EQ(s.size(), 4u); // a, b, c, d; reading stopped at "e x"
    ASSERT_TRUE(s.count("a") && s["a"]);
    EXPECT_EQ(s["a"]->voiceCount, 2); // the later record wins
    EXPECT_FALSE(s["b"]);             // voice count below 1
    EXPECT_FALSE(s["c"]);             // missing file
    EXPECT_FALSE(s["d"]);             // path longer than 79 characters
    EXPECT_EQ(s.count("f"), 0u);
    playSound("b");
    playSound("c");
    playSound("nothing");
    EXPECT_EQ(plays(), 0);
    playSound("a");
    EXPECT_EQ(plays(), 1);
}

TEST_F(SoundTest, TheGainFollowsTheAttenuationAlsoForAVoiceAlreadySounding)
{
    writeText("sounds.lst", "menuSound 2 sounds/click.wav");
    bringUpSound("sounds.lst");
    setSoundVolume(20);
    playSound("menuSound");
    ASSERT_EQ(plays(), 1);
    int first = headlessAudio().plays[0].channel;
    EXPECT_DOUBLE_EQ(headlessAudio().channelGain[first], 1.0);
    setSoundVolume(1);
    EXPECT_NEAR(headlessAudio().channelGain[first], 0.0031623, 1e-6); // -50 dB
    headlessAdvance(2000);
    playSound("menuSound");
    ASSERT_EQ(plays(), 2);
    EXPECT_NEAR(headlessAudio().plays[1].gain, 0.0031623, 1e-6);
}

} // namespace
