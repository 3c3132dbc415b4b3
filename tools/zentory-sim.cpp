// zentory-sim: plays demonstration games (every player a computer player)
// back to back through the same turn steps the game screen paces, and prints
// a summary; with --trace one line per placement and per battle. A game ends
// by conquest, or on points when it makes no progress (game/end_on_points.h);
// --max-turns stops any game that would still go on.
//
//   zentory-sim [--seed S] [--games N] [--max-turns T] [--trace] [galaxy.gly]
//   zentory-sim --stop-at T --save FILE [--seed S] [--trace] [galaxy.gly]
//   zentory-sim --resume FILE [--max-turns T] [--trace]
//   zentory-sim --record FILE [--bot] [--difficulty D] [--seed S] [--max-turns T] [galaxy.gly]
//   zentory-sim --verify FILE
//   zentory-sim --seats LIST [--seed S] [--games N] [--max-turns T] [--difficulty D] [galaxy.gly]
//   zentory-sim --host PORT --seats network,computer,... [--bind ADDRESS] [--seed S] [--difficulty D]
//               [--max-turns T] [--wait SECONDS] [--trace] [--record FILE] [galaxy.gly]
//   zentory-sim --join HOST[:PORT] --bot [--name NAME] [--max-turns T] [--wait SECONDS] [--trace]
//               [--record FILE] [--save FILE] [--vanish-at T]
//
// --stop-at plays the first game up to the start of turn T and writes it to
// FILE as a saved game; --resume goes on with such a save (or a demonstration
// game saved in a cycle of computer turns, which is played again from the
// cycle's start). A game stopped and resumed prints the same trace as the
// game played through.
//
// --record plays one game and writes its recording (game/recording.h) to
// FILE: a demonstration game, or with --bot a game whose human seat the bot
// plays (ai/bot.h) at difficulty D (2 unless given). --verify plays a
// recording again and prints "verified: N turns, winner <colour>" ("winner
// none" when it stops before the game's end), or the turn where the game goes
// otherwise and the version that made the recording, or why the file cannot
// be read; its exit status is 0 only when verified.
//
// --seats plays games with the seats of LIST ("expert,computer,computer",
// one word per player: computer or expert), turned one place on from game to
// game (game k gives player p the word (p - k) mod players), so that the
// list's seats play from every position; expert seats by the expert
// (ai/expert.h). Human seats are refused: no one plays at a simulation (a bot
// in the human's seat is --record --bot's).
// It prints each game's winner and its kind of seat, then the wins per kind of
// seat and the expert's rate against its fair share.
// --host runs a dedicated host of a network game (ai/net_host.h) on PORT (0:
// any free port, printed as "port N"), on every interface unless --bind
// names one; it waits up to --wait seconds (600) for its players, starts the
// game when every network seat is taken and logs on stderr. --join plays a
// seat of such a game with the computer planner (--bot), as NAME; with
// --save it keeps the game as a save when the host goes. Both print
// "final hash H at turn N, winner C" at the end (and the trace with
// --trace), write their recording with --record, and exit with 0 when the
// game was played to its end. --vanish-at makes a peer stop at turn T
// without a word, as a crash would, for tests of players who drop.
//
// Without a file the built-in galaxy is played. Game k uses seed S + k both
// for the deal and for the play (the generator is seeded again with it after
// the deal), so a seed names one whole game. Exit status: 0 when every game
// ran, 1 when an army count fell below 0 outside a conquest, 2 for bad
// arguments or a galaxy that cannot be read.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ai/game_record.h"
#include "ai/game_trace.h"
#include "ai/replay.h"
#include "base/file_replace.h"
#include "game/galaxy_file.h"
#include "game/save_file.h"
#include "game/seats.h"
#include "tools/net_sim.h"
#include "tools/recording_tools.h"
#include "tools/seat_games.h"

