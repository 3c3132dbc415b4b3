// Synthesises the game's sound effects and writes them as WAV files:
// "menuSound", a short soft click with a glassy ring.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool writeWav(const std::string& path, const std::vector<int16_t>& samples, int rate)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    auto u32 = [&](uint32_t v) { std::fwrite(&v, 4, 1, f); };
    auto u16 = [&](uint16_t v) { std::fwrite(&v, 2, 1, f); };
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(1);
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate * 2));
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    std::fwrite(samples.data(), 2, samples.size(), f);
    return std::fclose(f) == 0;
}

// Two detuned partials with a fast attack and exponential decay, over a tiny
// filtered noise transient: it reads as a click without being harsh.
std::vector<int16_t> click(int rate)
{
    const double seconds = 0.09;
    std::vector<int16_t> out(static_cast<size_t>(seconds * rate));
    uint32_t noise = 12345;
    double lowpass = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / rate;
        double attack = std::min(1.0, t / 0.0015);
        double tone = 0.55 * std::sin(2 * M_PI * 1760 * t) * std::exp(-t * 55) +
                      0.30 * std::sin(2 * M_PI * 2637 * t) * std::exp(-t * 80) +
                      0.20 * std::sin(2 * M_PI * 880 * t) * std::exp(-t * 35);
        noise = noise * 1664525u + 1013904223u;
        double white = (noise >> 8) / 8388608.0 - 1.0;
        lowpass += 0.35 * (white - lowpass);
        double transient = lowpass * std::exp(-t * 400) * 0.6;
        double fadeOut = std::min(1.0, (seconds - t) / 0.01);
        out[i] = static_cast<int16_t>(std::lround(std::clamp((tone * attack + transient) * fadeOut, -1.0, 1.0) * 22000));
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    std::string dir = argc > 1 ? argv[1] : "data/sounds";
    if (!writeWav(dir + "/menu.wav", click(22050), 22050)) {
        std::fprintf(stderr, "make_sounds: cannot write into %s\n", dir.c_str());
        return 1;
    }
    std::printf("wrote %s/menu.wav\n", dir.c_str());
    return 0;
}
