#pragma once
// The display: the 800x600 back buffer every frame is drawn into, the image
// surfaces, and the image drawing operations of the engine facade.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/image.h"

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

// One run of pixels in a row of a keyed image that are not the key colour.
struct PixelSpan {
    int16_t start;
    int16_t length;
};

// One loaded image. Black pixels are skipped when the surface has a colour key.
struct Surface {
    Image image;
    bool hasColorKey = false;
    uint32_t colorKey = 0;
    int width = 0;
    int height = 0;
    // Drawing copies whole spans: the visible runs of each row, found once.
    std::vector<PixelSpan> spans;
    std::vector<int> rowFirstSpan; // height + 1 entries into spans
};

// One drawing call of a frame. Calls are kept and drawn when the frame is
// shown: a frame that makes the same calls as the frame on the screen, from a
// clear on, is the same picture, so it is neither drawn nor uploaded again.
struct DrawCall {
    void (*draw)(const DrawCall&) = nullptr; // draws it into the back buffer
    const Surface* surface = nullptr;
    int args[8] = {};
    std::string text;
    bool operator==(const DrawCall&) const = default;
};

// The one display. The back buffer is ours; the platform only shows it.
struct Display {
    Image backBuffer;
    bool ready = false;
    bool windowed = false;
    std::vector<DrawCall> calls; // this frame's, the first `drawnCalls` drawn
    size_t drawnCalls = 0;
    std::vector<DrawCall> shownCalls; // the frame on the screen, from its clear
    // The back buffer holds exactly what shownCalls draw, and the platform shows it.
    bool shownIntact = false;
};

extern Display* display; // null until the display is brought up

// Replaces any old display with a new one and the platform's means of showing
// it. On failure the message is shown in an error box and false is returned.
bool openDisplay(bool windowed);
void releaseDisplay();
// Starts a frame: every pixel to the value.
void clearBackBuffer(uint32_t value);
// Keeps a drawing call for the frame; nothing without a display.
void queueDrawing(DrawCall call);
// The back buffer with every call so far drawn into it, for whoever reads its
// pixels before the frame is shown.
const Image& drawnFrame();
// Draws the calls that are waiting and forgets the frame on the screen: the
// surfaces are about to change or go, and the calls point at them.
void surfacesChanging();
// Shows the frame: 0 on success, a negative platform result otherwise.
int present();
// After the platform lost its render target: rebuild it; 0 on success.
int restoreDisplay();

// The pictures held in the program: the application hands the engine a
// painter that fills an image for a numeric id, false for an unknown id.
using BuiltinPictureSource = bool (*)(int id, Image& out);
void setBuiltinPictureSource(BuiltinPictureSource source);
bool paintBuiltin(int id, Image& out);

// Makes a surface from a source: a built-in picture by its numeric id, else a
// BMP file of that path. Width and height 0 mean the picture's own size.
Surface* createSurfaceFromBitmap(const std::string& source, int width, int height);
bool reloadFromSource(Surface& surface, const std::string& source, int width, int height);
// The colour as r | g << 8 | b << 16; pixels of that colour are not drawn.
void setColorKey(Surface& surface, uint32_t colour);

// The clipping of the named drawing operations (image_catalogue.h), on a surface.
void drawSurface(int x, int y, const Surface& surface);
void drawSurfacePart(int x, int y, int srcX, int srcY, int width, int height, const Surface& surface);
void tintRect(int x, int y, int width, int height, int dr, int dg, int db);
