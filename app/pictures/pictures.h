#pragma once
// The program's own pictures, painted at start-up.
#include "engine/image.h"

// Paints the built-in picture with that id; false for an unknown id.
bool paintBuiltinPicture(int resourceId, Image& out);
// The window icon, 64 x 64, black transparent.
void paintWindowIcon(Image& out);
