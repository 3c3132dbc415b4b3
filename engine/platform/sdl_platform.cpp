// The game's platform: an SDL2 window showing our 800x600 back buffer,
// letterboxed in full screen, plus events, clock, focus and error boxes.
#include <SDL.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/platform/platform.h"
#include "engine/platform/sdl_keymap.h"

namespace {

SDL_Window* window = nullptr;
SDL_Renderer* renderer = nullptr;
SDL_Texture* texture = nullptr;
bool videoStarted = false;
// The window must be drawn again even if our frame did not change.
bool mustRedraw = true;
// The window is made hidden and shown once the first frame is in it, so
// that nothing empty ever shows (nor the first window where the renderer
// has SDL make the window again).
bool windowShown = false;
uint32_t lastPresent = 0;

// Frames are capped at about 60 per second: where no real vsync paces
// presenting (a virtual X server, software GL that claims vsync) an idle
// screen would otherwise burn a core.
constexpr uint32_t minimumFrameMs = 16;

int clampInt(int v, int lo, int hi) { return std::min(std::max(v, lo), hi); }

bool createTexture()
{
    if (texture) SDL_DestroyTexture(texture);
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, 800, 600);
    return texture != nullptr;
}

void setIcon(const Image* icon)
{
    if (!icon || icon->width <= 0 || icon->height <= 0) return;
    // Black is transparent in our pictures, so it becomes alpha 0 in the icon.
    std::vector<uint32_t> argb(icon->pixels.size());
    for (size_t i = 0; i < argb.size(); ++i) {
        uint32_t p = icon->pixels[i] & 0xFFFFFFu;
        argb[i] = p ? (p | 0xFF000000u) : 0;
    }
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), icon->width, icon->height, 32, icon->width * 4,
                                                        SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_SetWindowIcon(window, s);
    SDL_FreeSurface(s);
}

void showWindowWithFirstFrame()
{
    SDL_ShowWindow(window);
    // Take the keyboard at start, also where no window manager hands it over.
    SDL_RaiseWindow(window);
    windowShown = true;
    // A hidden window keeps no picture: draw the frame again at once.
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

void toggleFullScreen()
{
    if (!window) return;
    bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (!full) return;
    // A window that started in full screen was made borderless (see below).
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowSize(window, 800, 600);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

} // namespace

bool platformOpenWindow(const PlatformWindowConfig& config)
{
    if (!videoStarted) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
            std::fprintf(stderr, "zentory: no video: %s\n", SDL_GetError());
            return false;
        }
        videoStarted = true;
    }
    Uint32 flags = SDL_WINDOW_HIDDEN;
    SDL_Rect place = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
    if (config.fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        // The window manager hears of the full screen only after the window
        // is shown; until then a borderless window over the whole desktop
        // looks the same, where a decorated 800x600 one would flash first.
        if (SDL_GetDisplayBounds(0, &place) == 0)
            flags |= SDL_WINDOW_BORDERLESS;
        else
            place = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600};
    }
    window = SDL_CreateWindow(config.title, place.x, place.y, place.w, place.h, flags);
    if (!window) {
        std::fprintf(stderr, "zentory: no window: %s\n", SDL_GetError());
        return false;
    }
    windowShown = false;
    setIcon(config.icon);
    SDL_ShowCursor(config.showCursor ? SDL_ENABLE : SDL_DISABLE);
    // Typed characters, as the layout and Shift make them, for the text lines.
    SDL_StartTextInput();
    return true;
}

void platformCloseWindow()
{
    platformCloseDisplay();
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    videoStarted = false;
}

bool platformOpenDisplay(bool /*windowed*/)
{
    if (!window) return false;
    if (!renderer) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
        if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
        if (!renderer) {
            std::fprintf(stderr, "zentory: no renderer: %s\n", SDL_GetError());
            return false;
        }
        SDL_RenderSetLogicalSize(renderer, 800, 600);
    }
    mustRedraw = true;
    return createTexture();
}

void platformCloseDisplay()
{
    if (texture) SDL_DestroyTexture(texture);
    texture = nullptr;
    if (renderer) SDL_DestroyRenderer(renderer);
    renderer = nullptr;
}

int platformRestoreDisplay()
{
    // After a device reset the renderer itself is gone, so rebuild both.
    platformCloseDisplay();
    return platformOpenDisplay(false) ? 0 : -1;
}

