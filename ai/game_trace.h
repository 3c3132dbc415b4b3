#pragma once
// One line per placement and per finished battle of the computer turns, with
// every active star's owner and armies: the trace that zentory-sim prints and
// that tests compare to show two runs played the same game.
#include <string>

#include "ai/turn_sequence.h"

// The line for what the step did, ending in '\n'; empty for the steps that are
// not traced (choices, rounds within a battle, turn ends).
std::string traceLine(const Galaxy& galaxy, const AiStepReport& report);
