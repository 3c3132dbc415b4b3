#include "engine/engine_config.h"

const char* const errorCaption = "Zentory";

static EngineConfig config;
static std::vector<ImageEntry> builtinImages;

void configureEngine(int iconId, const char* windowTitle, bool fullScreen, bool showCursor)
{
    if (config.configured) return;
    config.configured = true;
    config.iconId = iconId;
    config.windowTitle = windowTitle ? windowTitle : "";
    config.fullScreen = fullScreen;
    config.showCursor = showCursor;
}

void initEngine(const char* imageListFile, const char* soundListFile, const char* musicListFile,
                StateHandler frameHandler, int reserved0, int reserved1, int reserved2, int reserved3)
{
    if (config.initialised) return;
    config.initialised = true;
    config.imageListFile = imageListFile ? imageListFile : "";
    config.soundListFile = soundListFile ? soundListFile : "";
    config.musicListFile = musicListFile ? musicListFile : "";
    config.frameHandler = frameHandler;
    config.reserved[0] = reserved0;
    config.reserved[1] = reserved1;
    config.reserved[2] = reserved2;
    config.reserved[3] = reserved3;
}

const EngineConfig& engineConfig() { return config; }
const std::vector<ImageEntry>& builtinImageList() { return builtinImages; }

void takeBuiltinImageList(ImageListCallback listImages)
{
    builtinImages.clear();
    if (!listImages) return;
    std::vector<std::string> names, ids;
    listImages(names, ids);
    for (size_t i = 0; i < names.size() && i < ids.size(); ++i) builtinImages.push_back({names[i], ids[i]});
}

void resetEngineConfig()
{
    config = EngineConfig{};
    builtinImages.clear();
}
