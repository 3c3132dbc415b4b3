#pragma once
// Screenshots of the screens, written by write_pictures as PNG files. Each
// screen group has its own file here with one function that plays the
// program through the headless driver to each screen and saves it.
#include <string>

// Each returns the number of files it failed to write. `scratch` is a folder
// the function may use for the program's data.
int writeTitleScreenshots(const std::string& dir, const std::string& scratch);
int writeEditorScreenshots(const std::string& dir, const std::string& scratch);
int writeMenuScreenshots(const std::string& dir, const std::string& scratch);
int writeGameComputerScreenshots(const std::string& dir, const std::string& scratch);
int writeGameHumanScreenshots(const std::string& dir, const std::string& scratch);
