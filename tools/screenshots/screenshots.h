#pragma once
// Screenshots of the screens, written by write_pictures as PNG files. Each
// screen group has its own file here with one function that plays the
// program through the headless driver to each screen and saves it.
#include <string>

// Each returns the number of files it failed to write.
int writeTitleScreenshots(const std::string& dir);
int writeEditorScreenshots(const std::string& dir);
int writeMenuScreenshots(const std::string& dir);
int writeGameComputerScreenshots(const std::string& dir);
int writeGameHumanScreenshots(const std::string& dir);
