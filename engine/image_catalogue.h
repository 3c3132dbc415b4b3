#pragma once
// The catalogue of named images: what is to be loaded, the surfaces by name,
// and the drawing operations that look them up.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/display.h"
#include "engine/engine_config.h"

struct ImageCatalogue {
    std::vector<ImageEntry> entries;
    std::map<std::string, Surface*> images;
};

extern ImageCatalogue imageCatalogue;
// The progress text; it keeps growing across loads within one run.
extern char loadingText[144];

// Loading an image failed; what() is the text shown to the player.
struct ImageLoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void setEntries(const std::vector<ImageEntry>& entries);
// Loads every entry with the progress text; false with nothing loaded when
// there are no entries. Throws ImageLoadError when an image cannot be made.
bool loadAllImages();
void reloadAllImages();
void releaseAllImages();
Surface* findImage(const std::string& name);

// Bring-up: releases the images and any old display, makes a new one, opens the
// fonts and loads every image of the catalogue. On failure the message is shown
// in an error box and false is returned.
bool bringUpDisplay(bool windowed);
// After the platform lost its render target: rebuild it and reload every image.
int restoreAll();

// Facade drawing operations; a name that is not in the catalogue draws nothing.
void drawImage(int x, int y, const std::string& name);
void drawImageCentered(int cx, int cy, const std::string& name);
void drawImagePart(int x, int y, int srcX, int srcY, int width, int height, const std::string& name);
int imageWidth(const std::string& name);
int imageHeight(const std::string& name);
