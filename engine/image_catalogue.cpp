#include "engine/image_catalogue.h"

#include <cstring>
#include <fstream>

#include "engine/draw_text.h"

ImageCatalogue imageCatalogue;
char loadingText[144] = "loading..";

void setEntries(const std::vector<ImageEntry>& entries) { imageCatalogue.entries = entries; }

void readImageListFile(const char* fileName)
{
    imageCatalogue.entries.clear();
    std::ifstream in(fileName ? fileName : "");
    std::string name, source;
    while (in >> name && in >> source) imageCatalogue.entries.push_back({name, source});
}

static void showProgress()
{
    clearBackBuffer(0);
    drawText(28, 140, 255, 255, 255, loadingText, 20, false);
    present();
    size_t len = std::strlen(loadingText);
    if (len < 25) {
        loadingText[len] = '.';
        loadingText[len + 1] = 0;
    } else {
        std::strcpy(loadingText, "loading..");
    }
}

bool loadAllImages()
{
    if (imageCatalogue.entries.empty()) return false;
    for (size_t i = 0; i < imageCatalogue.entries.size(); ++i) {
        const ImageEntry& entry = imageCatalogue.entries[i];
        if (i % 2 == 0) showProgress();
        Surface* surface = createSurfaceFromBitmap(entry.source, 0, 0);
        if (!surface) throw ImageLoadError("Could not create surface from " + entry.source);
        auto it = imageCatalogue.images.find(entry.name);
        if (it != imageCatalogue.images.end()) {
            delete it->second;
            it->second = surface;
        } else {
            imageCatalogue.images[entry.name] = surface;
        }
        setColorKey(*surface, 0);
    }
    return true;
}

void reloadAllImages()
{
    for (const ImageEntry& entry : imageCatalogue.entries) {
        auto it = imageCatalogue.images.find(entry.name);
        if (it != imageCatalogue.images.end()) reloadFromSource(*it->second, entry.source, 0, 0);
    }
}

void releaseAllImages()
{
    for (auto& [name, surface] : imageCatalogue.images) delete surface;
    imageCatalogue.images.clear();
}

Surface* findImage(const std::string& name)
{
    auto it = imageCatalogue.images.find(name);
    return it == imageCatalogue.images.end() ? nullptr : it->second;
}
