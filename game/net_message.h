#pragma once
// The messages of network play as bytes, and back. A pure codec: every field
// is bounded and checked when read, so that whatever a peer sends is either a
// message the session may use as it is or refused whole. Whether a message
// makes sense where it comes (its turn, its seat, a legal decision) is the
// session's to judge.
//
// Every message is one packet: a kind byte, then its fields in order; whole
// numbers as 4 bytes little-endian (the hash 8), text as a 4-byte length and
// its bytes; nothing may follow the last field.
//   hello     protocol, program version, player name
//   refused   why (a line shown to the joining player)
//   lobby     per seat: use, name; then the seat given to the receiver (-1: none yet)
//   start     the receiver's seat, the order of the next apply, per seat: use,
//             name; then the game as a saved game
//   decide    the decision a peer makes for its seat (player, kind, star, target, armies)
//   apply     its place in the one order, then a decision every peer applies
//   hash      the turn whose cycle ended, the hash of the state after it
//   outOfStep the turn at which some peer's hash differed: the game stops
//   left      a seat whose player went (its seat now the computer's)
//   joined    a seat and its player's name, back in the game
//   end       why the game ended for everyone (the host left or stopped it)
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/decision.h"

// Raised when the messages change in a way an older peer could not read.
inline constexpr int netProtocol = 1;
// The port a host listens on unless told otherwise, in the dynamic range.
inline constexpr int defaultNetPort = 53641;
// A player's name: printable, at most this many bytes (UTF-8 allowed).
inline constexpr size_t maxNetName = 24;
// Other texts: versions, reasons.
inline constexpr size_t maxNetText = 200;
// The game as a saved game; the largest save the game reads.
inline constexpr size_t maxNetGame = 8u * 1024 * 1024;
// Every message but start is far shorter than this.
inline constexpr size_t maxNetSmallMessage = 4096;

enum class NetKind : uint8_t { Hello = 1, Refused, Lobby, Start, Decide, Apply, Hash, OutOfStep, Left, Joined, End };

// Who plays a seat: the computer on every peer, a player at the host's
// screen, a player on another computer, or the expert on every peer.
enum class SeatUse : uint8_t { Computer, Local, Network, Expert };

struct NetSeat {
    SeatUse use = SeatUse::Computer;
    std::string name;
    bool operator==(const NetSeat&) const = default;
};

struct NetMessage {
    NetKind kind = NetKind::End;
    int protocol = netProtocol;
    // Hello: the program version; refused and end: why.
    std::string text;
    // Hello and joined: the player's name.
    std::string name;
    // Lobby and start: the receiver's seat; hash and outOfStep: the turn;
    // left and joined: the seat.
    int number = -1;
    std::vector<NetSeat> seats;
    std::string game;
    // Apply: its place in the one order; start: the place of the next apply.
    uint32_t order = 0;
    Decision decision;
    uint64_t hash = 0;
    bool operator==(const NetMessage&) const = default;
};

// A message of kind with its number (the seat or the turn) and its text.
NetMessage netMessage(NetKind kind, int number = -1, std::string text = {});

std::string encodeNetMessage(const NetMessage& message);
// False (out left alone) for anything but one well-formed message within
// the bounds: an unknown kind, a field out of range or cut short, bytes left over.
bool decodeNetMessage(const std::string& bytes, NetMessage& out);

// Printable, not empty, not only spaces, at most maxNetName bytes, no control
// characters (bytes of UTF-8 above 127 are let through).
bool netNameOk(const std::string& name);
