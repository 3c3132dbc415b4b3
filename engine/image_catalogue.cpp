#include "engine/image_catalogue.h"

#include <cstring>

#include "engine/draw_text.h"
#include "engine/platform/platform.h"

ImageCatalogue imageCatalogue;
char loadingText[144] = "loading..";

void setEntries(const std::vector<ImageEntry>& entries) { imageCatalogue.entries = entries; }

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
            surfacesChanging();
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
    surfacesChanging();
    for (auto& [name, surface] : imageCatalogue.images) delete surface;
    imageCatalogue.images.clear();
}

Surface* findImage(const std::string& name)
{
    auto it = imageCatalogue.images.find(name);
    return it == imageCatalogue.images.end() ? nullptr : it->second;
}

bool bringUpDisplay(bool windowed)
{
    releaseAllImages();
    if (!openDisplay(windowed)) return false;
    openFonts();
    setEntries(builtinImageList());
    try {
        loadAllImages();
    } catch (const ImageLoadError& e) {
        platformShowError("Error", e.what());
        return false;
    }
    return true;
}

int restoreAll()
{
    int result = restoreDisplay();
    if (result == 0) reloadAllImages();
    return result;
}

void drawImage(int x, int y, const std::string& name)
{
    if (const Surface* s = findImage(name)) drawSurface(x, y, *s);
}

void drawImageCentered(int cx, int cy, const std::string& name)
{
    if (const Surface* s = findImage(name)) drawSurface(cx - s->width / 2, cy - s->height / 2, *s);
}

void drawImagePart(int x, int y, int srcX, int srcY, int width, int height, const std::string& name)
{
    if (const Surface* s = findImage(name)) drawSurfacePart(x, y, srcX, srcY, width, height, *s);
}

int imageWidth(const std::string& name)
{
    const Surface* s = findImage(name);
    return s ? s->width : 0;
}

int imageHeight(const std::string& name)
{
    const Surface* s = findImage(name);
    return s ? s->height : 0;
}
