#pragma once
// Recorded games played headless: a new game played and recorded (its human
// seat, if any, played by the bot), and a recording played again and checked
// turn by turn. Computer turns go through the same steps the screens pace,
// human phases through decisions, so both take the game's real course.
//
#include <functional>
#include <string>
#include <vector>

#include "game/recording.h"

// A deciding seat's turn waits for its decision (a human phase).
bool decisionDue(const GameState& state);
// The steps that take no decision: a new turn cycle (TurnStart), or the
// computer turns on to the next deciding seat or the cycle's end.
void stepWithoutDecision(GameState& state);

// Plays on until the game is over or turn cycle maxTurns starts: the steps
// that take no decision, and decide(state) where one is due (after 10000 in
// one turn, the empty decision). after() runs after each step. Returns false
// when a decision was refused, the game left there.
bool playOn(GameState& state, int maxTurns, const std::function<Decision(const GameState&)>& decide,
            const std::function<void()>& after = {});

// Deals a new game on a copy of loaded with seed (the generator seeded again
// with it after the deal, as the match runner does), with these seats (one
// per player of loaded); its deciding seats are played by seatDecision. The
// journal is on.
void dealGame(GameState& state, const Galaxy& loaded, unsigned seed, const std::vector<Seat>& seats, int difficulty);
// With the default seats: a human at player 0, or none.
void dealGame(GameState& state, const Galaxy& loaded, unsigned seed, bool humanSeat, int difficulty);

// Plays the dealt game on to its end, or until maxTurns turn cycles have
// ended, and returns its recording (started as the caller's time).
std::string playAndRecord(GameState& state, int maxTurns, const std::string& started);

struct ReplayResult {
    // The last turn whose figures matched (0: none).
    int turns = 0;
    // The winner the replay reached, or noOwner when the recording stops first.
    int winner = noOwner;
    bool onPoints = false;
    // The turn at which the game went otherwise than recorded; 0 when it did not.
    int differsAt = 0;
};

// Sets the game up as the recording began, generator and journal included.
void startRecordedGame(GameState& state, const Recording& recording);
// Plays the recorded game again to the recording's last whole line and
// compares every decision and every turn's figures with it.
ReplayResult replayRecording(GameState& state, const Recording& recording);
