// Any bytes through the WAV reader, then through the headless mixer's load.
#include <cstddef>
#include <cstdint>

#include "engine/platform/audio.h"
#include "engine/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WavClip clip;
    if (parseWav(data, size, clip)) {
        // What the reader accepts must be self-consistent, and never more
        // sound than the file holds, whatever its header claims.
        if (clip.data.empty() || clip.data.size() > size) __builtin_trap();
        audioOpen();
        audioLoadClip(clip);
        audioClose();
    }
    return 0;
}
