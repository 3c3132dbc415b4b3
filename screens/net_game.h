#pragma once
// A network game as the board plays it. The session (ai/net_host.h or
// ai/net_peer.h) keeps its own unpaced game and the one order of decisions;
// the board's game (gameState) follows that order at the board's pace: a
// decision of a seat played here goes through the host and is applied when
// it comes back, the other seats' decisions are applied as the board
// reaches their turns. Nothing here when no network game is under way.
#include <string>
#include <vector>

#include "game/decision.h"
#include "game/net_message.h"

enum class NetRole { None, Hosting, Joined };

// Whether a network game (or its lobby) is under way, and this computer's part.
NetRole netRole();
// Whether seat p is played at this computer (always, outside network games).
bool netSeatIsLocal(int p);
// The seats and their players' names, as the lobby and the panel show them.
const std::vector<NetSeat>& netSeats();
// The name the player of seat p joined with; empty outside network games and
// for seats nobody joined.
std::string netPlayerName(int p);
// The board's decision for the seat whose turn it is: applied to the game at
// once outside network games; in one, sent through the host and applied
// when it comes back (a few milliseconds; at most 5 s, then the game ends).
// False when it was not legal.
bool boardDecide(Decision decision);
// The turn of a seat played elsewhere: applies its next decision that came,
// and moves the board to the screen of the game's new phase. True when the
// turn is such a turn (the caller draws the board and nothing else).
bool remoteTurnFrame(int elapsedMs);
// Once a frame, on every screen: reads the network, lets the host play on,
// and ends a game that stopped (the host left, out of step) with its line.
void netFrame();
// What the board says about the network game (who left, why it ended);
// empty when nothing.
const std::string& netLine();
// Leaves a network game: the host tells everyone, a peer goes.
void leaveNetGame();

// Hosting: listens for players on port (0: any free one) with these seats of
// the selected galaxy; false (why) when the port cannot be opened.
bool hostLobby(const std::vector<NetSeat>& seats, int port, std::string& why);
// Changes a seat's use in the lobby; a player on it is sent away.
void setLobbySeat(int seat, SeatUse use);
// Every network seat is taken, and there is one at least.
bool lobbyFull();
// The port the lobby listens on.
int lobbyPort();
// Starts the game in gameState (dealt by the caller) with everyone in the lobby.
void startHostedGame();
// Joining: connects to "host[:port]" as name; false (why) for an address
// that cannot be used. The game comes with netFrame, which opens the board.
bool joinGame(const std::string& address, const std::string& name, std::string& why);
// Whether the joined peer is in the lobby, and its seat there (-1: none yet).
bool joinedLobby();
int joinedSeat();

void resetNetGameForTests();
