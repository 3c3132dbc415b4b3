#pragma once
// The engine's outer shell: configuration, start-up of the window and the
// devices, and the loop that runs one frame at a time.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/image_catalogue.h"

using StateHandler = void (*)(int elapsedMs);
using ImageListCallback = void (*)(std::vector<std::string>& names, std::vector<std::string>& resourceIds);

struct EngineConfig {
    bool configured = false;
    int iconId = 0;
    std::string windowTitle;
    bool fullScreen = true;
    bool showCursor = true;
    bool initialised = false;
    std::string imageListFile, soundListFile, musicListFile;
    StateHandler frameHandler = nullptr;
    int reserved[4] = {0, 0, 0, 0};
};

struct EngineState {
    bool windowOpen = false;
    bool windowed = false;
    bool active = false;
    uint32_t lastFrameTime = 0;
    uint32_t elapsedMs = 0;
    int frameFailures = 0;
    bool running = false;
    bool failed = false; // ended because the display gave out
};

// Caption of the engine's error boxes.
extern const char* const errorCaption;

// Each stores its values on the first call only.
void configureEngine(int iconId, const char* windowTitle, bool fullScreen, bool showCursor);
void initEngine(const char* imageListFile, const char* soundListFile, const char* musicListFile,
                StateHandler frameHandler, int reserved0, int reserved1, int reserved2, int reserved3);
const EngineConfig& engineConfig();
const EngineState& engineState();
const std::vector<ImageEntry>& builtinImageList();

// Runs the program to its end. False when start-up failed or the display gave
// out, so that the process can report the failure in its exit status.
bool runMainLoop(ImageListCallback listImages);

// The loop's pieces, so that tests can drive it turn by turn.
void takeBuiltinImageList(ImageListCallback listImages);
bool startEngine();
// One turn of the loop: one event, or one frame. False when the program ended.
bool engineTurn();
int frameStep();

void quitApplication();
void shutdownEngine();
// Back to the state before configuration, for tests that start the engine twice.
void resetEngineForTests();