int platformPresent(const Image& frame, bool changed)
{
    if (!renderer || !texture || frame.width != 800 || frame.height != 600) return -1;
    // An idle screen shows the same frame again and again; showing it once is enough.
    if (changed || mustRedraw) {
        mustRedraw = true; // until it has been shown
        if (SDL_UpdateTexture(texture, nullptr, frame.pixels.data(), 800 * 4) != 0) return -1;
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        if (SDL_RenderClear(renderer) != 0) return -1;
        if (SDL_RenderCopy(renderer, texture, nullptr, nullptr) != 0) return -1;
        SDL_RenderPresent(renderer);
        mustRedraw = false;
        if (!windowShown) showWindowWithFirstFrame();
    }
    uint32_t spent = SDL_GetTicks() - lastPresent;
    if (spent < minimumFrameMs) SDL_Delay(minimumFrameMs - spent);
    lastPresent = SDL_GetTicks();
    return 0;
}

bool platformPollEvent(PlatformEvent& out)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        out = PlatformEvent{};
        switch (e.type) {
        case SDL_QUIT: out.type = PlatformEventType::quit; return true;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_MINIMIZED:
            case SDL_WINDOWEVENT_HIDDEN:
                // Not yet shown is not minimised: the first frame shows it.
                if (!windowShown) break;
                out.type = PlatformEventType::minimised; return true;
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_SHOWN: out.type = PlatformEventType::restored; return true;
            case SDL_WINDOWEVENT_MOVED:
            case SDL_WINDOWEVENT_SIZE_CHANGED: mustRedraw = true; out.type = PlatformEventType::moveOrSizeEnded; return true;
            case SDL_WINDOWEVENT_EXPOSED: mustRedraw = true; break;
            default: break;
            }
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET: out.type = PlatformEventType::displayLost; return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            bool down = e.type == SDL_KEYDOWN;
            if (down && e.key.keysym.scancode == SDL_SCANCODE_RETURN && (e.key.keysym.mod & KMOD_ALT)) {
                if (!e.key.repeat) toggleFullScreen();
                break;
            }
            int code = set1CodeFromSdlScancode(e.key.keysym.scancode);
            if (code <= 0 || code > 255) break;
            out.type = down ? PlatformEventType::keyDown : PlatformEventType::keyUp;
            out.code = code;
            return true;
        }
        case SDL_TEXTINPUT:
            out.type = PlatformEventType::textInput;
            std::memcpy(out.text, e.text.text, sizeof out.text - 1);
            return true;
        case SDL_MOUSEMOTION:
            out.type = PlatformEventType::mouseMove;
            out.x = clampInt(e.motion.x, 0, 799);
            out.y = clampInt(e.motion.y, 0, 599);
            out.leftHeld = (e.motion.state & SDL_BUTTON_LMASK) != 0;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
            out.type = e.type == SDL_MOUSEBUTTONDOWN ? PlatformEventType::mouseButtonDown : PlatformEventType::mouseButtonUp;
            out.button = e.button.button == SDL_BUTTON_LEFT ? 1 : 3;
            out.x = clampInt(e.button.x, 0, 799);
            out.y = clampInt(e.button.y, 0, 599);
            out.leftHeld = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
            return true;
        default: break;
        }
    }
    return false;
}

void platformWaitEvent() { SDL_WaitEventTimeout(nullptr, 100); }

bool platformHasFocus()
{
    // Until the first frame shows it the window cannot have the keyboard; it
    // is not in the background either, and its first frame must not wait.
    return window && (!windowShown || (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0);
}

void platformPostQuit()
{
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

uint32_t platformTicks() { return SDL_GetTicks(); }

uint32_t platformTickCount()
{
    // SDL's own clock starts at 0 with SDL, the same on every run.
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0 && clock_gettime(CLOCK_MONOTONIC, &now) != 0) return SDL_GetTicks();
    uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

void platformSleep(uint32_t ms) { SDL_Delay(ms); }

void platformShowError(const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    // Without a display (a test run, a remote shell) a box would never be seen
    // or closed, so only the message on stderr is given.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (SDL_getenv("ZENTORY_NO_DIALOGS") || !driver || SDL_strcmp(driver, "dummy") == 0 || SDL_strcmp(driver, "offscreen") == 0) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, window);
}

bool platformLoadBmp(const char* path, Image& out)
{
    SDL_Surface* s = SDL_LoadBMP(path);
    if (!s) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(s);
    if (!rgb) return false;
    out.resize(rgb->w, rgb->h);
    for (int y = 0; y < rgb->h; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) out.row(y)[x] = src[x] & 0xFFFFFFu;
    }
    SDL_FreeSurface(rgb);
    return true;
}

bool platformOpenUrl(const char* url)
{
    // SDL hands the address to the desktop's opener and does not wait for it.
    return url && SDL_OpenURL(url) == 0;
}
