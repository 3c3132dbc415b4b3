// The computer players against recordings of seeded demonstration games, made
// with tools/record_games from code that agreed with a plain second version of
// the rules. A difference means the rules or their random draws changed;
// when that was meant, record the games again (see tools/record_games.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "ai/game_record.h"
#include "game/galaxy_file.h"

namespace {

std::string recordingsFolder() { return std::string(ZENTORY_SOURCE_DATA_DIR) + "/../tests/core/recorded_games"; }

bool readCompressed(const std::string& path, std::string& text)
{
    gzFile in = gzopen(path.c_str(), "rb");
    if (!in) return false;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(in, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    return gzclose(in) == Z_OK && n == 0;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Under the sanitizers, which seek memory faults (as the soak does in many more games), 3 games of each set.
constexpr int gamesToReplay = ZENTORY_SANITIZED ? 3 : 1000;

class RecordedGames : public ::testing::TestWithParam<int> {};

TEST_P(RecordedGames, PlayAgainEventForEvent)
{
    const std::string name = standardGalaxyNames[GetParam()];
    Galaxy loaded;
    if (GetParam() == 0) {
        ASSERT_TRUE(loaded.loadBuiltIn(""));
    } else {
        std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies/" + name + ".gly");
        ASSERT_TRUE(in && loaded.readFrom(in)) << name;
    }
    std::string text;
    ASSERT_TRUE(readCompressed(recordingsFolder() + "/" + name + ".txt.gz", text)) << name;
    const std::vector<std::string> recorded = lines(text);
    int games = 0, maxTurns = 0;
    unsigned firstSeed = 0;
    ASSERT_FALSE(recorded.empty());
    ASSERT_EQ(std::sscanf(recorded[0].c_str(), "games %d first-seed %u max-turns %d", &games, &firstSeed, &maxTurns), 3);
    ASSERT_GE(games, 30);

    const std::vector<std::string> played =
        lines(recordDemoGames(loaded, firstSeed, std::min(games, gamesToReplay), maxTurns));
    std::string game, turn;
    for (size_t k = 0; k < played.size() && k + 1 < recorded.size(); ++k) {
        const std::string& now = played[k];
        if (now.starts_with("game ")) game = now, turn.clear();
        if (now.starts_with("turn ")) turn = now;
        ASSERT_EQ(now, recorded[k + 1]) << name << ", " << game << ", " << turn << ", line " << k + 2;
    }
    EXPECT_TRUE(games > gamesToReplay || played.size() + 1 == recorded.size()) << name;
}

INSTANTIATE_TEST_SUITE_P(StandardGalaxies, RecordedGames, ::testing::Range(0, 6));

} // namespace
