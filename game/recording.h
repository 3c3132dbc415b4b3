#pragma once
// A recorded game as text: how it began, then its course. Enough to play the
// game again exactly and to check, turn by turn, that it goes as it went.
//
//   zentory recording 1               format and version: anything else is refused
//   version <program version>
//   started <time, as the caller gave it>
//   difficulty <0..4>
//   seats <human|computer|expert> ... one per player
//   random <generator state after the deal>
//   name <galaxy name>
//   minimumIncome <real>
//   caution <real> ...                one per player
//   galaxy                            then the dealt galaxy in the galaxy file format
//   course
//   decision <turn> <seat> <decision text, game/decision.h>
//   turn <turn> <hash> <stars>... <incomes>... <armies>...   per player, a turn cycle ended
//   winner <player> <conquest|points> after the last turn line of a finished game
//
// Lines are whole: a text that ends inside a line (a crash while writing)
// reads as if it ended at its last whole line. Reals are written with 17
// digits, so that they read back to the same bits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"

inline constexpr const char* recordingFormatLine = "zentory recording 1";
// Largest recording read, 16 MiB: the header of a galaxy of the largest size
// takes about 2.1 MB, and a long game's course rarely 1 MB. A larger file is
// refused unread.
constexpr size_t maxRecordingBytes = 16u * 1024 * 1024;
// Armies a recorded star may start with; battles of more would replay for long.
constexpr int maxRecordedArmies = 1000000;

struct Recording {
    std::string version;
    std::string started;
    int difficulty = 2;
    std::vector<Seat> seats;
    uint32_t random = 0;
    // As dealt: name, players (caution, alive), minimum income, stars, links.
    Galaxy galaxy;
    std::vector<CourseEntry> course;
};

// The program's version, as the build names it.
const char* programVersion();

// The header of the game in state as it begins (just dealt, random the
// generator's state now), started being the caller's time.
Recording recordingOf(const GameState& state, uint32_t random, const std::string& started);
// The header lines, "course" the last.
std::string recordingHeaderText(const Recording& recording);
// One entry's line (a turn line with its winner line, when the game is over).
std::string courseLine(const CourseEntry& entry);
// Header and course.
std::string recordingText(const Recording& recording);

// Reads a recording strictly. A text of another format, of a later version,
// cut inside its header or damaged anywhere is refused: false, why says
// "recording cannot be read: " and what is wrong, and out is left alone.
bool readRecording(const std::string& text, Recording& out, std::string& why);
// The same for a file of at most maxRecordingBytes (a regular file only).
bool readRecordingFile(const std::string& path, Recording& out, std::string& why);
