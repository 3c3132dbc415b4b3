#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/font.h"

namespace {

// A pre-rendered glyph: coverage 0..255 per pixel of the character cell.
struct Glyph {
    bool rendered = false;
    int width = 0;
    std::vector<uint8_t> coverage; // width * cellHeight
};

struct Face {
    TTF_Font* font = nullptr;
    int cellHeight = 0;
    int advance = 0;
    std::array<Glyph, 256> glyphs; // the first 256 code points
    std::map<char32_t, Glyph> otherGlyphs;
};

std::vector<Face> faces;
bool ttfStarted = false;

// A string as drawn in one face: its runs of pixels with some coverage, row
// by row, so that drawing it again skips the empty parts of its cells.
struct TextRun {
    int x, y, length;
    size_t offset; // into coverage
};
struct RenderedText {
    std::vector<TextRun> runs;
    std::vector<uint8_t> coverage;
};
// Keyed by the face's index and the text. The screens draw a few dozen
// strings a frame, mostly the same ones; the cache starts over when full.
std::unordered_map<std::string, RenderedText> renderedTexts;
constexpr size_t renderedTextLimit = 2048;

} // namespace

const char* fontFilePath()
{
    const char* env = std::getenv("ZENTORY_FONT");
    if (env && *env) return env;
    return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
}

namespace {

// The largest point size whose line height does not exceed the cell height,
// as a cell-height font request asks for.
TTF_Font* openAtCellHeight(const char* path, int cellHeight)
{
    for (int pt = cellHeight; pt >= 4; --pt) {
        TTF_Font* f = TTF_OpenFont(path, pt);
        if (!f) return nullptr;
        if (TTF_FontHeight(f) <= cellHeight) return f;
        TTF_CloseFont(f);
    }
    return TTF_OpenFont(path, 4);
}

// The code point of the UTF-8 sequence at p, which moves past it. A byte that
// does not start a well-formed sequence stands for itself, as in Latin-1, so
// that any byte string draws as something.
char32_t nextCodePoint(const unsigned char*& p)
{
    const unsigned char lead = *p++;
    int extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? (lead >= 0xF0 ? -1 : 2) : lead >= 0xC2 ? 1 : 0;
    if (extra <= 0) return lead;
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80) return lead;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not text.
    const char32_t least[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < least[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return lead;
    p += extra;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

Glyph& glyphOf(Face& face, char32_t c)
{
    Glyph& g = c < 256 ? face.glyphs[c] : face.otherGlyphs[c];
    if (g.rendered) return g;
    g.rendered = true;
    g.width = face.advance;
    g.coverage.assign(static_cast<size_t>(g.width) * face.cellHeight, 0);
    if (c < 32) return g; // control characters draw as blank cells
    std::string text;
    appendUtf8(text, c);
    SDL_Surface* s = TTF_RenderUTF8_Blended(face.font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!s) return g;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(s);
    if (!argb) return g;
    int w = std::min(argb->w, g.width);
    int h = std::min(argb->h, face.cellHeight);
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < w; ++x) g.coverage[static_cast<size_t>(y) * g.width + x] = static_cast<uint8_t>(src[x] >> 24);
    }
    SDL_FreeSurface(argb);
    return g;
}

} // namespace

bool fontOpen(const int* heights, int count)
{
    if (!faces.empty()) return true;
    if (!ttfStarted) {
        if (TTF_Init() != 0) return false;
        ttfStarted = true;
        // The fonts live for the whole run; give them back at its end.
        std::atexit(fontClose);
    }
    const char* path = fontFilePath();
    std::vector<Face> opened(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TTF_Font* f = openAtCellHeight(path, heights[i]);
        if (!f) {
            for (Face& face : opened)
                if (face.font) TTF_CloseFont(face.font);
            return false;
        }
        opened[i].font = f;
        opened[i].cellHeight = TTF_FontHeight(f);
        int minx, maxx, miny, maxy, adv = 0;
        if (TTF_GlyphMetrics(f, 'M', &minx, &maxx, &miny, &maxy, &adv) != 0) adv = heights[i] / 2;
        opened[i].advance = adv;
    }
    faces = std::move(opened);
    return true;
}

bool fontAvailable() { return !faces.empty(); }

void fontClose()
{
    for (Face& face : faces)
        if (face.font) TTF_CloseFont(face.font);
    faces.clear();
    renderedTexts.clear();
    if (ttfStarted) {
        TTF_Quit();
        ttfStarted = false;
    }
}

