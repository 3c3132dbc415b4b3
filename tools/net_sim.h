#pragma once
// zentory-sim's network play: a dedicated host without a window, and a peer
// whose seat the computer planner plays through the decisions a player would
// send. Each prints its trace (with --trace: the computer steps and the
// recording's lines) and, at the end, the hash of its final state.
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "ai/game_trace.h"
#include "ai/net_host.h"
#include "ai/net_peer.h"
#include "ai/replay.h"
#include "ai/seat_play.h"
#include "base/file_replace.h"
#include "game/course.h"
#include "game/recording.h"
#include "game/save_file.h"
#include "tools/recording_tools.h"

struct NetSimOptions {
    int port = -1;
    std::string bind;
    std::string seats;
    std::string join;
    std::string name = "bot";
    unsigned seed = 1;
    int difficulty = 2;
    int maxTurns = 500;
    bool trace = false;
    std::string recordFile;
    std::string saveFile;
    // How long a host waits for its players (in the lobby, or with every
    // player gone), and a peer for the game, in seconds.
    int waitSeconds = 600;
    // A peer that stops at this turn without a word, as a crash would.
    int vanishAt = 0;
};

inline long long simNowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// "network,computer,...": one word per player.
inline bool parseNetSeats(const std::string& list, int players, std::vector<NetSeat>& out, std::string& why)
{
    out.clear();
    size_t at = 0;
    while (at <= list.size()) {
        const size_t comma = std::min(list.find(',', at), list.size());
        const std::string word = list.substr(at, comma - at);
        if (word == "network" || word == "computer" || word == "expert") {
            out.push_back({word == "network" ? SeatUse::Network : word == "expert" ? SeatUse::Expert : SeatUse::Computer, ""});
        } else {
            why = word == "human" ? "a host without a window has no human seat: \"network\", \"computer\" or \"expert\""
                                  : "unknown seat \"" + word + "\"";
            return false;
        }
        at = comma + 1;
    }
    if (static_cast<int>(out.size()) != players) {
        why = "the galaxy has " + std::to_string(players) + " players, the seats list " + std::to_string(out.size());
        return false;
    }
    return true;
}

// Follows a game for the trace and its recording.
struct SimFollower {
    const NetSimOptions& o;
    std::string recording;
    StepWatch watch()
    {
        StepWatch w;
        w.stepped = [this](const Galaxy& g, const AiStepReport& r) {
            if (o.trace) std::fputs(traceLine(g, r).c_str(), stdout);
        };
        w.noted = [this](const CourseEntry& e) {
            const std::string line = courseLine(e);
            if (o.trace) std::fputs(line.c_str(), stdout);
            if (!recording.empty()) recording += line;
        };
        return w;
    }
    void begin(const GameState& state)
    {
        if (!o.recordFile.empty()) recording = recordingHeaderText(recordingOf(state, state.random.state, nowUtc()));
    }
    int finish(const GameState& state)
    {
        std::printf("final hash %s at turn %d, winner %s\n", hashText(stateHash(state)).c_str(), state.galaxy.turn,
                    state.winner == noOwner ? "none" : playerColourNames[state.winner]);
        std::fflush(stdout);
        int error = 0;
        if (!o.recordFile.empty() && !recording.empty() &&
            !replaceFile(o.recordFile, o.recordFile + ".tmp", recording, error)) {
            std::fprintf(stderr, "zentory-sim: cannot write %s\n", o.recordFile.c_str());
            return 2;
        }
        return 0;
    }
};

inline bool gameDone(const GameState& s, int maxTurns)
{
    return s.phase == GamePhase::Over || (s.phase == GamePhase::TurnStart && s.galaxy.turn >= maxTurns);
}

