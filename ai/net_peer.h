#pragma once
// A peer of a network game: it joins a host, waits in the lobby, receives
// the game and from then on applies the host's order of decisions, playing
// the computer players itself. Its own seat's decisions go to the host and
// are applied when they come back in the order, like everyone else's. After
// every turn cycle it sends the hash of its state for the host to compare.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ai/net_steps.h"
#include "base/net.h"
#include "game/net_message.h"

enum class PeerStage { Joining, Lobby, Playing, Ended };

// A joining peer that hears nothing from the host for this long gives up.
inline constexpr int joinTimeoutMs = 10000;

struct PeerSession {
    NetHost* net = nullptr;
    std::string name;
    PeerStage stage = PeerStage::Joining;
    // Why the game ended for this peer (refused, the host left, out of step).
    std::string endLine;
    // Its seat and everyone's, as the host last said.
    int seat = -1;
    std::vector<NetSeat> seats;
    // The game, as the host sent it and the order played it (journal on).
    GameState state;
    // The next apply expected, and those received but not yet applied.
    uint32_t nextOrder = 0;
    std::deque<Decision> ordered;
    // A decision of its own is on its way and not yet back in the order.
    bool deciding = false;
    int64_t joinBy = 0;
    // The game began, or was sent again after a rejoin.
    std::function<void()> gameArrived;
    // Lines to show the player ("red left the game").
    std::function<void(const std::string&)> say;
    StepWatch watch;
};

// Connects to address:port and says hello as name; false (why) when the
// address cannot be used.
bool peerJoin(PeerSession& peer, const std::string& address, int port, const std::string& name, std::string& why);
// Reads what the network brings within timeoutMs.
void peerPoll(PeerSession& peer, int timeoutMs);
// Plays the ordered decisions and the computer steps as far as it can.
void peerPlay(PeerSession& peer, int maxTurns);
// The game waits for this peer's own decision.
bool peerToDecide(const PeerSession& peer);
// Sends its seat's decision to the host.
void peerDecide(PeerSession& peer, const Decision& decision);
// Leaves the game (the host plays the seat on); the session is ended.
void peerLeave(PeerSession& peer);

// The game as this peer keeps it when the host goes: its own seat still a
// human's, every other seat a player had played by the computer (as an
// expert seat, which plays through decisions wherever the game stands).
GameState peerKeptGame(const PeerSession& peer);

// "host:port" or "host" (the default port), the host a name or an IPv4
// address; false for anything else.
bool parseHostAddress(const std::string& text, std::string& host, int& port);
