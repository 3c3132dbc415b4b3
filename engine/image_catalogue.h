#pragma once
// The catalogue of named images: what is to be loaded, and the surfaces by
// name that every drawing call looks up.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/display.h"

struct ImageEntry {
    std::string name;
    std::string source; // a built-in picture's decimal id, or a BMP file path
};

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
// Name and source pairs separated by white space; an unpaired last token is
// ignored; a missing file gives no entries.
void readImageListFile(const char* fileName);
// Loads every entry with the progress text; false with nothing loaded when
// there are no entries. Throws ImageLoadError when an image cannot be made.
bool loadAllImages();
void reloadAllImages();
void releaseAllImages();
Surface* findImage(const std::string& name);
