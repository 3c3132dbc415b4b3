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

void initEngine(const char* soundListFile, const char* musicListFile, StateHandler frameHandler)
{
    if (config.initialised) return;
    config.initialised = true;
    config.soundListFile = soundListFile ? soundListFile : "";
    config.musicListFile = musicListFile ? musicListFile : "";
    config.frameHandler = frameHandler;
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
