// An active star at a position, the way most model and drawing tests need one.
#pragma once

#include "game/galaxy.h"

inline Star testStar(int x, int y, const char* kind = normalStarKind)
{
    Star s;
    s.x = x;
    s.y = y;
    s.kind = kind;
    s.active = 1;
    return s;
}
