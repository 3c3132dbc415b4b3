#pragma once
// The host of a network game: it takes the players into the lobby, one per
// network seat, starts the game when every such seat is taken, and from then
// on keeps the one order of decisions. A decision a peer sends for its seat
// is checked against the host's own game (its turn, its legality) before it
// is applied there and sent to every peer; each peer plays the same game
// from the same decisions and reports the hash of its state after every
// turn cycle, which must be the host's.
//
// The host's game is played without pacing, always at the next decision (or
// the end): a screen shows it through a peer of its own. A seat whose player
// left is played by the computer, through the same order, until the player
// joins again under the same name and is sent the game as it stands. Any
// peer that says something malformed, out of turn, illegal or too much is
// disconnected with a line in the log, and the game goes on.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ai/net_steps.h"
#include "base/net.h"
#include "game/net_message.h"

// A peer says hello within this time or is disconnected.
inline constexpr int helloTimeoutMs = 5000;
// More messages than this within one second is a flood. A peer waits for
// each decision to come back before the next, so even on loopback it stays
// far below.
inline constexpr int maxMessagesPerSecond = 2000;
// A player who stops answering is noticed within this time.
inline constexpr int netTimeoutMs = 8000;

struct HostPeer {
    // The seat it plays; -1 before its hello, or once it is being dropped.
    int seat = -1;
    bool dropped = false;
    std::string address;
    int64_t helloBy = 0;
    int64_t windowStart = 0;
    int messages = 0;
    // The last turn whose hash it reported.
    int hashedTurn = 0;
};

struct HostSession {
    NetHost* net = nullptr;
    // Dealt by the caller before hostOpen (coreSeats gives its seats);
    // played by the session.
    GameState state;
    std::vector<NetSeat> seats;
    int maxTurns = 500;
    int helloMs = helloTimeoutMs;
    // The game begins by itself once every network seat is taken (a
    // dedicated host); else when hostStart is called (a host at its screen).
    bool autoStart = true;
    // Where the game stands in the one order: the next apply's number.
    uint32_t order = 0;
    bool started = false;
    // The game stopped (out of step, or ended by the host); the line says why.
    bool stopped = false;
    std::string stopLine;
    std::vector<int> seatPeer;
    std::map<int, HostPeer> peers;
    // The hash of every cycle's end, by turn.
    std::map<int, uint64_t> hashes;
    // The host's log; watch follows its game.
    std::function<void(const std::string&)> log;
    StepWatch watch;
};

// The game's seats as the core knows them: a seat played at the host's
// screen or on another computer is a Human seat on every peer.
std::vector<Seat> coreSeats(const std::vector<NetSeat>& seats);

// Listens on port of bind ("" for every interface) with the game dealt in
// host.state (its journal on) and its seats. False when the port cannot be
// opened, why saying so.
bool hostOpen(HostSession& host, const std::string& bind, int port, std::string& why);
// Begins the game dealt in host.state with everyone in the lobby, once every
// network seat is taken; false before.
bool hostStart(HostSession& host);
// Changes a seat's use before the game begins; a player on it is sent away.
void hostSetSeat(HostSession& host, int seat, SeatUse use);
// Handles what the network brings within timeoutMs, and plays on as far as
// the game can go without a player.
void hostPoll(HostSession& host, int timeoutMs);
// Everyone a network seat waits for has joined.
bool hostFull(const HostSession& host);
// Peers connected (in the lobby or playing).
int hostPeerCount(const HostSession& host);
// A decision of a seat played at the host's screen; false when it is not
// that seat's turn or not legal.
bool hostDecide(HostSession& host, const Decision& decision);
// Tells every peer why the game ends, and closes.
void hostClose(HostSession& host, const std::string& why);
