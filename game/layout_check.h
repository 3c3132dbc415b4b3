#pragma once
// The editor's tidy-up after a drag: links that now cross another are dropped,
// stars that touch another star or leave the board are removed.
#include "game/galaxy.h"

// Of two crossing links the one met first (smaller i, then j) is dropped; of
// two touching stars the one with the smaller index is removed.
void validateLayout(Galaxy& galaxy);
