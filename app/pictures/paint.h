#pragma once
// Painting helpers for the program's pictures: gradients, noise, glows,
// discs, panels and text. Everything is deterministic from its seed.
#include <cstdint>

#include "engine/image.h"

struct Rgb {
    double r, g, b;
};

uint32_t hashOf(int x, int y, uint32_t seed);
double hashUnit(int x, int y, uint32_t seed); // 0..1
// Smooth noise 0..1 with `octaves` layers, features about `scale` pixels.
double fractalNoise(double x, double y, double scale, int octaves, uint32_t seed);

Rgb rgbOf(uint32_t p);
uint32_t packColour(Rgb c);
Rgb mix(Rgb a, Rgb b, double t);
// Blends colour over the pixel with coverage a (0..1).
void blendPixel(Image& im, int x, int y, Rgb colour, double a);
void addPixel(Image& im, int x, int y, Rgb colour, double a);

void spaceBackdrop(Image& im, uint32_t seed, double nebulaStrength);
void starfield(Image& im, uint32_t seed, int count);
void glow(Image& im, double cx, double cy, double radius, Rgb colour, double strength);
void disc(Image& im, double cx, double cy, double radius, Rgb colour);
void shadedSphere(Image& im, double cx, double cy, double radius, Rgb light, Rgb dark);
void ring(Image& im, double cx, double cy, double radius, double width, Rgb colour, double alpha);
void line(Image& im, double x0, double y0, double x1, double y1, double width, Rgb colour, double alpha);
void panel(Image& im, int x, int y, int w, int h, int radius, Rgb top, Rgb bottom, Rgb border);
void triangle(Image& im, double ax, double ay, double bx, double by, double cx, double cy, Rgb colour);

// Text through the game's font; `scale` enlarges the 60-pixel face smoothly.
void text(Image& im, const char* s, int size, double x, double y, Rgb colour);
void textCentred(Image& im, const char* s, int size, double cx, double cy, Rgb colour);
void bigTextCentred(Image& im, const char* s, double scale, double cx, double cy, Rgb top, Rgb bottom, Rgb outline);
int textWidth(const char* s, int size);

// Opaque pictures must not hold exact black, which would be a hole; only the
// square corners of a rounded picture (cornerRadius) may stay transparent.
void removeHoles(Image& im, int cornerRadius = 0);