namespace {

struct Options {
    unsigned seed = 1;
    int games = 1;
    int maxTurns = 500;
    bool trace = false;
    std::string file;
    int stopAt = 0;
    std::string saveFile;
    std::string resumeFile;
    std::string recordFile;
    std::string verifyFile;
    bool bot = false;
    int difficulty = 2;
    std::string seatList;
    NetSimOptions net;
};

void usage()
{
    std::fprintf(stderr, "usage: zentory-sim [--seed S] [--games N] [--max-turns T] [--trace] [galaxy.gly]\n"
                         "       zentory-sim --stop-at T --save FILE [--seed S] [--trace] [galaxy.gly]\n"
                         "       zentory-sim --resume FILE [--max-turns T] [--trace]\n"
                         "       zentory-sim --record FILE [--bot] [--difficulty D] [--seed S] [--max-turns T] "
                         "[galaxy.gly]\n"
                         "       zentory-sim --verify FILE\n"
                         "       zentory-sim --seats LIST [--seed S] [--games N] [--max-turns T] [--difficulty D] "
                         "[galaxy.gly]\n"

                         "       zentory-sim --host PORT --seats network,computer,... [--bind ADDRESS] [--seed S] "
                         "[--difficulty D] [--max-turns T] [--wait SECONDS] [--trace] [--record FILE] [galaxy.gly]\n"
                         "       zentory-sim --join HOST[:PORT] --bot [--name NAME] [--max-turns T] [--wait SECONDS] "
                         "[--trace] [--record FILE] [--save FILE] [--vanish-at T]\n");
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
        } else if (a == "--stop-at") {
            if (!value(1, 100000000)) return false;
            o.stopAt = static_cast<int>(v);
        } else if (a == "--difficulty") {
            if (!value(0, 4)) return false;
            o.difficulty = static_cast<int>(v);
        } else if (a == "--bot") {
            o.bot = true;
        } else if (a == "--seats" && i + 1 < argc) {
            o.seatList = argv[++i];
        } else if (a == "--host") {
            if (!value(0, 65535)) return false;
            o.net.port = static_cast<int>(v);
        } else if (a == "--vanish-at") {
            if (!value(1, 100000000)) return false;
            o.net.vanishAt = static_cast<int>(v);
        } else if (a == "--wait") {
            if (!value(1, 86400)) return false;
            o.net.waitSeconds = static_cast<int>(v);
        } else if ((a == "--join" || a == "--bind" || a == "--name") && i + 1 < argc) {
            (a == "--join" ? o.net.join : a == "--bind" ? o.net.bind : o.net.name) =
                argv[++i];
        } else if ((a == "--save" || a == "--resume" || a == "--record" || a == "--verify") && i + 1 < argc) {
            (a == "--save" ? o.saveFile : a == "--resume" ? o.resumeFile : a == "--record" ? o.recordFile : o.verifyFile) =
                argv[++i];
        } else if (!a.empty() && a[0] != '-' && o.file.empty()) {
            o.file = a;
        } else {
            return false;
        }
    }
    o.net.seed = o.seed;
    o.net.difficulty = o.difficulty;
    o.net.maxTurns = o.maxTurns;
    o.net.trace = o.trace;
    o.net.recordFile = o.recordFile;
    o.net.saveFile = o.saveFile;
    o.net.seats = o.net.port >= 0 ? o.seatList : std::string();
    // A host deals its game from a galaxy; a peer gets it from the host.
    if (o.net.port >= 0 || !o.net.join.empty()) {
        const bool host = o.net.port >= 0;
        if (host == !o.net.join.empty() || host == o.net.seats.empty() || host == o.bot || o.games != 1 ||
            o.stopAt > 0 || !o.resumeFile.empty() || !o.verifyFile.empty() || (host && !o.saveFile.empty()))
            return false;
        return host || o.file.empty();
    }
    if (!o.net.bind.empty()) return false;
    // A stop needs a file to write, and a resumed game brings its own galaxy;
    // a recording is made of one new game, and one to verify brings everything.
    if (!o.verifyFile.empty()) return o.file.empty() && o.recordFile.empty() && o.resumeFile.empty() && o.stopAt == 0;
    if (o.bot && o.recordFile.empty()) return false;
    if (!o.seatList.empty())
        return o.recordFile.empty() && o.resumeFile.empty() && o.stopAt == 0 && !o.trace;
    if (!o.recordFile.empty() && (o.games != 1 || o.stopAt > 0 || !o.resumeFile.empty())) return false;
    return (o.stopAt > 0) == !o.saveFile.empty() && (o.resumeFile.empty() || (o.stopAt == 0 && o.file.empty()));
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

