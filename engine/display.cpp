#include "engine/display.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/engine_config.h"
#include "engine/platform/platform.h"

Display* display = nullptr;

static BuiltinPictureSource builtinSource = nullptr;

void setBuiltinPictureSource(BuiltinPictureSource source) { builtinSource = source; }

bool paintBuiltin(int id, Image& out) { return builtinSource && builtinSource(id, out); }

bool openDisplay(bool windowed)
{
    releaseDisplay();
    display = new Display;
    display->windowed = windowed;
    display->backBuffer.resize(screenWidth, screenHeight);
    if (!platformOpenDisplay(windowed)) {
        char text[80];
        std::snprintf(text, sizeof text, "This display card does not support %dx%dx%d", 800, 600, 32);
        platformShowError(errorCaption, text);
        return false;
    }
    display->ready = true;
    return true;
}

void releaseDisplay()
{
    if (!display) return;
    platformCloseDisplay();
    delete display;
    display = nullptr;
}

static void fillPixels(uint32_t* from, uint32_t* to, uint32_t value)
{
    if (value == 0)
        std::memset(from, 0, static_cast<size_t>(to - from) * sizeof(uint32_t));
    else
        std::fill(from, to, value);
}

static void drawBlit(const DrawCall& call);

// The columns [from, to) of screen row y that a blit copies from one span of
// its picture, with no key colour among them; from == to when there are none.
static void wholeColumns(const DrawCall& blit, int y, int& from, int& to)
{
    from = to = 0;
    [[maybe_unused]] const auto& [sl, st, sr, sb, dx, dy, unused1, unused2] = blit.args;
    if (y < dy || y >= dy + (sb - st)) return;
    const Surface& s = *blit.surface;
    const int sy = st + (y - dy);
    for (int i = s.rowFirstSpan[sy]; i < s.rowFirstSpan[sy + 1]; ++i) {
        if (s.spans[i].start <= sl && s.spans[i].start + s.spans[i].length >= sr) {
            from = dx;
            to = dx + (sr - sl);
            return;
        }
    }
}

// Clears the back buffer, leaving out what the next call, a picture, covers
// whole anyway: most frames start with a backdrop as large as the screen.
static void clearBefore(const DrawCall& clear, const DrawCall* next)
{
    Image& bb = display->backBuffer;
    const uint32_t value = static_cast<uint32_t>(clear.args[0]);
    const bool blitNext = next && next->draw == drawBlit;
    for (int y = 0; y < bb.height; ++y) {
        uint32_t* row = bb.row(y);
        int from = 0, to = 0;
        if (blitNext) wholeColumns(*next, y, from, to);
        if (from < to) {
            fillPixels(row, row + from, value);
            fillPixels(row + to, row + bb.width, value);
        } else {
            fillPixels(row, row + bb.width, value);
        }
    }
}

static void drawClear(const DrawCall& call) { clearBefore(call, nullptr); }

void clearBackBuffer(uint32_t value)
{
    if (!display) return;
    // Calls not drawn yet are covered by the clear; drawn ones changed the buffer.
    if (display->drawnCalls > 0) display->shownIntact = false;
    display->calls.clear();
    display->drawnCalls = 0;
    DrawCall call;
    call.draw = drawClear;
    call.args[0] = static_cast<int>(value);
    display->calls.push_back(std::move(call));
}

void queueDrawing(DrawCall call)
{
    if (display) display->calls.push_back(std::move(call));
}

static void drawWaitingCalls()
{
    if (display->drawnCalls == display->calls.size()) return;
    std::vector<DrawCall>& calls = display->calls;
    for (size_t i = display->drawnCalls; i < calls.size(); ++i) {
        if (calls[i].draw == drawClear)
            clearBefore(calls[i], i + 1 < calls.size() ? &calls[i + 1] : nullptr);
        else
            calls[i].draw(calls[i]);
    }
    display->drawnCalls = display->calls.size();
    display->shownIntact = false;
}

const Image& drawnFrame()
{
    static const Image none;
    if (!display) return none;
    drawWaitingCalls();
    return display->backBuffer;
}

void surfacesChanging()
{
    if (!display) return;
    drawWaitingCalls();
    display->shownIntact = false;
}

