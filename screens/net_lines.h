#pragma once
// The network session's lines (net/) are English: the host's log, and the
// reasons a host gives to a peer. The screens show them in the player's
// language.
#include <string>

// The line translated when it is one the session says; any other as it is.
std::string netLineText(const std::string& line);