// play(observer) plays the game and returns its winner.
template <class Play> GameResult followGame(const Galaxy& g, const Options& o, Play play)
{
    GameResult result;
    DemoGameObserver observer;
    observer.stepped = [&](const Galaxy& played, const AiStepReport& r) {
        if (o.trace) std::fputs(traceLine(played, r).c_str(), stdout);
        if (r.kind != AiStepKind::AttackChosen && r.kind != AiStepKind::BattleRound && !armiesSound(played))
            result.fault = true;
        if (r.wonOnPoints) result.onPoints = true;
    };
    result.winner = play(observer);
    result.capped = result.winner == noOwner;
    result.turns = g.turn;
    return result;
}

GameResult playGame(GameState& state, const Galaxy& loaded, unsigned seed, const Options& o)
{
    return followGame(state.galaxy, o, [&](const DemoGameObserver& observer) {
        return playDemoGame(state, loaded, seed, o.maxTurns, observer);
    });
}

// The game in play before turn T, as a saved game in o.saveFile.
int stopAndSave(const Galaxy& loaded, const Options& o)
{
    Options upTo = o;
    upTo.maxTurns = o.stopAt - 1;
    GameState state;
    const GameResult r = playGame(state, loaded, o.seed, upTo);
    if (!r.capped) {
        std::printf("game seed %u: winner %d at turn %d, before turn %d; nothing saved\n", o.seed, r.winner, r.turns,
                    o.stopAt);
        return r.fault ? 1 : 0;
    }
    int error = 0;
    if (!replaceFile(o.saveFile, o.saveFile + ".tmp", saveText(state), error)) {
        std::fprintf(stderr, "zentory-sim: cannot write %s: %s\n", o.saveFile.c_str(), std::strerror(error));
        return 2;
    }
    std::printf("game seed %u: saved before turn %d to %s\n", o.seed, o.stopAt, o.saveFile.c_str());
    return r.fault ? 1 : 0;
}

