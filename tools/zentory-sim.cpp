// zentory-sim: plays demonstration games (every player a computer player)
// back to back through the same turn steps the game screen paces, and prints
// a summary; with --trace one line per placement and per battle. A game ends
// by conquest, or on points when it makes no progress (game/end_on_points.h);
// --max-turns stops any game that would still go on.
//
//   zentory-sim [--seed S] [--games N] [--max-turns T] [--trace] [galaxy.gly]
//
// Without a file the built-in galaxy is played. Game k uses seed S + k both
// for the deal and for the play (the generator is seeded again with it after
// the deal), so a seed names one whole game. Exit status: 0 when every game
// ran, 1 when an army count fell below 0 outside a conquest, 2 for bad
// arguments or a galaxy that cannot be read.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ai/game_record.h"
#include "ai/game_trace.h"
#include "game/galaxy_file.h"

namespace {

struct Options {
    unsigned seed = 1;
    int games = 1;
    int maxTurns = 500;
    bool trace = false;
    std::string file;
};

void usage()
{
    std::fprintf(stderr, "usage: zentory-sim [--seed S] [--games N] [--max-turns T] [--trace] [galaxy.gly]\n");
}

bool parseInt(const char* text, long long low, long long high, long long& out)
{
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

bool parseArgs(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        long long v = 0;
        auto value = [&](long long low, long long high) {
            return i + 1 < argc && parseInt(argv[++i], low, high, v);
        };
        if (a == "--seed") {
            if (!value(0, 4294967295LL)) return false;
            o.seed = static_cast<unsigned>(v);
        } else if (a == "--games") {
            if (!value(1, 100000000)) return false;
            o.games = static_cast<int>(v);
        } else if (a == "--max-turns") {
            if (!value(1, 100000000)) return false;
            o.maxTurns = static_cast<int>(v);
        } else if (a == "--trace") {
            o.trace = true;
        } else if (!a.empty() && a[0] != '-' && o.file.empty()) {
            o.file = a;
        } else {
            return false;
        }
    }
    return true;
}

bool loadGalaxy(Galaxy& g, const Options& o)
{
    if (o.file.empty()) return g.loadBuiltIn("");
    std::ifstream in(o.file);
    return in && g.readFrom(in);
}

bool armiesSound(const Galaxy& g)
{
    for (const Star& s : g.gameStars)
        if (s.active && s.armies < 0) return false;
    return true;
}

struct GameResult {
    int turns = 0;
    int winner = noOwner;
    bool onPoints = false;
    bool capped = false;
    bool fault = false;
};

GameResult playGame(Galaxy& g, const Galaxy& loaded, unsigned seed, const Options& o)
{
    GameResult result;
    DemoGameObserver observer;
    observer.stepped = [&](const Galaxy& played, const AiStepReport& r) {
        if (o.trace) std::fputs(traceLine(played, r).c_str(), stdout);
        if (r.kind != AiStepKind::AttackChosen && r.kind != AiStepKind::BattleRound && !armiesSound(played))
            result.fault = true;
        if (r.wonOnPoints) result.onPoints = true;
    };
    result.winner = playDemoGame(g, loaded, seed, o.maxTurns, observer);
    result.capped = result.winner == noOwner;
    result.turns = g.turn;
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parseArgs(argc, argv, o)) {
        usage();
        return 2;
    }
    Galaxy loaded;
    if (!loadGalaxy(loaded, o) || loaded.playerCount < minPlayers || loaded.playerCount > maxPlayers) {
        std::fprintf(stderr, "zentory-sim: cannot read galaxy %s\n", o.file.empty() ? builtInGalaxyName : o.file.c_str());
        return 2;
    }
    demoMode = 1;
    std::vector<int> wins(maxPlayers, 0);
    int capped = 0, onPoints = 0, faults = 0;
    long long turnSum = 0;
    int minTurns = 0, maxTurnsSeen = 0;
    for (int k = 0; k < o.games; ++k) {
        const unsigned seed = o.seed + static_cast<unsigned>(k);
        const GameResult r = playGame(gameGalaxy, loaded, seed, o);
        std::printf("game seed %u: %d turns, %s", seed, r.turns, r.capped ? "turn cap" : "winner ");
        if (!r.capped) std::printf("%d%s", r.winner, r.onPoints ? " on points" : "");
        std::printf("%s\n", r.fault ? " ARMIES BELOW 0" : "");
        if (r.capped) ++capped;
        if (r.onPoints) ++onPoints;
        if (!r.capped && r.winner >= 0 && r.winner < maxPlayers)
            ++wins[r.winner];
        if (r.fault) ++faults;
        turnSum += r.turns;
        if (k == 0 || r.turns < minTurns) minTurns = r.turns;
        if (r.turns > maxTurnsSeen) maxTurnsSeen = r.turns;
    }
    std::printf("summary: %d games, turns min %d mean %.1f max %d, %d won by conquest, %d won on points, "
                "%d at the turn cap of %d, %d with armies below 0\n",
                o.games, minTurns, static_cast<double>(turnSum) / o.games, maxTurnsSeen, o.games - capped - onPoints,
                onPoints, capped, o.maxTurns, faults);
    std::printf("wins per seat:");
    for (int p = 0; p < loaded.playerCount; ++p) std::printf(" %d:%d", p, wins[p]);
    std::printf("\n");
    return faults ? 1 : 0;
}
