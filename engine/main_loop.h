#pragma once
// The engine's outer shell: configuration, start-up of the window and the
// devices, and the loop that runs one frame at a time.
#include <cstdint>

#include "engine/engine_config.h"

struct EngineState {
    bool windowOpen = false;
    bool windowed = false;
    bool active = false;
    uint32_t lastFrameTime = 0;
    uint32_t elapsedMs = 0;
    int frameFailures = 0;
    bool running = false;
    bool failed = false; // ended because the display gave out
    // Frames go on at full pace without the focus (a network game: the other
    // players wait on this one).
    bool busyUnfocused = false;
};

const EngineState& engineState();

// Runs the program to its end. False when start-up failed or the display gave
// out, so that the process can report the failure in its exit status.
bool runMainLoop(ImageListCallback listImages);

// The loop's pieces, so that tests can drive it turn by turn.
bool startEngine();
// One turn of the loop: one event, or one frame. False when the program ended.
bool engineTurn();
int frameStep();

void quitApplication();
// Whether frames go on at full pace while another window has the focus;
// otherwise about two in a hundred turns of the loop make one.
void runWhileUnfocused(bool on);
void shutdownEngine();
// Back to the state before configuration, for tests that start the engine twice.
void resetEngineForTests();
