// Every Standard MIDI File the game ships is read back with a reader of our
// own: well-formed chunks and events, and over two minutes long.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct MidiSummary {
    std::string problem; // empty for a well-formed file
    double seconds = 0;
    int notes = 0;
    std::set<int> programs;
};

MidiSummary readMidi(const std::string& path)
{
    MidiSummary m;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t pos = 0, end = b.size();
    // Big-endian number of n bytes; false past the end.
    auto number = [&](int n, uint32_t& v) {
        for (v = 0; n > 0; --n) {
            if (pos >= end) return false;
            v = v << 8 | b[pos++];
        }
        return true;
    };
    auto varLen = [&](uint32_t& v) {
        v = 0;
        for (int i = 0; i < 4 && pos < end; ++i) {
            const uint8_t c = b[pos++];
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80)) return true;
        }
        return false;
    };
    auto tag = [&](const char* t) { return pos + 4 <= end && std::equal(t, t + 4, b.begin() + long(pos)) && (pos += 4); };
    auto fail = [&m](const char* why) { return m.problem = why, m; };
    uint32_t length = 0, format = 0, tracks = 0, division = 0;
    if (!tag("MThd") || !number(4, length) || length != 6 || !number(2, format) || !number(2, tracks) ||
        !number(2, division) || format > 1 || tracks < 1 || division == 0 || (division & 0x8000))
        return fail("bad header");
    double usPerBeat = 500000;
    for (uint32_t t = 0; t < tracks; ++t) {
        end = b.size();
        if (!tag("MTrk") || !number(4, length) || pos + length > end) return fail("bad track chunk");
        end = pos + length;
        uint8_t status = 0;
        bool ended = false;
        double seconds = 0;
        while (pos < end && !ended) {
            uint32_t delta = 0;
            if (!varLen(delta) || pos >= end) return fail("bad delta");
            seconds += delta * usPerBeat / division / 1e6;
            if (b[pos] == 0xFF) {
                uint32_t type = 0, len = 0;
                ++pos;
                if (!number(1, type) || !varLen(len) || pos + len > end) return fail("bad meta event");
                if (type == 0x51 && len == 3) usPerBeat = b[pos] << 16 | b[pos + 1] << 8 | b[pos + 2];
                ended = type == 0x2F;
                pos += len;
                continue;
            }
            if (b[pos] & 0x80) status = b[pos++];
            const int kind = status & 0xF0;
            const size_t bytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (kind < 0x80 || kind == 0xF0 || pos + bytes > end) return fail("bad channel event");
            if ((b[pos] | (bytes == 2 ? b[pos + 1] : 0)) & 0x80) return fail("data byte with its top bit");
            if (kind == 0x90 && b[pos + 1] > 0) ++m.notes;
            if (kind == 0xC0) m.programs.insert(b[pos]);
            pos += bytes;
        }
        if (!ended || pos != end) return fail("track does not end with its end-of-track event");
        m.seconds = std::max(m.seconds, seconds);
    }
    return m;
}

TEST(ShippedMusic, ThreeOrMoreValidTracksOfOverTwoMinutes)
{
    std::ifstream list(std::string(ZENTORY_SOURCE_DATA_DIR) + "/music.lst");
    std::vector<std::string> tracks;
    for (std::string word; list >> word;) tracks.push_back(word);
    ASSERT_GE(tracks.size(), 3u);
    ASSERT_NE(tracks[0], "noMusic");
    std::set<std::set<int>> instrumentations;
    for (const std::string& t : tracks) {
        const MidiSummary m = readMidi(std::string(ZENTORY_SOURCE_DATA_DIR) + "/" + t);
        EXPECT_EQ(m.problem, "") << t;
        EXPECT_GE(m.seconds, 120.0) << t;
        EXPECT_GT(m.notes, 100) << t;
        EXPECT_GE(m.programs.size(), 3u) << t;
        instrumentations.insert(m.programs);
    }
    EXPECT_EQ(instrumentations.size(), tracks.size()); // each track has its own sound
}

} // namespace
