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

#include "engine/platform/audio.h"
#include "engine/sound.h"

namespace fs = std::filesystem;

namespace {

struct DiskAudio {
    std::string file;
    explicit DiskAudio(const std::string& name)
    {
        file = (fs::temp_directory_path() / name).string();
        fs::remove(file);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        // A 2 ms pause per 46 ms buffer: far faster than real time, yet the
        // mixer thread lets go of its lock, so closing the device cannot
        // starve while the file grows without end.
        setenv("SDL_DISKAUDIODELAY", "2", 1);
    }
    std::uintmax_t bytes() const
    {
        std::error_code error;
        std::uintmax_t size = fs::file_size(file, error);
        return error ? 0 : size;
    }
    ~DiskAudio() { fs::remove(file); }
    // Stereo 16-bit samples written so far.
    std::vector<int16_t> samples() const
    {
        std::ifstream in(file, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> s(bytes.size() / 2);
        std::memcpy(s.data(), bytes.data(), s.size() * 2);
        return s;
    }
};

double rmsDb(const std::vector<int16_t>& s, size_t from, size_t to)
{
    double sum = 0;
    to = std::min(to, s.size());
    for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    double rms = to > from ? std::sqrt(sum / double(to - from)) : 0;
    return 20 * std::log10(std::max(rms, 1e-3) / 32768.0);
}

// The loudest 50 ms of the output, in dB below full scale.
double peakWindowDb(const std::vector<int16_t>& s)
{
    double best = -200;
    const size_t window = 22050 / 20 * 2;
    for (size_t i = 0; i + window <= s.size(); i += window / 2) best = std::max(best, rmsDb(s, i, i + window));
    return best;
}

double clickLevelDb(int volume)
{
    DiskAudio disk("zentory_click_" + std::to_string(volume) + ".raw");
    fs::current_path(ZENTORY_SOURCE_DATA_DIR);
    initSound();
    // The volume is stored in svol.lst, which belongs to the player: keep it.
    std::string saved;
    {
        std::ifstream in("svol.lst");
        std::getline(in, saved);
    }
    loadSound("sounds/menu.wav", "menuSound", 1);
    setSoundVolume(volume);
    startSound("menuSound");
    SDL_Delay(400);
    shutdownSound();
    if (saved.empty()) fs::remove("svol.lst");
    else std::ofstream("svol.lst") << saved;
    return peakWindowDb(disk.samples());
}

TEST(DiskAudio, TheClickIsAudibleAtTheTopLevelAndAboutFiftyDecibelsQuieterAtTheBottom)
{
    double loud = clickLevelDb(20);
    double quiet = clickLevelDb(1);
    EXPECT_GT(loud, -20.0);
    EXPECT_NEAR(loud - quiet, 50.0, 2.0);
}

TEST(DiskAudio, EveryShippedTrackIsHeard)
{
    for (const char* track : {"music/drift.mid", "music/nebula.mid", "music/orbit.mid"}) {
        DiskAudio disk("zentory_music.raw");
        fs::current_path(ZENTORY_SOURCE_DATA_DIR);
        ASSERT_TRUE(audioOpen());
        audioSetMusicGain(1.0);
        ASSERT_TRUE(audioPlayMusic(track)) << track << ": " << SDL_GetError();
        // Let the mixer render well past the first, softer bars.
        for (int i = 0; i < 200 && disk.bytes() < 22050u * 4 * 30; ++i) SDL_Delay(50);
        audioClose();
        auto s = disk.samples();
        ASSERT_GT(s.size(), 22050u * 2 * 10) << track;
        // The loudest second: the output may begin with silence rendered
        // before the track started.
        double loudest = -200;
        for (size_t i = 0; i + 44100 <= s.size(); i += 44100) loudest = std::max(loudest, rmsDb(s, i, i + 44100));
        EXPECT_GT(loudest, -40.0) << track;
    }
}

} // namespace
