// record_games: records the seeded demonstration games that the core tests
// replay (tests/core/recorded_games_test.cpp), one gzip file per standard
// galaxy. Run it again when the computer players' rules change on purpose:
//
//   record_games [--data DATA_FOLDER] OUTPUT_FOLDER
//   e.g. build/release/tools/record_games tests/core/recorded_games
//
// The galaxy files are read from DATA_FOLDER/galaxies (the source tree's
// data/ by default). Each file starts with a line "games G first-seed S
// max-turns T" that tells the test which games to play again.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ai/game_record.h"
#include "game/galaxy_file.h"
#include "tools/gzip_file.h"
#include "tools/recording_tools.h"

namespace {

constexpr int gamesPerGalaxy = 30;
constexpr unsigned firstSeed = 1;
// Enough turns for conquests, eliminations and some whole games, while the
// recordings stay small and the test quick.
constexpr int maxTurns = 20;

} // namespace

int main(int argc, char** argv)
{
    std::string data, output;
    if (!readToolArguments(argc, argv, "record_games", data, output)) return 2;
    std::error_code error;
    std::filesystem::create_directories(output, error);
    for (const char* name : standardGalaxyNames) {
        Galaxy loaded;
        if (!loadStandardGalaxy(data, name, loaded)) {
            std::fprintf(stderr, "record_games: cannot read galaxy %s from %s/galaxies\n", name, data.c_str());
            return 1;
        }
        const std::string text = "games " + std::to_string(gamesPerGalaxy) + " first-seed " +
                                 std::to_string(firstSeed) + " max-turns " + std::to_string(maxTurns) + '\n' +
                                 recordDemoGames(loaded, firstSeed, gamesPerGalaxy, maxTurns);
        const std::string path = output + "/" + name + ".txt.gz";
        if (!writeCompressed(path, text)) {
            std::fprintf(stderr, "record_games: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu bytes of record\n", path.c_str(), text.size());
    }
    return 0;
}
