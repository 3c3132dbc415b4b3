#pragma once
// Texts the core (game/, ai/) builds in English, in the player's language.
#include <string>

// The translation of a message from the core: a colour, a difficulty, a
// refusal or a failure reason; a message with a number in it is translated
// with its number. Any other text comes back as it is.
std::string trCore(const std::string& message);
// A computer player by its colour, e.g. "green AI".
std::string computerPlayerName(const char* colour);
