#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/random.h"
#include "engine/music.h"
#include "engine/music_loader.h"
#include "engine/platform/audio.h"
#include "engine/platform/headless.h"
#include "engine/platform/headless_audio.h"
#include "tests/support/scratch_dir.h"

namespace {

struct MusicTest : ::testing::Test {
    ScratchFolder folder{"zentory_music_test"};
    void SetUp() override
    {
        headlessReset();
        headlessAudioReset();
        audioOpen(); // the sound part opens the device the music plays on
        seedEngineRandom(7);
    }
    void TearDown() override
    {
        headlessHoldMusicPreparation(false);
        shutdownMusic();
    }
    static void midi(const std::string& name) { writeText(name, std::string("MThd\0\0\0\6\0\0\0\1\1\xE0", 14)); }
    static void list(const std::string& text) { writeText("music.lst", text); }
    // Files t0.mid .. t<count - 1>.mid, all listed, spread over lines and tabs.
    static void manyTracks(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) {
            midi("t" + std::to_string(i) + ".mid");
            text += "t" + std::to_string(i) + ".mid" + (i % 3 ? " " : "\n\t");
        }
        list(text);
    }
    std::vector<std::string>& started() { return headlessAudio().musicStarted; }
    // One frame's music update, 16 ms after the last, once the worker is idle.
    void frame(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            waitForMusicLoader();
            headlessAdvance(16);
            updateMusic();
        }
        waitForMusicLoader();
    }
    void endTrack() { headlessAudio().musicPlaying = false; }
};

TEST_F(MusicTest, NoMusicFirstNoFileThatLoadsOrNoDeviceMeansSilenceSeventyNamesLoadTheFirstSixtyAndVolumesAreClamped)
{
    midi("a.mid");
    writeText("bad.mid", "not a midi file");
    const char* lists[] = {"noMusic", "noMusic a.mid a.mid", "", "bad.mid missing.mid", nullptr};
    for (const char* text : lists) {
        if (text) list(text);
        bringUpMusic(text ? "music.lst" : nullptr);
        frame(5);
        EXPECT_TRUE(started().empty()) << (text ? text : "no list");
    }

    manyTracks(70);
    bringUpMusic("music.lst");
    ASSERT_EQ(musicTracks.names.size(), 60u);
    EXPECT_TRUE(musicTracks.names[59] == "t59.mid" && std::ranges::min(musicTracks.slots) >= 0);

    audioClose();
    bringUpMusic("music.lst");
    frame();
    EXPECT_TRUE(started().empty());
    setMusicVolume(7);
    EXPECT_EQ(getMusicVolume(), 7);

    // The volume is clamped and stored, and every level is louder than the one below.
    audioOpen();
    bringUpMusic("music.lst");
    setMusicVolume(0);
    EXPECT_TRUE(readText("mvol.lst") == "1" && headlessAudio().musicGain > 0.01); // still heard
    double previous = 0;
    for (int level = 1; level <= 20; ++level) {
        setMusicVolume(level);
        // 128 mixer steps: each level must land on a step of its own.
        EXPECT_GT(std::lround(headlessAudio().musicGain * 128), std::lround(previous * 128)) << level;
        previous = headlessAudio().musicGain;
    }
    setMusicVolume(99);
    EXPECT_EQ(std::pair(readText("mvol.lst"), headlessAudio().musicGain), std::pair(std::string("20"), 1.0));
    EXPECT_EQ(std::pair(musicMasterValue(0), musicMasterValue(99)), std::pair(-5000, 10000)); // clamped
    setMusicVolume(3);
    writeText("mvol.lst", "57"); // read unclamped, played clamped at the next start
    bringUpMusic("music.lst");
    EXPECT_EQ(std::pair(readText("mvol.lst"), headlessAudio().musicGain), std::pair(std::string("57"), 1.0));
}

TEST_F(MusicTest, OneTrackStartsAgainInTheFrameAfterItEnds)
{
    midi("only.mid");
    list("only.mid");
    bringUpMusic("music.lst");
    headlessAudio().reportPlaying = false; // the player reports it late
    frame(2);
    ASSERT_EQ(started().size(), 1u);
    frame(30); // not yet reported playing is not taken for ended
    const bool requested = musicChooser.requested;
    headlessAudio().musicPlaying = true;
    frame();
    const bool confirmed = musicChooser.confirmed;
    frame(100); // still playing: no new pick
    EXPECT_EQ(std::tuple(requested, confirmed, started().size()), std::tuple(true, true, 1u));
    endTrack();
    frame();
    EXPECT_FALSE(musicChooser.requested);
    frame(); // the next piece was prepared while the first played
    EXPECT_EQ(started(), std::vector<std::string>({"only.mid", "only.mid"}));
}

TEST_F(MusicTest, NoFrameWaitsForAPieceAndFewPiecesLiveAtOnce)
{
    manyTracks(60);
    headlessHoldMusicPreparation(true); // a synthesizer that takes its time
    bringUpMusic("music.lst");
    for (int i = 0; i < 30; ++i) {
        headlessAdvance(16);
        updateMusic(); // would hang here if a frame waited for the piece
    }
    EXPECT_TRUE(started().empty());
    headlessHoldMusicPreparation(false);
    frame(2);
    ASSERT_EQ(started().size(), 1u);
    for (int track = 0; track < 40; ++track) {
        frame(100);
        endTrack();
        frame(2);
    }
    EXPECT_EQ(started().size(), 41u);
    waitForMusicLoader();
    EXPECT_LE(headlessAudio().mostPieces, 3u); // playing, next, and one on its way out
    for (std::thread::id id : headlessAudio().preparedOn) EXPECT_NE(id, std::this_thread::get_id());
}

TEST_F(MusicTest, TracksThatFailToLoadOrToPlayArePassedOver)
{
    // "damaged" has a good header, but the mixer cannot start it; "silent" starts, but is never reported
    // playing; "brief" plays a moment and stops; "vanished" is gone by the time it is prepared.
    for (const char* name : {"good.mid", "damaged.mid", "silent.mid", "brief.mid", "vanished.mid"}) midi(name);
    writeText("bad.mid", "not a midi file");
    list("bad.mid missing.mid damaged.mid silent.mid brief.mid vanished.mid good.mid");
    headlessAudio().unplayable.insert("damaged.mid");
    headlessAudio().unpreparable.insert("vanished.mid");
    bringUpMusic("music.lst");
    auto failed = [] {
        std::vector<bool> f;
        for (int slot : musicTracks.slots) f.push_back(slot < 0);
        return f;
    };
    EXPECT_EQ(failed(), std::vector<bool>({true, true, false, false, false, false, false}));
    const std::vector<bool> onlyGoodLeft{true, true, true, true, true, true, false};
    for (int i = 1; i < 5000 && failed() != onlyGoodLeft; ++i) {
        frame();
        const std::string now = started().empty() ? "" : started().back();
        bool longEnough = platformTicks() - musicChooser.startedAt > 2 * musicFailureMs;
        if (now == "silent.mid" || (now == "brief.mid" && musicChooser.confirmed) || longEnough) endTrack();
    }
    EXPECT_EQ(failed(), onlyGoodLeft);
    // Only the good track plays from now on.
    started().clear();
    for (int i = 0; i < 5; ++i) {
        endTrack();
        frame(100);
    }
    EXPECT_EQ(started(), std::vector<std::string>(5, "good.mid"));
}

} // namespace
