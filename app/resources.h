#pragma once
// The pictures held in the program: their names, ids and sizes.
#include <string>
#include <vector>

#include "engine/image.h"

struct BuiltinImage {
    const char* name;
    const char* resourceId;
    int width;
    int height;
};

extern const std::vector<BuiltinImage> builtinImageTable;
constexpr int windowIconId = 100;

// Appends every built-in image, name and id at the same position.
void listBuiltinImages(std::vector<std::string>& names, std::vector<std::string>& resourceIds);
// The program's picture source: the painted image of an id, or the window icon.
bool paintProgramPicture(int id, Image& out);