int resume(const Options& o)
{
    std::ifstream in(o.resumeFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string why = "cannot be opened";
    GameState s;
    if (!in || !readSaveText(text.str(), s, why)) {
        std::fprintf(stderr, "zentory-sim: %s: %s\n", o.resumeFile.c_str(), why.c_str());
        return 2;
    }
    if (!isDemo(s) || (s.phase != GamePhase::TurnStart && s.phase != GamePhase::ComputerTurns)) {
        std::fprintf(stderr, "zentory-sim: %s: not a demonstration game between turns\n", o.resumeFile.c_str());
        return 2;
    }
    const int from = s.galaxy.turn;
    const bool counted = s.phase == GamePhase::ComputerTurns;
    const GameResult r = followGame(s.galaxy, o, [&](const DemoGameObserver& observer) {
        return continueDemoGame(s, o.maxTurns, observer, counted);
    });
    std::printf("game resumed after turn %d: %d turns, %s", counted ? from - 1 : from, r.turns,
                r.capped ? "turn cap" : "winner ");
    if (!r.capped) std::printf("%d", r.winner);
    std::printf("%s\n", r.fault ? " ARMIES BELOW 0" : "");
    return r.fault ? 1 : 0;
}

// The galaxy's name as the game's menu shows it.
void nameAsMenu(Galaxy& loaded, const Options& o)
{
    loaded.name = o.file.empty() ? builtInGalaxyName : o.file.substr(o.file.rfind('/') + 1);
    if (loaded.name.ends_with(".gly")) loaded.name.resize(loaded.name.size() - 4);
}

int record(Galaxy loaded, const Options& o)
{
    nameAsMenu(loaded, o);
    dealGame(gameState, loaded, o.seed, o.bot, o.difficulty);
    const std::string text = playAndRecord(gameState, o.maxTurns, nowUtc());
    int error = 0;
    if (!replaceFile(o.recordFile, o.recordFile + ".tmp", text, error)) {
        std::fprintf(stderr, "zentory-sim: cannot write %s: %s\n", o.recordFile.c_str(), std::strerror(error));
        return 2;
    }
    std::printf("game seed %u: %d turns, winner %s; recorded to %s\n", o.seed, gameState.galaxy.turn,
                gameState.winner == noOwner ? "none" : playerColourNames[gameState.winner], o.recordFile.c_str());
    return 0;
}

int verify(const Options& o)
{
    Recording r;
    std::string why;
    if (!readRecordingFile(o.verifyFile, r, why)) {
        std::printf("%s\n", why.c_str());
        return 1;
    }
    const ReplayResult result = replayRecording(gameState, r);
    if (result.differsAt != 0) {
        std::printf("made by version %s: differs at turn %d\n", r.version.c_str(), result.differsAt);
        return 1;
    }
    std::printf("verified: %d turns, winner %s\n", result.turns,
                result.winner == noOwner ? "none" : playerColourNames[result.winner]);
    return 0;
}

int playSeats(const Galaxy& loaded, const Options& o)
{
    std::vector<Seat> list;
    std::string why;
    if (!parseSeats(o.seatList, loaded.playerCount, list, why)) {
        std::fprintf(stderr, "zentory-sim: --seats %s: %s\n", o.seatList.c_str(), why.c_str());
        return 2;
    }
    if (std::find(list.begin(), list.end(), Seat::Human) != list.end()) {
        std::fprintf(stderr, "zentory-sim: --seats %s: no human plays here (computer or expert)\n", o.seatList.c_str());
        return 2;
    }
    SeatTally tally;
    for (int k = 0; k < o.games; ++k) {
        const unsigned seed = o.seed + static_cast<unsigned>(k);
        const std::vector<Seat> seats = rotatedSeats(list, k);
        GameState state;
        dealGame(state, loaded, seed, seats, o.difficulty);
        // Nothing here reads the course; hashing every cycle would only cost.
        state.journal.on = false;
        const int winner = playSeatedGame(state, o.maxTurns);
        countGame(tally, seats, winner);
        std::printf("game seed %u: %d turns, ", seed, state.galaxy.turn);
        if (winner == noOwner)
            std::printf("no winner\n");
        else
            std::printf("winner %d (%s)%s\n", winner, seatWord(seats[winner]), state.wonOnPoints ? " on points" : "");
    }
    printTally(tally);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parseArgs(argc, argv, o)) {
        usage();
        return 2;
    }
    if (!o.resumeFile.empty()) return resume(o);
    if (!o.verifyFile.empty()) return verify(o);
    if (!o.net.join.empty()) return runJoin(o.net);
    Galaxy loaded;
    if (!loadGalaxy(loaded, o) || loaded.playerCount < minPlayers || loaded.playerCount > maxPlayers) {
        std::fprintf(stderr, "zentory-sim: cannot read galaxy %s\n", o.file.empty() ? builtInGalaxyName : o.file.c_str());
        return 2;
    }
    if (o.net.port >= 0) {
        nameAsMenu(loaded, o);
        return runHost(loaded, o.net);
    }
    if (!o.recordFile.empty()) return record(loaded, o);
    if (!o.seatList.empty()) return playSeats(loaded, o);
    if (o.stopAt > 0) return stopAndSave(loaded, o);
    std::vector<int> wins(maxPlayers, 0);
    int capped = 0, onPoints = 0, faults = 0;
    long long turnSum = 0;
    int minTurns = 0, maxTurnsSeen = 0;
    for (int k = 0; k < o.games; ++k) {
        const unsigned seed = o.seed + static_cast<unsigned>(k);
        GameState state;
        const GameResult r = playGame(state, loaded, seed, o);
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
