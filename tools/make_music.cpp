// Composes the game's music and writes it as Standard MIDI Files: slow,
// calm space-ambient pieces for General MIDI instruments, each over two
// minutes. Deterministic: the same files every run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Event {
    uint32_t tick;
    int order; // note-offs before note-ons at the same tick
    std::vector<uint8_t> bytes;
};

constexpr int ticksPerBeat = 480;

struct Piece {
    std::string file;
    int bpm;
    int root;                              // MIDI note of the key's root
    std::vector<std::vector<int>> chords;  // intervals above the root, one chord per two bars
    int padProgram, secondPadProgram, bellProgram, bassProgram;
    uint32_t seed;
};

uint32_t hash(uint32_t a, uint32_t b)
{
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

void note(std::vector<Event>& ev, int channel, int pitch, int velocity, uint32_t start, uint32_t length)
{
    pitch = std::clamp(pitch, 0, 127);
    ev.push_back({start, 1, {uint8_t(0x90 | channel), uint8_t(pitch), uint8_t(velocity)}});
    ev.push_back({start + length, 0, {uint8_t(0x80 | channel), uint8_t(pitch), 0}});
}

void control(std::vector<Event>& ev, int channel, int controller, int value, uint32_t at = 0)
{
    ev.push_back({at, 0, {uint8_t(0xB0 | channel), uint8_t(controller), uint8_t(value)}});
}

void program(std::vector<Event>& ev, int channel, int prog)
{
    ev.push_back({0, 0, {uint8_t(0xC0 | channel), uint8_t(prog)}});
}

std::vector<Event> compose(const Piece& p)
{
    std::vector<Event> ev;
    uint32_t usPerBeat = 60000000u / static_cast<uint32_t>(p.bpm);
    ev.push_back({0, 0, {0xFF, 0x51, 0x03, uint8_t(usPerBeat >> 16), uint8_t(usPerBeat >> 8), uint8_t(usPerBeat)}});
    const int pad = 0, pad2 = 1, bell = 2, bass = 3;
    program(ev, pad, p.padProgram);
    program(ev, pad2, p.secondPadProgram);
    program(ev, bell, p.bellProgram);
    program(ev, bass, p.bassProgram);
    // Generous reverb and a little chorus: the space around the notes.
    for (int ch = 0; ch < 4; ++ch) {
        control(ev, ch, 91, 110);
        control(ev, ch, 93, 50);
    }
    control(ev, pad, 7, 92);
    control(ev, pad2, 7, 70);
    control(ev, bell, 7, 78);
    control(ev, bass, 7, 84);

    const uint32_t bar = 4 * ticksPerBeat;
    const int rounds = 5; // the progression five times, the bells varying each time
    const int chordsTotal = static_cast<int>(p.chords.size()) * rounds;
    uint32_t t = 0;
    static const int pentatonic[] = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21};
    int lastDegree = 4;
    for (int c = 0; c < chordsTotal; ++c) {
        const std::vector<int>& chord = p.chords[static_cast<size_t>(c) % p.chords.size()];
        uint32_t span = 2 * bar;
        // The pads hold the chord, the second pad enters in the second round.
        for (int iv : chord) note(ev, pad, p.root + iv, 58, t, span - 20);
        if (c >= static_cast<int>(p.chords.size()) / 2)
            note(ev, pad2, p.root + 12 + chord[1], 44, t + ticksPerBeat, span - ticksPerBeat - 20);
        // A low drone on the chord's root.
        note(ev, bass, p.root - 12 + chord[0], 62, t, span - 10);
        // Slow bell phrases drifting over a pentatonic scale.
        for (int beat = 0; beat < 8; ++beat) {
            uint32_t h = hash(p.seed + static_cast<uint32_t>(c), static_cast<uint32_t>(beat));
            bool rest = (h & 7) < 3 || (c == 0 && beat < 4);
            if (rest) continue;
            int step = static_cast<int>((h >> 4) % 5) - 2;
            lastDegree = std::clamp(lastDegree + step, 0, 9);
            int length = ticksPerBeat * (1 + static_cast<int>((h >> 9) % 3));
            int velocity = 46 + static_cast<int>((h >> 12) % 24);
            uint32_t offset = (h >> 16) & 1 ? ticksPerBeat / 2 : 0;
            note(ev, bell, p.root + 24 + pentatonic[lastDegree], velocity, t + beat * ticksPerBeat + offset,
                 static_cast<uint32_t>(length));
        }
        t += span;
    }
    // A last held chord to close.
    for (int iv : p.chords[0]) note(ev, pad, p.root + iv, 50, t, 2 * bar);
    note(ev, bass, p.root - 12, 55, t, 2 * bar);
    t += 2 * bar + ticksPerBeat;
    ev.push_back({t, 2, {0xFF, 0x2F, 0x00}});
    std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    return ev;
}

void varLen(std::vector<uint8_t>& out, uint32_t v)
{
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while (v >>= 7) buf[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
    while (n) out.push_back(buf[--n]);
}

bool writeMidi(const std::string& path, const std::vector<Event>& ev)
{
    std::vector<uint8_t> track;
    uint32_t now = 0;
    for (const Event& e : ev) {
        varLen(track, e.tick - now);
        now = e.tick;
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, ticksPerBeat >> 8, ticksPerBeat & 0xFF,
                                'M', 'T', 'r', 'k'};
    uint32_t n = static_cast<uint32_t>(track.size());
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(n >> s));
    out.insert(out.end(), track.begin(), track.end());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "data/music";
    // General MIDI programs, counted from 0: 88 new age pad, 89 warm pad,
    // 91 choir pad, 94 halo pad, 95 sweep pad, 8 celesta, 11 vibraphone,
    // 46 harp, 48 strings, 52 choir aahs, 92 bowed pad.
    const Piece pieces[] = {
        {"drift.mid", 60, 50, {{0, 7, 15, 16 + 5}, {-4, 3, 10, 14}, {-7, 0, 10, 14}, {-5, 2, 7, 12}}, 89, 91, 8, 48, 11},
        {"nebula.mid", 64, 52, {{0, 7, 11, 16}, {-3, 4, 7, 11}, {-7, 4, 9, 11}, {-5, 2, 9, 14}}, 94, 88, 11, 92, 23},
        {"orbit.mid", 56, 45, {{0, 7, 12, 15}, {-4, 3, 7, 11}, {3, 7, 10, 14}, {-2, 5, 9, 14}}, 95, 52, 46, 48, 37},
    };
    for (const Piece& p : pieces) {
        if (!writeMidi(dir + "/" + p.file, compose(p))) {
            std::fprintf(stderr, "make_music: cannot write %s/%s\n", dir.c_str(), p.file.c_str());
            return 1;
        }
        std::printf("wrote %s/%s\n", dir.c_str(), p.file.c_str());
    }
    return 0;
}
