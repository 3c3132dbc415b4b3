#include "game/editor.h"

#include <algorithm>

#include "game/galaxy_file.h"
#include "game/layout_check.h"

const std::array<const char*, 3> starKindNames = {normalStarKind, goldenStarKind, darkStarKind};
int currentKind = 0;

namespace {

// The galaxy as it was before "load", for a galaxy too large to edit.
Galaxy galaxyBeforeLoad;
bool loadPending = false;

} // namespace

void startFirstEditorGalaxy()
{
    editorGalaxy.reset();
    Star dark;
    dark.active = 1;
    dark.kind = darkStarKind;
    dark.x = 100;
    dark.y = 100;
    editorGalaxy.addStar(dark);
    Star normal = dark;
    normal.kind = normalStarKind;
    normal.x = 200;
    normal.y = 220;
    editorGalaxy.addStar(normal);
}

int editorSelection()
{
    const int s = editorGalaxy.selectedStar;
    if (s < 0 || s >= editorGalaxy.slotCount() || !editorGalaxy.layoutStars[s].active) return noOwner;
    return s;
}

void chooseStarKind(int kind)
{
    if (kind < 0 || kind >= static_cast<int>(starKindNames.size())) return;
    currentKind = kind;
    const int s = editorSelection();
    if (s != noOwner) editorGalaxy.layoutStars[s].kind = starKindNames[kind];
}

void changePlayerCount(int delta)
{
    int& count = editorGalaxy.playerCount;
    if (delta < 0 && count > minPlayers) --count;
    if (delta > 0 && count < maxPlayers) ++count;
}

void removeSelectedStar() { editorGalaxy.removeStar(editorGalaxy.selectedStar); }

void unlinkSelectedStar() { editorGalaxy.unlinkAll(editorGalaxy.selectedStar); }

void pressOnEditorBoard(double x, double y)
{
    Galaxy& g = editorGalaxy;
    const int previous = g.selectedStar;
    const int hit = g.starAt(x, y, 0, 0);
    g.setLink(previous, hit, 1);
    Star star;
    star.active = 1;
    star.kind = starKindNames[currentKind];
    star.x = static_cast<int>(x);
    star.y = static_cast<int>(y);
    g.addStar(star);
    g.selectedStar = g.starAt(x, y, 0, 0);
}

void dragSelectedStar(double x, double y)
{
    if (editorSelection() == noOwner) return;
    Star& star = editorGalaxy.layoutStars[editorGalaxy.selectedStar];
    const int halfW = starImageWidth(star.kind) / 2;
    const int halfH = starImageHeight(star.kind) / 2;
    star.x = std::max(halfW + 1, std::min(boardWidth - 1 - halfW, static_cast<int>(x)));
    star.y = std::max(halfH + 1, std::min(boardBottom - 1 - halfH, static_cast<int>(y)));
}

void tidyEditorGalaxy() { validateLayout(editorGalaxy); }

void keepGalaxyBeforeLoad()
{
    galaxyBeforeLoad = editorGalaxy;
    loadPending = true;
}

std::string refuseOversizedLoad()
{
    if (!loadPending) return "";
    loadPending = false;
    if (editorGalaxy.slotCount() <= maxStars) return "";
    const std::string name = editorGalaxy.name;
    const int slots = editorGalaxy.slotCount();
    editorGalaxy = galaxyBeforeLoad;
    return name + " has " + std::to_string(slots) + " slots, at most " + std::to_string(maxStars);
}

SaveCheck checkSave()
{
    const std::string& name = editorGalaxy.name;
    if (name.empty()) return SaveCheck::NoName;
    // Its file would be listed nowhere, so it could never be loaded again.
    if (name == builtInGalaxyName) return SaveCheck::BuiltIn;
    return galaxyFileExists(name) ? SaveCheck::Exists : SaveCheck::Ready;
}

std::string saveEditorGalaxy()
{
    return editorGalaxy.saveFile(editorGalaxy.name) ? "" : lastSaveFailure();
}

void resetEditorForTests()
{
    currentKind = 0;
    loadPending = false;
    galaxyBeforeLoad.reset();
}
