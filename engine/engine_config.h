#pragma once
// What start-up hands the engine once: the window's look, the sound and music
// list files, the frame handler and the pictures the program holds. It sits below everything
// else in the engine, so that the display and the catalogue can read it.
#include <string>
#include <vector>

using StateHandler = void (*)(int elapsedMs);
using ImageListCallback = void (*)(std::vector<std::string>& names, std::vector<std::string>& resourceIds);

struct ImageEntry {
    std::string name;
    std::string source; // a built-in picture's decimal id, or a BMP file path
};

struct EngineConfig {
    bool configured = false;
    int iconId = 0;
    std::string windowTitle;
    bool fullScreen = true;
    bool showCursor = true;
    bool initialised = false;
    std::string soundListFile, musicListFile;
    StateHandler frameHandler = nullptr;
};

// Caption of the engine's error boxes.
extern const char* const errorCaption;

// Each stores its values on the first call only.
void configureEngine(int iconId, const char* windowTitle, bool fullScreen, bool showCursor);
void initEngine(const char* soundListFile, const char* musicListFile, StateHandler frameHandler);
const EngineConfig& engineConfig();

// The program's own pictures, asked for once before the window exists.
void takeBuiltinImageList(ImageListCallback listImages);
const std::vector<ImageEntry>& builtinImageList();

// Back to the state before configuration.
void resetEngineConfig();