inline int runHost(const Galaxy& loaded, const NetSimOptions& o)
{
    HostSession h;
    std::string why;
    if (!parseNetSeats(o.seats, loaded.playerCount, h.seats, why)) {
        std::fprintf(stderr, "zentory-sim: %s\n", why.c_str());
        return 2;
    }
    dealGame(h.state, loaded, o.seed, coreSeats(h.seats), o.difficulty);
    h.maxTurns = o.maxTurns;
    h.log = [](const std::string& line) {
        std::fprintf(stderr, "host: %s\n", line.c_str());
        std::fflush(stderr);
    };
    SimFollower follow{o, {}};
    follow.begin(h.state);
    h.watch = follow.watch();
    if (!hostOpen(h, o.bind, o.port, why)) {
        std::fprintf(stderr, "zentory-sim: %s\n", why.c_str());
        return 2;
    }
    std::printf("port %d\n", netPort(h.net));
    std::fflush(stdout);
    long long lastPlayer = simNowMs();
    while (!h.stopped && !gameDone(h.state, o.maxTurns)) {
        hostPoll(h, 50);
        if (hostPeerCount(h) > 0) lastPlayer = simNowMs();
        if (simNowMs() - lastPlayer > o.waitSeconds * 1000LL) {
            h.log("nobody came for " + std::to_string(o.waitSeconds) + " s");
            hostClose(h, "the host stopped the game");
            return 1;
        }
    }
    // The peers finish the game and send their last hashes; then they go.
    const long long until = simNowMs() + 20000;
    while (!h.stopped && hostPeerCount(h) > 0 && simNowMs() < until) hostPoll(h, 50);
    hostClose(h, h.stopped ? h.stopLine : gameDone(h.state, o.maxTurns) ? "" : "the host stopped the game");
    const int status = follow.finish(h.state);
    return h.stopped ? 1 : status;
}

inline int runJoin(const NetSimOptions& o)
{
    std::string address, why;
    int port = 0;
    if (!parseHostAddress(o.join, address, port)) {
        std::fprintf(stderr, "zentory-sim: not a host address: %s (name:port or address:port)\n", o.join.c_str());
        return 2;
    }
    PeerSession p;
    SimFollower follow{o, {}};
    p.watch = follow.watch();
    p.say = [](const std::string& line) {
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
    };
    bool fresh = false;
    p.gameArrived = [&] {
        fresh = p.nextOrder == 0 && p.state.phase == GamePhase::TurnStart;
        if (fresh) follow.begin(p.state);
        else follow.recording.clear();
    };
    if (!peerJoin(p, address, port, o.name, why)) {
        std::fprintf(stderr, "zentory-sim: %s\n", why.c_str());
        return 2;
    }
    const long long until = simNowMs() + o.waitSeconds * 1000LL;
    while (p.stage != PeerStage::Ended && !(p.stage == PeerStage::Playing && gameDone(p.state, o.maxTurns)) &&
           simNowMs() < until) {
        peerPoll(p, 20);
        peerPlay(p, o.maxTurns);
        if (o.vanishAt > 0 && p.stage == PeerStage::Playing && p.state.galaxy.turn >= o.vanishAt) {
            std::printf("vanished at turn %d\n", p.state.galaxy.turn);
            std::fflush(stdout);
            std::_Exit(3);
        }
        if (peerToDecide(p)) peerDecide(p, seatDecision(p.state, p.seat));
    }
    const bool played = p.stage == PeerStage::Playing || !p.endLine.empty();
    const bool whole = p.stage == PeerStage::Playing && gameDone(p.state, o.maxTurns);
    int error = 0;
    if (!whole && !o.saveFile.empty() && p.state.phase != GamePhase::None) {
        if (!replaceFile(o.saveFile, o.saveFile + ".tmp", saveText(peerKeptGame(p)), error)) {
            std::fprintf(stderr, "zentory-sim: cannot write %s\n", o.saveFile.c_str());
            return 2;
        }
        std::fprintf(stderr, "the game is kept in %s\n", o.saveFile.c_str());
    }
    // Its last hash goes out before it leaves.
    peerPoll(p, 0);
    peerLeave(p);
    if (!whole && p.state.phase == GamePhase::None) return 1;
    const int status = played ? follow.finish(p.state) : 1;
    return whole ? status : 1;
}