int present()
{
    if (!display || !display->ready) return -1;
    Display& d = *display;
    const bool fromClear = !d.calls.empty() && d.calls.front().draw == drawClear;
    const bool same = d.shownIntact && d.drawnCalls == 0 && fromClear && d.calls == d.shownCalls;
    if (!same) drawWaitingCalls();
    const int result = platformPresent(d.backBuffer, !same);
    // Only a frame drawn from a clear is told by its calls alone.
    std::swap(d.calls, d.shownCalls);
    d.calls.clear();
    d.drawnCalls = 0;
    d.shownIntact = fromClear && result == 0;
    return result;
}

int restoreDisplay()
{
    if (!display) return -1;
    return platformRestoreDisplay();
}

// The leading decimal digits of a source name a built-in picture; 0 otherwise.
static int resourceIdOf(const std::string& source)
{
    int id = 0;
    for (char c : source) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        id = id * 10 + (c - '0');
        if (id > 1000000) break;
    }
    return id;
}

// Scales a picture to the requested size by nearest pixels (0 keeps it).
static void fitToSize(Image& image, int width, int height)
{
    if (width <= 0 || height <= 0 || (width == image.width && height == image.height)) return;
    if (image.width <= 0 || image.height <= 0) return;
    Image scaled;
    scaled.resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            scaled.row(y)[x] = image.at(x * image.width / width, y * image.height / height);
    image = std::move(scaled);
}

static bool loadSource(const std::string& source, int width, int height, Image& out)
{
    int id = resourceIdOf(source);
    if (!(id != 0 && paintBuiltin(id, out)) && !platformLoadBmp(source.c_str(), out)) return false;
    if (out.width <= 0 || out.height <= 0) return false;
    fitToSize(out, width, height);
    return true;
}

static void findSpans(Surface& s)
{
    s.spans.clear();
    s.rowFirstSpan.assign(static_cast<size_t>(s.height) + 1, 0);
    for (int y = 0; y < s.height; ++y) {
        s.rowFirstSpan[y] = static_cast<int>(s.spans.size());
        const uint32_t* row = s.image.row(y);
        int x = 0;
        while (x < s.width) {
            while (x < s.width && s.hasColorKey && row[x] == s.colorKey) ++x;
            int start = x;
            while (x < s.width && !(s.hasColorKey && row[x] == s.colorKey)) ++x;
            if (x > start) s.spans.push_back({static_cast<int16_t>(start), static_cast<int16_t>(x - start)});
        }
    }
    s.rowFirstSpan[s.height] = static_cast<int>(s.spans.size());
}

Surface* createSurfaceFromBitmap(const std::string& source, int width, int height)
{
    Image picture;
    if (!loadSource(source, width, height, picture)) return nullptr;
    // Spans are 16-bit; the display never holds pictures larger than this.
    if (picture.width > 32767 || picture.height > 32767) return nullptr;
    Surface* s = new Surface;
    s->image = std::move(picture);
    s->width = s->image.width;
    s->height = s->image.height;
    findSpans(*s);
    return s;
}

bool reloadFromSource(Surface& surface, const std::string& source, int width, int height)
{
    Image picture;
    if (!loadSource(source, width, height, picture)) return false;
    if (picture.width > 32767 || picture.height > 32767) return false;
    surfacesChanging();
    surface.image = std::move(picture);
    surface.width = surface.image.width;
    surface.height = surface.image.height;
    findSpans(surface);
    return true;
}

void setColorKey(Surface& surface, uint32_t colour)
{
    // The colour comes as 0x00BBGGRR; the key is compared with our pixels.
    surfacesChanging();
    surface.colorKey = packRgb(static_cast<int>(colour & 255), static_cast<int>((colour >> 8) & 255),
                               static_cast<int>((colour >> 16) & 255));
    surface.hasColorKey = true;
    findSpans(surface);
}

// Copies the source rectangle [sl, sr) x [st, sb) of the surface to (dx, dy),
// skipping key-coloured pixels. The caller has clipped everything.
static void drawBlit(const DrawCall& call)
{
    const Surface& s = *call.surface;
    [[maybe_unused]] const auto& [sl, st, sr, sb, dx, dy, unused1, unused2] = call.args;
    Image& bb = display->backBuffer;
    for (int sy = st; sy < sb; ++sy) {
        // Source column a lands on screen column dx + (a - sl).
        uint32_t* dst = bb.row(dy + sy - st) + dx;
        const uint32_t* src = s.image.row(sy);
        for (int i = s.rowFirstSpan[sy]; i < s.rowFirstSpan[sy + 1]; ++i) {
            int a = std::max<int>(s.spans[i].start, sl);
            int b = std::min<int>(s.spans[i].start + s.spans[i].length, sr);
            if (a < b) std::memcpy(dst + (a - sl), src + a, static_cast<size_t>(b - a) * sizeof(uint32_t));
        }
    }
}

