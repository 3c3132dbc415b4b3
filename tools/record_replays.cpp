// record_replays: records the games whose recordings the tests verify
// (tests/data/recordings): on every standard galaxy one demonstration game
// and one game whose human seat the bot plays, each capped at a few turns,
// gzipped (the galaxy's link matrix makes up most of a short game's text).
// Run it again when the rules change on purpose:
//
//   record_replays [--data DATA_FOLDER] OUTPUT_FOLDER
//   e.g. build/release/tools/record_replays tests/data/recordings
//
// The galaxy files are read from DATA_FOLDER/galaxies (the source tree's
// data/ by default).
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "ai/replay.h"
#include "game/galaxy_file.h"
#include "tools/gzip_file.h"
#include "tools/recording_tools.h"

namespace {

constexpr unsigned seed = 7;
// Enough for eliminations and a few whole games, while the files stay small.
constexpr int maxTurns = 40;

std::string fileStem(const std::string& name)
{
    std::string out;
    for (char c : name) out += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    std::string data, output;
    if (!readToolArguments(argc, argv, "record_replays", data, output)) return 2;
    std::error_code made;
    std::filesystem::create_directories(output, made);
    for (const char* name : standardGalaxyNames) {
        Galaxy loaded;
        if (!loadStandardGalaxy(data, name, loaded)) {
            std::fprintf(stderr, "record_replays: cannot read galaxy %s from %s/galaxies\n", name, data.c_str());
            return 1;
        }
        loaded.name = name;
        for (const bool human : {true, false}) {
            dealGame(gameState, loaded, seed, human, 2);
            const std::string text = playAndRecord(gameState, maxTurns, nowUtc());
            const std::string path = output + "/" + fileStem(name) + (human ? "-human.rec.gz" : "-demo.rec.gz");
            if (!writeCompressed(path, text)) {
                std::fprintf(stderr, "record_replays: cannot write %s\n", path.c_str());
                return 1;
            }
            std::printf("%s: %zu bytes, %d turns\n", path.c_str(), text.size(), gameState.galaxy.turn);
        }
    }
    return 0;
}
