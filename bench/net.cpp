// Network play on loopback, host and two peers in this process: the wire's
// bytes per turn cycle over a whole game, and the time from a player's
// decision on one peer to its being applied on the other.
#include <benchmark/benchmark.h>

#include <memory>

#include "ai/net_host.h"
#include "ai/net_peer.h"
#include "ai/replay.h"
#include "ai/seat_play.h"

namespace {

struct Loopback {
    HostSession host;
    PeerSession peers[2];

    explicit Loopback(unsigned seed)
    {
        Galaxy loaded;
        loaded.loadBuiltIn("");
        host.seats = {{SeatUse::Network, ""}, {SeatUse::Computer, ""}, {SeatUse::Network, ""}, {SeatUse::Computer, ""},
                      {SeatUse::Computer, ""}};
        dealGame(host.state, loaded, seed, coreSeats(host.seats), 2);
        std::string why;
        hostOpen(host, "127.0.0.1", 0, why);
        peerJoin(peers[0], "127.0.0.1", netPort(host.net), "Ann", why);
        peerJoin(peers[1], "127.0.0.1", netPort(host.net), "Bob", why);
    }
    ~Loopback()
    {
        for (PeerSession& p : peers) peerLeave(p);
        hostClose(host, "");
    }
    // One round: everyone reads what came and plays as far as it can; the
    // peers' bots decide when it is their turn, unless hold says not.
    void round(bool decide = true)
    {
        hostPoll(host, 0);
        for (PeerSession& p : peers) {
            peerPoll(p, 0);
            peerPlay(p, host.maxTurns);
            if (decide && peerToDecide(p)) peerDecide(p, seatDecision(p.state, p.seat));
        }
    }
    bool over() const { return host.state.phase == GamePhase::Over || host.state.galaxy.turn >= host.maxTurns; }
};

// Bytes on the wire (UDP payloads, the transport's headers and
// acknowledgements included) per turn cycle of whole games, once the game
// has been sent; and the game sent to each peer at the start.
void NetBytesPerTurn(benchmark::State& state)
{
    double hostSent = 0, peerSent = 0, turns = 0, start = 0;
    unsigned seed = 1;
    for (auto _ : state) {
        Loopback t(seed++);
        t.host.maxTurns = 200;
        while (t.peers[0].stage != PeerStage::Playing || t.peers[1].stage != PeerStage::Playing) t.round(false);
        const double hostBefore = static_cast<double>(netSentBytes(t.host.net));
        start += hostBefore / 2;
        while (!t.over() || t.peers[0].state.phase != t.host.state.phase) t.round();
        hostSent += static_cast<double>(netSentBytes(t.host.net)) - hostBefore;
        peerSent += static_cast<double>(netSentBytes(t.peers[0].net) + netSentBytes(t.peers[1].net));
        turns += t.host.state.galaxy.turn;
    }
    const double games = static_cast<double>(state.iterations());
    state.counters["host_bytes_per_turn"] = hostSent / turns;
    state.counters["peer_bytes_per_turn"] = peerSent / turns / 2;
    state.counters["start_bytes_per_peer"] = start / games;
    state.counters["turns"] = turns / games;
}
BENCHMARK(NetBytesPerTurn)->Unit(benchmark::kMillisecond)->Iterations(5);

// From a peer's decision to the other peer's game having applied it (through
// the host, which checks it), on 127.0.0.1.
void NetDecisionToOtherPeer(benchmark::State& state)
{
    auto t = std::make_unique<Loopback>(1);
    unsigned seed = 2;
    for (auto _ : state) {
        state.PauseTiming();
        // To the next decision of either peer, with both up to date.
        for (;;) {
            if (t->over()) t = std::make_unique<Loopback>(seed++);
            t->round(false);
            if ((peerToDecide(t->peers[0]) || peerToDecide(t->peers[1])) && t->peers[0].ordered.empty() &&
                t->peers[1].ordered.empty())
                break;
        }
        PeerSession& decider = peerToDecide(t->peers[0]) ? t->peers[0] : t->peers[1];
        PeerSession& other = &decider == &t->peers[0] ? t->peers[1] : t->peers[0];
        const uint32_t before = other.nextOrder;
        state.ResumeTiming();
        peerDecide(decider, seatDecision(decider.state, decider.seat));
        while (other.nextOrder == before) t->round(false);
        peerPlay(other, t->host.maxTurns);
    }
}
BENCHMARK(NetDecisionToOtherPeer)->Unit(benchmark::kMicrosecond);

} // namespace
