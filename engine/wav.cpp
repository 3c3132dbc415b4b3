#include "engine/wav.h"

#include <algorithm>

#include "base/file_read.h"

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Finds a chunk among the RIFF's sub-chunks; offset and size of its body.
bool findChunk(const uint8_t* bytes, size_t end, const char* id, size_t& body, uint32_t& size)
{
    size_t pos = 12;
    while (pos + 8 <= end) {
        uint32_t chunkSize = le32(bytes + pos + 4);
        if (bytes[pos] == id[0] && bytes[pos + 1] == id[1] && bytes[pos + 2] == id[2] && bytes[pos + 3] == id[3]) {
            body = pos + 8;
            size = chunkSize;
            return true;
        }
        // Chunks are padded to an even size; 64-bit sums cannot overflow here.
        uint64_t next = static_cast<uint64_t>(pos) + 8 + chunkSize + (chunkSize & 1);
        if (next > end) return false;
        pos = static_cast<size_t>(next);
    }
    return false;
}

} // namespace

bool parseWav(const uint8_t* bytes, size_t size, WavClip& out)
{
    out = WavClip{};
    if (!bytes || size < 12) return false;
    if (le32(bytes) != 0x46464952u /* RIFF */ || le32(bytes + 8) != 0x45564157u /* WAVE */) return false;
    size_t body;
    uint32_t chunkSize;
    if (!findChunk(bytes, size, "fmt ", body, chunkSize) || chunkSize < 16 || body + 16 > size) return false;
    const uint8_t* f = bytes + body;
    out.formatTag = le16(f);
    out.channels = le16(f + 2);
    out.samplesPerSecond = le32(f + 4);
    out.bytesPerSecond = le32(f + 8);
    out.blockAlign = le16(f + 12);
    out.bitsPerSample = le16(f + 14);
    if (out.formatTag != 1) {
        if (chunkSize < 18 || body + 18 > size) return false;
        uint16_t extra = le16(f + 16);
        if (body + 18 + extra > size) return false;
        out.extraFormat.assign(f + 18, f + 18 + extra);
    }
    if (!findChunk(bytes, size, "data", body, chunkSize) || chunkSize == 0 || body >= size) return false;
    size_t length = std::min<size_t>(chunkSize, size - body);
    // PCM plays one block per sample frame, and a cut file keeps whole ones;
    // other formats say their rate in bytes.
    if (out.formatTag == 1 && out.blockAlign > 0) length -= length % out.blockAlign;
    const uint64_t bytesPerSecond =
        out.formatTag == 1 ? static_cast<uint64_t>(out.blockAlign) * out.samplesPerSecond : out.bytesPerSecond;
    if (length == 0 || bytesPerSecond == 0 || length * uint64_t{1000} > bytesPerSecond * kMaxEffectMs) return false;
    out.data.assign(bytes + body, bytes + body + length);
    return true;
}

bool readWavFile(const std::string& path, WavClip& out)
{
    out = WavClip{};
    std::string bytes;
    if (readWholeFile(path, kMaxWavFileBytes, bytes) != FileRead::ok) return false;
    return parseWav(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}
