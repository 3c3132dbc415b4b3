// Feeds arbitrary bytes to the network message reader: whatever it accepts
// must write back to the very same bytes (one form per message, nothing
// ignored), and a game it carries is read like any saved game.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/net_message.h"
#include "game/save_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    NetMessage m;
    if (!decodeNetMessage(bytes, m)) return 0;
    if (encodeNetMessage(m) != bytes) __builtin_trap();
    if (m.kind == NetKind::Start) {
        GameState s;
        std::string why;
        readSaveText(m.game, s, why);
    }
    return 0;
}
