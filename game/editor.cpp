#include "game/editor.h"

#include <algorithm>

#include "game/galaxy_file.h"
#include "game/layout_check.h"

const std::array<const char*, 3> starKindNames = {normalStarKind, goldenStarKind, darkStarKind};
int currentKind = 0;
int editorSelectedStar = noOwner;

void startFirstEditorGalaxy()
{
    editorGalaxy.reset();
    editorSelectedStar = noOwner;
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
    const int s = editorSelectedStar;
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

int editorStarAt(double x, double y)
{
    return y > controlStripY ? editorSelectedStar : editorGalaxy.starAt(x, y, 0, 0);
}

void removeSelectedStar()
{
    if (editorSelection() == noOwner) return;
    editorGalaxy.removeStar(editorSelectedStar);
    editorSelectedStar = noOwner;
}

void unlinkSelectedStar() { editorGalaxy.unlinkAll(editorSelectedStar); }

void pressOnEditorBoard(double x, double y)
{
    Galaxy& g = editorGalaxy;
    const int previous = editorSelectedStar;
    const int hit = editorStarAt(x, y);
    g.setLink(previous, hit, 1);
    Star star;
    star.active = 1;
    star.kind = starKindNames[currentKind];
    star.x = static_cast<int>(x);
    star.y = static_cast<int>(y);
    g.addStar(star);
    editorSelectedStar = editorStarAt(x, y);
}

void dragSelectedStar(double x, double y)
{
    if (editorSelection() == noOwner) return;
    Star& star = editorGalaxy.layoutStars[editorSelectedStar];
    const int halfW = starImageWidth(star.kind) / 2;
    const int halfH = starImageHeight(star.kind) / 2;
    star.x = std::max(halfW + 1, std::min(boardWidth - 1 - halfW, static_cast<int>(x)));
    star.y = std::max(halfH + 1, std::min(boardBottom - 1 - halfH, static_cast<int>(y)));
}

void tidyEditorGalaxy() { validateLayout(editorGalaxy); }

bool isTypeableName(const std::string& name)
{
    if (name.size() > static_cast<size_t>(editorNameLength)) return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return c == ' ' || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

std::string loadIntoEditor(bool builtIn, const std::string& fileName)
{
    Galaxy loaded;
    if (!(builtIn ? loaded.loadBuiltIn(fileName) : loaded.loadFile(fileName))) return "cannot be read";
    if (loaded.slotCount() > maxStars)
        return "too large for the editor (" + std::to_string(loaded.slotCount()) + " places, at most " +
               std::to_string(maxStars) + ")";
    loaded.name = builtIn ? editorGalaxy.name : isTypeableName(fileName) ? fileName : "";
    editorGalaxy = std::move(loaded);
    editorSelectedStar = noOwner;
    return "";
}

std::string trimmedName(const std::string& name)
{
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

SaveCheck checkSave()
{
    const std::string& name = editorGalaxy.name;
    if (name.empty()) return SaveCheck::NoName;
    // The built-in one's file would be listed nowhere, and a file under
    // another standard name would replace the shipped one for good.
    for (const char* standard : standardGalaxyNames)
        if (name == standard) return SaveCheck::Standard;
    return galaxyFileExists(name) ? SaveCheck::Exists : SaveCheck::Ready;
}

std::string saveEditorGalaxy()
{
    return editorGalaxy.saveFile(editorGalaxy.name) ? "" : lastSaveFailure();
}

void resetEditorForTests()
{
    currentKind = 0;
    editorSelectedStar = noOwner;
}
