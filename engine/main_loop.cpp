#include "engine/main_loop.h"

#include <cstdio>

#include "base/random.h"
#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/platform/font.h"
#include "engine/platform/platform.h"
#include "engine/sound.h"

static EngineState state;

const EngineState& engineState() { return state; }

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
    const EngineConfig& config = engineConfig();
    // The engine's own choices draw from a sequence of their own; every game
    // seeds its generator when it is dealt.
    seedEngineRandom(platformTickCount() ^ 0x5A17C0DEu);
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
    if (StateHandler handler = engineConfig().frameHandler) handler(static_cast<int>(state.elapsedMs));
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
    case PlatformEventType::textInput: onTextMessage(event); break;
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
        if (!platformHasFocus() && !state.busyUnfocused && engineRandomInt(100) > 1) {
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

void runWhileUnfocused(bool on) { state.busyUnfocused = on; }

void shutdownEngine()
{
    shutdownInput();
    shutdownMusic();
    shutdownSound();
}

void resetEngineForTests()
{
    destroyWindow();
    resetEngineConfig();
    state = EngineState{};
}
