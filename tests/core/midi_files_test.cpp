// Every Standard MIDI File the game ships is read back with a reader of our
// own: well-formed chunks and events, and over two minutes long.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct MidiSummary {
    bool valid = false;
    std::string problem;
    double seconds = 0;
    int notes = 0;
    std::set<int> programs;
};

MidiSummary readMidi(const std::string& path)
{
    MidiSummary m;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto be32 = [&](size_t p) { return uint32_t(b[p]) << 24 | uint32_t(b[p + 1]) << 16 | uint32_t(b[p + 2]) << 8 | b[p + 3]; };
    if (b.size() < 22 || std::string(b.begin(), b.begin() + 4) != "MThd" || be32(4) != 6) {
        m.problem = "no header";
        return m;
    }
    int format = b[8] << 8 | b[9], tracks = b[10] << 8 | b[11], division = b[12] << 8 | b[13];
    if (format > 1 || tracks < 1 || division <= 0 || division & 0x8000) {
        m.problem = "bad header fields";
        return m;
    }
    size_t pos = 14;
    double usPerBeat = 500000;
    for (int t = 0; t < tracks; ++t) {
        if (pos + 8 > b.size() || std::string(b.begin() + long(pos), b.begin() + long(pos) + 4) != "MTrk") {
            m.problem = "missing track chunk";
            return m;
        }
        size_t end = pos + 8 + be32(pos + 4);
        if (end > b.size()) {
            m.problem = "track runs past the file";
            return m;
        }
        pos += 8;
        uint8_t status = 0;
        bool ended = false;
        double seconds = 0;
        auto varLen = [&](uint32_t& v) {
            v = 0;
            for (int i = 0; i < 4; ++i) {
                if (pos >= end) return false;
                uint8_t c = b[pos++];
                v = v << 7 | (c & 0x7F);
                if (!(c & 0x80)) return true;
            }
            return false;
        };
        while (pos < end && !ended) {
            uint32_t delta;
            if (!varLen(delta)) {
                m.problem = "bad delta";
                return m;
            }
            seconds += delta * usPerBeat / division / 1e6;
            if (pos >= end) break;
            uint8_t c = b[pos];
            if (c == 0xFF) {
                uint8_t type = b[pos + 1];
                pos += 2;
                uint32_t len;
                if (!varLen(len) || pos + len > end) {
                    m.problem = "bad meta event";
                    return m;
                }
                if (type == 0x51 && len == 3) usPerBeat = b[pos] << 16 | b[pos + 1] << 8 | b[pos + 2];
                if (type == 0x2F) ended = true;
                pos += len;
                continue;
            }
            if (c & 0x80) {
                status = c;
                ++pos;
            } else if (!status) {
                m.problem = "data without status";
                return m;
            }
            int kind = status & 0xF0;
            int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (kind < 0x80 || kind == 0xF0 || pos + dataBytes > end) {
                m.problem = "bad channel event";
                return m;
            }
            for (int i = 0; i < dataBytes; ++i)
                if (b[pos + i] & 0x80) {
                    m.problem = "data byte with its top bit set";
                    return m;
                }
            if (kind == 0x90 && b[pos + 1] > 0) ++m.notes;
            if (kind == 0xC0) m.programs.insert(b[pos]);
            pos += dataBytes;
        }
        if (!ended || pos != end) {
            m.problem = "track does not end with its end-of-track event";
            return m;
        }
        m.seconds = std::max(m.seconds, seconds);
    }
    m.valid = true;
    return m;
}

std::vector<std::string> shippedTracks()
{
    std::ifstream list(std::string(ZENTORY_SOURCE_DATA_DIR) + "/music.lst");
    std::vector<std::string> names;
    std::string word;
    while (list >> word) names.push_back(word);
    return names;
}

TEST(ShippedMusic, ThreeOrMoreValidTracksOfOverTwoMinutes)
{
    auto tracks = shippedTracks();
    ASSERT_GE(tracks.size(), 3u);
    ASSERT_NE(tracks[0], "noMusic");
    std::set<std::set<int>> instrumentations;
    for (const std::string& t : tracks) {
        MidiSummary m = readMidi(std::string(ZENTORY_SOURCE_DATA_DIR) + "/" + t);
        EXPECT_TRUE(m.valid) << t << ": " << m.problem;
        EXPECT_GE(m.seconds, 120.0) << t;
        EXPECT_GT(m.notes, 100) << t;
        EXPECT_GE(m.programs.size(), 3u) << t;
        instrumentations.insert(m.programs);
    }
    EXPECT_EQ(instrumentations.size(), tracks.size()); // each track has its own sound
}

TEST(ShippedMusic, TheReaderRefusesBrokenFiles)
{
    const std::string path = "broken_test.mid";
    // A track that promises 16 bytes and ends after two.
    static const char bytes[] = "MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0\x10\0\x90";
    std::ofstream(path, std::ios::binary).write(bytes, sizeof bytes - 1);
    EXPECT_FALSE(readMidi(path).valid);
    std::remove(path.c_str());
}

} // namespace
