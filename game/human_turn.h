#pragma once
// A deciding seat's turn (a human's, or the expert's) as operations on the
// game state: the board and its panels read the pointer and the buttons, and
// decisions (game/decide.h) call these for every rule. They act for
// state.turnPlayer.
#include "game/game_state.h"

// A new turn cycle (the board's "play"): counts the turn. When player 0 takes
// a decision turn it begins (beginDecisionTurn); otherwise the computer
// seats begin (ComputerTurns), and the players follow in index order.
void startTurnCycle(GameState& state);

// Deciding seat p's turn begins: HumanPlacement with the turn's allowance,
// or HumanAttack when its empire supports no more armies.
void beginDecisionTurn(GameState& state, int p);

// Places step armies (cut to what is left) on one of the turn player's stars in
// the placement phase; the attack phase follows once nothing is left.
// Returns the armies placed: 0 for any other star or phase.
int placeArmies(GameState& state, int star, int step);

// A drag of player's may start on its star with armies on it.
bool canDragFrom(const Galaxy& galaxy, int player, int star);
enum class DropKind { Nothing, Attack, Move };
// What player's dropping armies dragged from one star onto another does: a
// linked star of another player is attacked, a linked own star receives the move.
DropKind dropKind(const Galaxy& galaxy, int player, int from, int to);

enum class BattleOutcome {
    Cancelled,      // ready to lose 0 (or no battle possible): nothing fought
    Held,           // the attacker lost what it was ready to lose; the star holds
    SourceEmptied,  // the source ran out of armies; the star holds
    Conquered,      // the star fell; recorded in the state (recordConquest)
};
// The human's battle from one star on another, up to readyToLose of its own
// armies. A conquest opens the transfer (HumanTransfer) while the source has
// armies left, or goes back to HumanAttack; or it ends the game.
BattleOutcome fightBattle(GameState& state, int from, int to, int readyToLose);

// The transfer after a conquest: moves m armies (cut to the source's) and
// goes back to the attack phase. Returns the armies moved.
int transferAfterConquest(GameState& state, int m);

// The move between two own stars: m = 0 calls it off (false); any other m
// moves the armies and ends the human's turn (true).
bool moveAndEndTurn(GameState& state, int from, int to, int m);

// The turn player's turn is over ("Next Turn" or a move): the players after
// it follow (ComputerTurns; beginComputerTurns walks on from turnPlayer).
void endHumanTurn(GameState& state);
