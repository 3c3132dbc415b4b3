#pragma once
// Who plays which player: the seats of a game, their words in saves,
// recordings and on the command line, and the questions the rules ask.
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"

// Player 0 a human and the others computer players, or every player a
// computer player (the demonstration game).
std::vector<Seat> defaultSeats(int players, bool demo);

// "human", "computer", "expert".
const char* seatWord(Seat seat);
bool parseSeatWord(std::string_view word, Seat& seat);
// A comma-separated list, one word per player ("human,computer,expert"). A
// list of another length, an empty or unknown word: false, why names it.
bool parseSeats(std::string_view list, int players, std::vector<Seat>& out, std::string& why);

Seat seatOf(const GameState& state, int p);
// No Human seat: the demonstration game.
bool isDemo(const GameState& state);
int humanSeats(const GameState& state);
// The one human seat, whom texts call "you"; noOwner with none or several.
int soleHuman(const GameState& state);
// A Human or Expert seat: it plays its turns through decisions.
bool decidingSeat(const GameState& state, int p);
