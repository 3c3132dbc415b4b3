#pragma once
// Screenshots of the screens, written by write_pictures as PNG files. Each
// screen group has its own file here with one function that plays the
// program through the headless driver to each screen and saves it.
#include <string>

#include "engine/platform/headless.h"
#include "tools/png_writer.h"

// Writes the frame last shown as <dir>/<name>.png when the screen was
// reached; 0 when written, else 1.
inline int writeScreen(const std::string& dir, const std::string& name, bool reached = true)
{
    return reached && png::write(dir + "/" + name + ".png", headlessLastFrame()) ? 0 : 1;
}

// Each returns the number of files it failed to write.
int writeTitleScreenshots(const std::string& dir);
int writeEditorScreenshots(const std::string& dir);
int writeMenuScreenshots(const std::string& dir);
int writeGameComputerScreenshots(const std::string& dir);
int writeGameHumanScreenshots(const std::string& dir);
int writeReplayScreenshots(const std::string& dir);
int writeNetworkScreenshots(const std::string& dir);