static void queueBlit(const Surface& s, int sl, int st, int sr, int sb, int dx, int dy)
{
    DrawCall call;
    call.draw = drawBlit;
    call.surface = &s;
    call.args[0] = sl, call.args[1] = st, call.args[2] = sr, call.args[3] = sb, call.args[4] = dx, call.args[5] = dy;
    queueDrawing(std::move(call));
}

void drawSurface(int x, int y, const Surface& surface)
{
    if (!display || x > 799 || y > 599) return;
    const Surface* s = &surface;
    // 64-bit so that far-off positions cannot overflow.
    long long left = x < 0 ? -static_cast<long long>(x) : 0;
    long long top = y < 0 ? -static_cast<long long>(y) : 0;
    long long right = static_cast<long long>(x) + s->width <= 799 ? s->width : 799 - x;
    long long bottom = static_cast<long long>(y) + s->height <= 599 ? s->height : 599 - y;
    if (left >= right || top >= bottom) return;
    queueBlit(*s, static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom),
              std::max(x, 0), std::max(y, 0));
}

void drawSurfacePart(int x, int y, int srcX, int srcY, int width, int height, const Surface& surface)
{
    if (!display || x > 799 || y > 599 || width < 1 || height < 1 || srcX < 0 || srcY < 0) return;
    const Surface* s = &surface;
    width = std::min(width, s->width);
    height = std::min(height, s->height);
    long long sl = srcX, st = srcY, sr = static_cast<long long>(srcX) + width, sb = static_cast<long long>(srcY) + height;
    long long dx = x, dy = y;
    if (dx < 0) {
        sl -= dx;
        dx = 0;
        if (sl >= sr) return;
    }
    if (dy < 0) {
        st -= dy;
        dy = 0;
        if (st >= sb) return;
    }
    if (dx + (sr - sl) > 799) sr = sl + (799 - dx);
    if (dy + (sb - st) > 599) sb = st + (599 - dy);
    // A rectangle that reaches past the picture is refused whole.
    if (sr > s->width || sb > s->height || sl >= sr || st >= sb) return;
    queueBlit(*s, static_cast<int>(sl), static_cast<int>(st), static_cast<int>(sr), static_cast<int>(sb),
              static_cast<int>(dx), static_cast<int>(dy));
}

static void drawTint(const DrawCall& call);

void tintRect(int x, int y, int width, int height, int dr, int dg, int db)
{
    if (!display || x < 0 || y < 0 || width < 0 || height < 0 || x >= 800 || y >= 600) return;
    if (x + static_cast<long long>(width) > 799) x = 799 - width;
    if (y + static_cast<long long>(height) > 599) y = 599 - height;
    dr = std::clamp(dr, -255, 255);
    dg = std::clamp(dg, -255, 255);
    db = std::clamp(db, -255, 255);
    // A rectangle wider than the screen would be moved off it; cut it instead.
    DrawCall call;
    call.draw = drawTint;
    call.args[0] = std::max(x, 0), call.args[1] = std::max(y, 0);
    call.args[2] = std::min(x + width, 800), call.args[3] = std::min(y + height, 600);
    call.args[4] = dr, call.args[5] = dg, call.args[6] = db;
    queueDrawing(std::move(call));
}

static void drawTint(const DrawCall& call)
{
    [[maybe_unused]] const auto& [x0, y0, x1, y1, dr, dg, db, unused] = call.args;
    // Each channel's new value, in its place in the pixel, by its old value.
    uint32_t red[256], green[256], blue[256];
    for (int v = 0; v < 256; ++v) {
        red[v] = packRgb(std::clamp(v + dr, 0, 255), 0, 0);
        green[v] = packRgb(0, std::clamp(v + dg, 0, 255), 0);
        blue[v] = packRgb(0, 0, std::clamp(v + db, 0, 255));
    }
    Image& bb = display->backBuffer;
    for (int row = y0; row < y1; ++row) {
        uint32_t* p = bb.row(row);
        for (int col = x0; col < x1; ++col) {
            const uint32_t v = p[col];
            p[col] = red[redOf(v)] | green[greenOf(v)] | blue[blueOf(v)];
        }
    }
}
