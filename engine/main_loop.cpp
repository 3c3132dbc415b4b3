#include "engine/main_loop.h"

#include <cstdio>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/platform/font.h"
#include "engine/platform/platform.h"
#include "engine/random.h"
#include "engine/sound.h"

const char* const errorCaption = "Zentory";

static EngineConfig config;
static EngineState state;
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
const EngineState& engineState() { return state; }
const std::vector<ImageEntry>& builtinImageList() { return builtinImages; }

void takeBuiltinImageList(ImageListCallback listImages)
{
    builtinImages.clear();
    if (!listImages) return;
    std::vector<std::string> names, ids;
    listImages(names, ids);
    for (size_t i = 0; i < names.size() && i < ids.size(); ++i) builtinImages.push_back({names[i], ids[i]});
}

static void destroyWindow()
{
    releaseAllImages();
    releaseDisplay();
    if (state.windowOpen) platformCloseWindow();
    state.windowOpen = false;
}

// Start-up cannot go on: say why, and leave nothing open.
static bool failStartUp(const char* text)
{
    platformShowError(errorCaption, text);
    destroyWindow();
    state.running = false;
    return false;
}

bool startEngine()
{
    uint32_t seed = platformTickCount();
    seedRandom(seed);
    // The engine's own choices draw from a sequence of their own.
    seedEngineRandom(seed ^ 0x5A17C0DEu);
    state.windowed = !config.fullScreen;
    Image icon;
    bool haveIcon = paintBuiltin(config.iconId, icon);
    PlatformWindowConfig window;
    window.title = config.windowTitle.c_str();
    window.fullScreen = config.fullScreen;
    window.showCursor = config.showCursor;
    window.icon = haveIcon ? &icon : nullptr;
    if (!platformOpenWindow(window)) return false;
    state.windowOpen = true;
    // The window is shown now, which makes it active.
    state.active = true;
    state.running = true;
    // Every screen needs text, so a missing font ends start-up with a box
    // that says what to install.
    if (!openFonts()) {
        char text[600];
        std::snprintf(text, sizeof text,
                      "The font file %s could not be opened. Install the Debian package fonts-dejavu-core, "
                      "or set ZENTORY_FONT to another TrueType font. The program will now exit.",
                      fontFilePath());
        return failStartUp(text);
    }
    if (!bringUpDisplay(state.windowed)) return failStartUp("DirectDraw init failed.The program will now exit.");
    state.lastFrameTime = platformTicks();
    initInput();
    bringUpSound(config.soundListFile.c_str());
    bringUpMusic(config.musicListFile.empty() ? nullptr : config.musicListFile.c_str());
    return true;
}


static int renderFrame()
{
    clearBackBuffer(0);
    pollInput();
    updateMusic();
    if (config.frameHandler) config.frameHandler(static_cast<int>(state.elapsedMs));
    endFrameInput();
    return present();
}

int frameStep()
{
    uint32_t now = platformTicks();
    state.elapsedMs = now - state.lastFrameTime;
    if (state.elapsedMs == 0) return 0;
    state.lastFrameTime = now;
    return renderFrame();
}

static void handleEvent(const PlatformEvent& event)
{
    switch (event.type) {
    case PlatformEventType::quit: destroyWindow(); break;
    case PlatformEventType::minimised: state.active = false; break;
    case PlatformEventType::restored: state.active = true; break;
    case PlatformEventType::moveOrSizeEnded: state.lastFrameTime = platformTicks(); break;
    case PlatformEventType::mouseMove:
    case PlatformEventType::mouseButtonDown:
    case PlatformEventType::mouseButtonUp: onMouseMessage(event); break;
    case PlatformEventType::displayLost: restoreAll(); break;
    case PlatformEventType::keyDown:
    case PlatformEventType::keyUp: onKeyMessage(event); break;
    }
}

bool engineTurn()
{
    if (!state.running) return false;
    PlatformEvent event;
    if (platformPollEvent(event)) {
        handleEvent(event);
        if (!state.windowOpen) {
            shutdownEngine();
            state.running = false;
            return false;
        }
        return true;
    }
    if (state.active) {
        if (!platformHasFocus() && engineRandomInt(100) > 1) {
            platformSleep(10);
            return true;
        }
        if (frameStep() < 0) {
            if (++state.frameFailures < 2) return true;
            releaseDisplay();
            platformShowError(errorCaption, "Displaying the next frame failed. The program will now exit. ");
            shutdownEngine();
            destroyWindow();
            state.running = false;
            state.failed = true;
            return false;
        }
        state.frameFailures = 0;
        return true;
    }
    state.frameFailures = 0;
    platformWaitEvent();
    state.lastFrameTime = platformTicks();
    return true;
}

bool runMainLoop(ImageListCallback listImages)
{
    takeBuiltinImageList(listImages);
    if (!startEngine()) return false;
    while (engineTurn()) {
    }
    return !state.failed;
}

void quitApplication() { platformPostQuit(); }

void shutdownEngine()
{
    shutdownInput();
    shutdownMusic();
    shutdownSound();
}

void resetEngineForTests()
{
    destroyWindow();
    config = EngineConfig{};
    state = EngineState{};
    builtinImages.clear();
}
