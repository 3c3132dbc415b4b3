#include "game/layout_check.h"

void validateLayout(Galaxy& galaxy)
{
    const int selected = galaxy.selectedStar;
    const int n = galaxy.slotCount();
    if (galaxy.links.size() == static_cast<size_t>(n) * n) {
        for (int i = 0; i < n; ++i) {
            for (int j = i; j < n; ++j) {
                if (galaxy.isLinked(i, j) == 0) continue;
                galaxy.setLink(i, j, 0);
                galaxy.setLink(i, j, 1);
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        Star& s = galaxy.layoutStars[i];
        if (!s.active) continue;
        s.active = 0;
        const bool fits = galaxy.canPlaceStar(s);
        s.active = 1;
        if (!fits) {
            galaxy.unlinkAll(i);
            s.active = 0;
        }
    }
    galaxy.selectedStar = selected;
}
