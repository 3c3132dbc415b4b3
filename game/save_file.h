#pragma once
// The saved game: the game state as text, so that a game goes on in a later
// run exactly as it would have gone on in this one.
//
//   zentory save 3                   format and version: 1 and 2 are read too, anything else is refused
//   difficulty <0..4>
//   seats <count> <human|computer|expert>...   one per player
//   phase <turnStart|placement|attack|transfer|computerTurns|over>
//   armiesToPlace <n>
//   transfer <from> <to>
//   turnPlayer <player>              the deciding seat whose turn it is, or that played last in the cycle
//   unannounced <count> <player>...
//   winner <player>
//   onPoints <0|1>                   the game ended for want of progress
//   random <generator state>
//   turn <n>
//   lastConquest <n>                 the turn a star last changed owner
//   minimumIncome <real>
//   name <byte count> <name>
//   players <count>  then per player: <caution> <alive>
//   galaxy           then the galaxy in the galaxy file format (galaxy_file.h)
//   memory           then per game star the computer players' need and value
//   history <n>      then n lines "figures <turn>" and per player <stars> <income> <armies>
//   events <n>       then n lines "event <last cycle 0|1> <turn> <taker> <star> <loser> <eliminated 0|1>"
//   recording <file name> <bytes>    optional: the game's recording, and how
//                                    much of it the state saved here has made
//   sum <8 hex digits>               FNV-1a of every byte before this line
//
// Versions 1 and 2 had "demo <0|1>" in place of the seats (player 0 the human
// unless 1) and no turnPlayer. Version 1 had "gameInProgress <0|1>" and "selectedStar <slot>" after
// minimumIncome (a game is in progress by its phase now, and a selection is
// the board's), and called the memory "scratch".
//
// Reals are written with 17 digits, so that they read back to the same bits.
// During a cycle of computer turns the save holds the cycle's start (its
// stars, players and generator), so that the cycle is played again from there
// and takes the same course: no battle can be fought again to another result.
#include <cstdint>
#include <string>

#include "game/game_state.h"

inline constexpr const char* saveFormatLine = "zentory save 3";

// Where the game in a save is recorded: a plain file name in the recordings
// folder (never a path) and the length of the recording that matches the
// state saved; an empty name: the game is not recorded.
struct RecordingMark {
    std::string name;
    uint64_t bytes = 0;
    bool operator==(const RecordingMark&) const = default;
};
// Letters, digits, '-', '_' and '.', not starting with '.', at most 200 bytes.
bool plainFileName(const std::string& name);

// The text of the state (and of its recording's mark, when it has one).
std::string saveText(const GameState& state, const RecordingMark& recording = {});

// The body with its closing sum line.
std::string sealSaveText(std::string body);

// Reads a save made by saveText, or by a version-1 writer. On success state
// holds the game (its computer turns idle, to be begun again; cycleStart as
// the stars, players, generator and memory read). A text of another format
// or version, a damaged one, or one whose numbers the game
// cannot hold (outside the galaxy file's limits, negative armies, an owner
// that is no player, a negative turn, a phase without its stars) is refused:
// false, why says what is wrong, and state is left alone.
// The recording's mark, when asked for, is set too (empty when the save has none).
bool readSaveText(const std::string& text, GameState& state, std::string& why, RecordingMark* recording = nullptr);
