#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "engine/music.h"
#include "engine/platform/headless.h"
#include "engine/platform/audio.h"
#include "engine/platform/headless_audio.h"
#include "engine/random.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

struct MusicTest : ::testing::Test {
    fs::path saved = fs::current_path();
    fs::path dir = scratchDir("zentory_music_test");
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
        headlessReset();
        headlessAudioReset();
        audioOpen(); // the sound part opens the device the music plays on
        seedRandom(7);
    }
    void TearDown() override
    {
        shutdownMusic();
        fs::current_path(saved);
        fs::remove_all(dir);
    }
    static void midi(const std::string& name)
    {
        std::ofstream(name, std::ios::binary).write("MThd\0\0\0\6\0\0\0\1\1\xE0", 14);
    }
    static void list(const std::string& text) { std::ofstream("music.lst") << text; }
    static std::string readText(const std::string& path)
    {
        std::ifstream in(path);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::vector<std::string>& started() { return headlessAudio().musicStarted; }
};

TEST_F(MusicTest, NoMusicFirstMeansSilence)
{
    midi("a.mid");
    for (const char* text : {"noMusic", "noMusic a.mid a.mid", ""}) {
        list(text);
        bringUpMusic("music.lst");
        for (int i = 0; i < 5; ++i) updateMusic();
        EXPECT_TRUE(started().empty()) << text;
        EXPECT_TRUE(musicTracks.names.empty());
    }
    bringUpMusic(nullptr);
    updateMusic();
    EXPECT_TRUE(started().empty());
}

TEST_F(MusicTest, SeventyNamesLoadTheFirstSixty)
{
    std::string text;
    for (int i = 0; i < 70; ++i) {
        std::string name = "t" + std::to_string(i) + ".mid";
        midi(name);
        text += name + (i % 3 ? " " : "\n\t");
    }
    list(text);
    bringUpMusic("music.lst");
    ASSERT_EQ(musicTracks.names.size(), 60u);
    EXPECT_EQ(musicTracks.names[59], "t59.mid");
    for (int slot : musicTracks.slots) EXPECT_GE(slot, 0);
}

TEST_F(MusicTest, OneTrackStartsConfirmsEndsAndStartsAgain)
{
    midi("only.mid");
    list("only.mid");
    bringUpMusic("music.lst");
    updateMusic();
    ASSERT_EQ(started().size(), 1u);
    EXPECT_TRUE(musicChooser.requested);
    EXPECT_TRUE(musicChooser.confirmed); // the stand-in reports playing at once
    for (int i = 0; i < 10; ++i) updateMusic();
    EXPECT_EQ(started().size(), 1u); // still playing: no new pick
    headlessAudio().musicPlaying = false; // the track ended
    updateMusic();
    EXPECT_FALSE(musicChooser.requested);
    updateMusic();
    EXPECT_EQ(started().size(), 2u);
    EXPECT_EQ(started()[1], "only.mid");
}

TEST_F(MusicTest, ATrackNotYetReportedPlayingIsNotTakenForEnded)
{
    midi("a.mid");
    list("a.mid");
    bringUpMusic("music.lst");
    headlessAudio().unplayable.insert("a.mid"); // the player starts it late
    updateMusic();
    EXPECT_TRUE(musicChooser.requested);
    EXPECT_FALSE(musicChooser.confirmed);
    for (int i = 0; i < 5; ++i) updateMusic();
    EXPECT_TRUE(musicChooser.requested); // waiting, not choosing again
}

TEST_F(MusicTest, TracksThatFailedToLoadArePassedOver)
{
    midi("good.mid");
    std::ofstream("bad.mid") << "not a midi file";
    list("bad.mid missing.mid good.mid");
    bringUpMusic("music.lst");
    EXPECT_EQ(musicTracks.slots[0], -1);
    EXPECT_EQ(musicTracks.slots[1], -1);
    for (int i = 0; i < 50 && started().empty(); ++i) updateMusic();
    ASSERT_EQ(started().size(), 1u);
    EXPECT_EQ(started()[0], "good.mid");

    // A list none of whose files load stays silent and draws no numbers.
    shutdownMusic();
    list("bad.mid missing.mid");
    bringUpMusic("music.lst");
    uint32_t before = randomState();
    updateMusic();
    EXPECT_EQ(randomState(), before);
}

TEST_F(MusicTest, WithoutADeviceThereIsNoMusicButTheVolumeFileWorks)
{
    audioClose();
    midi("a.mid");
    list("a.mid");
    bringUpMusic("music.lst");
    updateMusic();
    EXPECT_TRUE(started().empty());
    setMusicVolume(7);
    EXPECT_EQ(getMusicVolume(), 7);
}

TEST_F(MusicTest, VolumeClampsAndEveryLevelSoundsDifferent)
{
    bringUpMusic("music.lst");
    EXPECT_EQ(readText("mvol.lst"), "3");
    setMusicVolume(0);
    EXPECT_EQ(readText("mvol.lst"), "1");
    EXPECT_DOUBLE_EQ(headlessAudio().musicGain, musicGainOfLevel(1));
    setMusicVolume(99);
    EXPECT_EQ(readText("mvol.lst"), "20");
    EXPECT_DOUBLE_EQ(headlessAudio().musicGain, 1.0);
    EXPECT_EQ(musicMasterValue(0), -5000);
    EXPECT_EQ(musicMasterValue(99), 10000);
    // Quiet but audible at level 1, and 128 mixer steps keep all 20 apart.
    std::set<long> steps;
    for (int level = 1; level <= 20; ++level) steps.insert(std::lround(musicGainOfLevel(level) * 128));
    EXPECT_EQ(steps.size(), 20u);
    EXPECT_GE(*steps.begin(), 3);
    std::ofstream("mvol.lst") << "57";
    EXPECT_EQ(getMusicVolume(), 57);
    bringUpMusic("music.lst");
    EXPECT_EQ(readText("mvol.lst"), "20");
}

} // namespace
