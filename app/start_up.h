#pragma once
// The program's fixed configuration, handed to the engine once.

// Fills the standard galaxy names, configures and initialises the engine and
// installs the program's pictures. Does not open anything.
void configureProgram();