void fontMeasure(int index, const char* text, int& width, int& height)
{
    width = height = 0;
    if (index < 0 || index >= static_cast<int>(faces.size()) || !text) return;
    const Face& face = faces[static_cast<size_t>(index)];
    // Lines break only at line ends: the widest line, and a cell per line.
    int lines = 1, column = 0, widest = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) {
        if (nextCodePoint(p) == '\n') {
            ++lines;
            column = 0;
        } else {
            widest = std::max(widest, ++column);
        }
    }
    width = widest * face.advance;
    height = lines * face.cellHeight;
}

namespace {

const RenderedText& renderedText(int index, const char* text)
{
    std::string key(1, static_cast<char>(index));
    key += text;
    auto found = renderedTexts.find(key);
    if (found != renderedTexts.end()) return found->second;
    if (renderedTexts.size() >= renderedTextLimit) renderedTexts.clear();
    Face& face = faces[static_cast<size_t>(index)];
    std::vector<const Glyph*> cells;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p;) cells.push_back(&glyphOf(face, nextCodePoint(p)));
    RenderedText rendered;
    for (int gy = 0; gy < face.cellHeight; ++gy) {
        int runStart = -1;
        const int width = static_cast<int>(cells.size()) * face.advance;
        for (int px = 0; px <= width; ++px) {
            uint8_t a = 0;
            if (px < width) {
                const Glyph& g = *cells[static_cast<size_t>(px / face.advance)];
                a = g.coverage[static_cast<size_t>(gy) * g.width + px % face.advance];
            }
            if (a && runStart < 0) {
                runStart = px;
                rendered.runs.push_back({px, gy, 0, rendered.coverage.size()});
            }
            if (a) rendered.coverage.push_back(a);
            if (!a && runStart >= 0) {
                rendered.runs.back().length = px - runStart;
                runStart = -1;
            }
        }
    }
    return renderedTexts.emplace(std::move(key), std::move(rendered)).first->second;
}

} // namespace

void fontDraw(int index, const char* text, uint32_t colour, bool opaque, Image& target, int x, int y)
{
    fontDrawClipped(index, text, colour, opaque, target, x, y, 0, 0, target.width, target.height);
}

void fontDrawClipped(int index, const char* text, uint32_t colour, bool opaque, Image& target, int x, int y,
                     int left, int top, int right, int bottom)
{
    if (index < 0 || index >= static_cast<int>(faces.size()) || !text) return;
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::min(right, target.width), bottom = std::min(bottom, target.height);
    const int cr = redOf(colour), cg = greenOf(colour), cb = blueOf(colour);
    if (!opaque) {
        const RenderedText& rendered = renderedText(index, text);
        for (const TextRun& run : rendered.runs) {
            const int ty = y + run.y;
            if (ty < top || ty >= bottom) continue;
            uint32_t* row = target.row(ty);
            const uint8_t* cov = rendered.coverage.data() + run.offset;
            const int runX = x + run.x;
            const int from = std::max(runX, left), to = std::min(runX + run.length, right);
            for (int tx = from; tx < to; ++tx) {
                const int a = cov[tx - runX];
                if (a == 255) {
                    row[tx] = colour & 0xFFFFFFu;
                } else {
                    uint32_t d = row[tx];
                    row[tx] = packRgb((cr * a + redOf(d) * (255 - a)) / 255, (cg * a + greenOf(d) * (255 - a)) / 255,
                                      (cb * a + blueOf(d) * (255 - a)) / 255);
                }
            }
        }
        return;
    }
    // Opaque text fills whole cells.
    Face& face = faces[static_cast<size_t>(index)];
    int penX = x;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; penX += face.advance) {
        const char32_t c = nextCodePoint(p);
        if (penX >= right) break;
        if (penX + face.advance <= left) continue;
        Glyph& g = glyphOf(face, c);
        for (int gy = 0; gy < face.cellHeight; ++gy) {
            int ty = y + gy;
            if (ty < top || ty >= bottom) continue;
            uint32_t* row = target.row(ty);
            const uint8_t* cov = g.coverage.data() + static_cast<size_t>(gy) * g.width;
            for (int gx = 0; gx < g.width; ++gx) {
                int tx = penX + gx;
                if (tx < left || tx >= right) continue;
                int a = cov[gx];
                row[tx] = packRgb(cr * a / 255, cg * a / 255, cb * a / 255);
            }
        }
    }
}
