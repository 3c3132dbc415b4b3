#pragma once
// Shared set-up for tests that draw: a headless display with fonts and a
// catalogue holding only the test's own pictures.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <tuple>

#include "engine/display.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/platform/headless.h"

inline void closeTestDisplay()
{
    releaseAllImages();
    releaseDisplay();
}

inline void openTestDisplay()
{
    closeTestDisplay();
    headlessReset();
    platformOpenWindow(PlatformWindowConfig{});
    platformOpenDisplay(false);
    display = new Display;
    display->backBuffer.resize(screenWidth, screenHeight);
    display->ready = true;
    openFonts();
}

// Hands the queued platform events over as the main loop does, then reads a
// fresh frame of input.
inline void nextInputFrame()
{
    endFrameInput();
    PlatformEvent e;
    while (platformPollEvent(e)) {
        if (e.type == PlatformEventType::keyDown || e.type == PlatformEventType::keyUp)
            onKeyMessage(e);
        else if (e.type == PlatformEventType::textInput)
            onTextMessage(e);
        else
            onMouseMessage(e);
    }
    pollInput();
}

// A solid picture of one colour.
inline Image solidImage(int width, int height, uint32_t colour)
{
    Image image;
    image.resize(width, height, colour);
    return image;
}

inline void addTestImage(const std::string& name, const Image& image)
{
    Surface* s = new Surface;
    s->image = image;
    s->width = image.width;
    s->height = image.height;
    setColorKey(*s, 0);
    delete imageCatalogue.images[name];
    imageCatalogue.images[name] = s;
}

inline uint32_t pixelAt(int x, int y) { return drawnFrame().at(x, y); }

inline int countPixels(uint32_t value)
{
    int n = 0;
    for (uint32_t p : drawnFrame().pixels) n += p == value;
    return n;
}

// Pixels that are not black.
inline int litPixels() { return screenWidth * screenHeight - countPixels(0); }

// Each {x, y, value}.
inline void expectPixels(std::initializer_list<std::tuple<int, int, uint32_t>> checks)
{
    for (auto [x, y, value] : checks) EXPECT_EQ(pixelAt(x, y), value) << "at " << x << ", " << y;
}
