#pragma once
// SDL scan codes to the PC set-1 codes the game reads keys by.

// 0 for a key the game has no code for.
int set1CodeFromSdlScancode(int sdlScancode);
