// Sound and music through SDL's disk audio driver, which writes the mixed
// output to a file: what the player would hear, measured.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/music.h"
#include "engine/platform/audio.h"
#include "engine/sound.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t bytesPerSecond = 22050 * 4; // the mixer's stereo 16-bit output

// A scratch folder to work in, and the driver's output file inside it.
struct DiskAudio {
    ScratchFolder folder{"zentory_disk_audio"};
    std::string file = (folder.dir / "out.raw").string();
    DiskAudio()
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        // A 2 ms pause per 46 ms buffer: far faster than real time, yet the mixer thread lets go of its
        // lock, so closing the device cannot starve while the file grows without end.
        setenv("SDL_DISKAUDIODELAY", "2", 1);
    }
    size_t bytes() const { return fs::exists(file) ? static_cast<size_t>(fs::file_size(file)) : 0; }
    // Waits until the output holds at least `target` bytes (or 10 s passed).
    void waitFor(size_t target) const
    {
        for (int i = 0; i < 2000 && bytes() < target; ++i) SDL_Delay(5);
    }
    // Stereo 16-bit samples written so far.
    std::vector<int16_t> samples() const
    {
        const std::string raw = readText(file);
        std::vector<int16_t> s(raw.size() / 2);
        std::memcpy(s.data(), raw.data(), s.size() * 2);
        return s;
    }
};

// The loudest 50 ms window between two byte offsets, in dB below full scale.
double loudestDb(const std::vector<int16_t>& s, size_t fromByte, size_t toByte)
{
    const size_t window = bytesPerSecond / 20 / 2; // in samples
    double loudest = 0;                             // the largest mean square
    for (size_t i = fromByte / 2; i + window <= std::min(toByte / 2, s.size()); i += window / 2) {
        double sum = 0;
        for (size_t j = i; j < i + window; ++j) sum += double(s[j]) * s[j];
        loudest = std::max(loudest, sum / double(window));
    }
    return 10 * std::log10(std::max(loudest, 1e-6) / (32768.0 * 32768.0));
}

// A 10 s sine tone (the longest effect kept), mono 16-bit at 22050 Hz, near full scale.
void writeTone(const std::string& path)
{
    std::vector<int16_t> samples(22050 * 10);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(std::lround(30000 * std::sin(2 * M_PI * 440.0 * double(i) / 22050)));
    const uint32_t size = static_cast<uint32_t>(samples.size() * 2);
    const uint32_t header[] = {0x46464952, 36 + size, 0x45564157, 0x20746d66, 16, 0x00010001, 22050, 44100, 0x00100002,
                               0x61746164, size}; // RIFF, WAVE, "fmt ": PCM, mono, 22050 Hz, 16-bit; data
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out.write(reinterpret_cast<const char*>(samples.data()), size);
}

TEST(DiskAudio, TheClickIsHeardAndAVolumeChangeReachesAVoiceAlreadySounding)
{
    DiskAudio disk;
    fs::copy_file(fs::path(ZENTORY_SOURCE_DATA_DIR) / "sounds" / "menu.wav", "click.wav");
    writeTone("tone.wav");
    initSound();
    loadSound("click.wav", "menuSound", 1);
    loadSound("tone.wav", "tone", 1);
    setSoundVolume(20);
    size_t clickStart = disk.bytes();
    startSound("menuSound");
    disk.waitFor(clickStart + bytesPerSecond / 2);
    size_t toneStart = disk.bytes();
    startSound("tone");
    disk.waitFor(toneStart + bytesPerSecond);
    size_t change = disk.bytes();
    setSoundVolume(1); // -50 dB, while the tone sounds
    disk.waitFor(change + 2 * bytesPerSecond);
    shutdownSound();
    auto s = disk.samples();
    ASSERT_GE(s.size() * 2, change + 2 * bytesPerSecond);
    EXPECT_GT(loudestDb(s, clickStart, toneStart), -20.0);
    // The tone is steady: its loudest window before the change and in the second second after it.
    double loud = loudestDb(s, change - bytesPerSecond / 2, change);
    double quiet = loudestDb(s, change + bytesPerSecond, change + 2 * bytesPerSecond);
    EXPECT_GT(loud, -10.0);
    EXPECT_NEAR(loud - quiet, 50.0, 2.0);
}

TEST(DiskAudio, ADamagedTrackWithAGoodHeaderIsPassedOverAndTheMusicGoesOn)
{
    DiskAudio disk;
    // A good header, then a track chunk the synthesizer cannot read.
    writeText("damaged.mid", std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0\x08\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 30));
    fs::copy_file(fs::path(ZENTORY_SOURCE_DATA_DIR) / "music" / "drift.mid", "good.mid");
    writeText("music.lst", "damaged.mid good.mid");
    ASSERT_TRUE(audioOpen());
    bringUpMusic("music.lst");
    seedEngineRandom(0); // whose first pick of two is the first track
    setMusicVolume(20);
    ASSERT_GE(musicTracks.slots[0], 0); // its header passed the check at start-up
    for (int frame = 0; frame < 1000 && (musicTracks.slots[0] >= 0 || !audioMusicPlaying()); ++frame) {
        updateMusic();
        SDL_Delay(16);
    }
    EXPECT_EQ(musicTracks.slots[0], -1);
    ASSERT_TRUE(audioMusicPlaying());
    EXPECT_EQ(musicChooser.chosen, 1);
    // And it is heard: the loudest second past the first, softer bars.
    size_t from = disk.bytes();
    disk.waitFor(from + 20 * bytesPerSecond);
    shutdownMusic();
    audioClose();
    auto s = disk.samples();
    EXPECT_GT(loudestDb(s, from, s.size() * 2), -40.0);
}

} // namespace
