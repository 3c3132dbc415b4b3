// Feeds arbitrary text to the recording reader, and each of its lines to the
// decision parser. A recording the reader takes must write back to the same
// text, and must replay to a result without harm; a decision read must write
// back to its line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ai/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line(text.data() + at, end - at);
        Decision d;
        if (parseDecision(line, d) && decisionText(d) != line) __builtin_trap();
        at = end + 1;
    }
    Recording r;
    std::string why;
    if (!readRecording(text, r, why)) {
        if (why.rfind("recording cannot be read: ", 0) != 0) __builtin_trap();
        return 0;
    }
    Recording again;
    const std::string written = recordingText(r);
    if (!readRecording(written, again, why) || recordingText(again) != written) __builtin_trap();
    replayRecording(gameState, r);
    gameState = GameState{};
    return 0;
}
