// The galaxy editor: stars are placed, typed, dragged, linked and removed on
// the editorGalaxy, which is saved as a galaxy file under the typed name.
#include "game/editor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "app/screens.h"
#include "app/states.h"
#include "app/widgets.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/layout_check.h"

const std::array<const char*, 3> starKindNames = {normalStarKind, goldenStarKind, darkStarKind};
int currentKind = 0;

namespace {

bool editorFirstOpen = true;

// The panel's buttons, the selected star's and the question's; the sets
// below refer to them.
std::array<Button, 9> panelButtonList;
std::array<Button, 2> starButtonList, confirmButtonList;
ButtonSet editorButtons;
ButtonSet starButtons;
ButtonSet confirmButtons;

// The panel's line, in two parts drawn one above the other.
std::string messageHead, messageDetail;
int messageLeftMs = 0;

// A drag moves the selected star only when the press that began it was on
// the board: holding the button on a panel button leaves the stars alone.
bool pressedOnBoard = false;

// The galaxy as it was before "load", for a galaxy too large to edit.
Galaxy galaxyBeforeLoad;
bool loadPending = false;

void say(const std::string& head, const std::string& detail)
{
    messageHead = head;
    messageDetail = detail;
    messageLeftMs = editorMessageMs;
}

// The selected slot if it holds a star, else noOwner.
int selectedIndex()
{
    const int s = editorGalaxy.selectedStar;
    if (s < 0 || s >= editorGalaxy.slotCount() || !editorGalaxy.layoutStars[s].active) return noOwner;
    return s;
}

void chooseKind(int kind)
{
    currentKind = kind;
    const int s = selectedIndex();
    if (s != noOwner) editorGalaxy.layoutStars[s].kind = starKindNames[kind];
}

void clearGalaxy(int)
{
    editorGalaxy.reset();
    // The line's text becomes the name at the end of the frame.
    editorButtons.setText(editorGalaxy.name);
}

void backToMenu(int)
{
    editorGalaxy.selectedStar = noOwner;
    setState("menu");
}

void loadGalaxy(int)
{
    galaxyBeforeLoad = editorGalaxy;
    loadPending = true;
    openSelection("editor", editorGalaxy);
}

void fewerPlayers(int)
{
    if (editorGalaxy.playerCount > minPlayers) --editorGalaxy.playerCount;
}

void morePlayers(int)
{
    if (editorGalaxy.playerCount < maxPlayers) ++editorGalaxy.playerCount;
}

void removeSelected(int) { editorGalaxy.removeStar(editorGalaxy.selectedStar); }

void unlinkSelected(int) { editorGalaxy.unlinkAll(editorGalaxy.selectedStar); }

void writeGalaxy()
{
    if (editorGalaxy.saveFile(editorGalaxy.name))
        say("Saved:", editorGalaxy.name);
    else
        say("Not saved:", saveFailureReason(lastSaveError()));
}

void saveGalaxy(int)
{
    // The line may have changed in this frame.
    editorGalaxy.name = editorButtons.getText();
    const std::string& name = editorGalaxy.name;
    if (name.empty()) return say("Not saved:", "type a name first");
    // Its file would be listed nowhere, so it could never be loaded again.
    if (name == builtInGalaxyName) return say("Not saved:", std::string(builtInGalaxyName) + " is built in");
    if (galaxyFileExists(name)) {
        editorGalaxy.selectedStar = noOwner;
        setState("confirm");
        return;
    }
    writeGalaxy();
}

void overwrite(int)
{
    writeGalaxy();
    setState("editor");
}

void keep(int) { setState("editor"); }

void makeButtons()
{
    panelButtonList = {Button(20, 500, "normal star", chooseKind, "", 0),
                       Button(20, 520, "golden star", chooseKind, "", 1),
                       Button(20, 540, "dark star", chooseKind, "", 2),
                       Button(188, 500, "clear", clearGalaxy, "", 0),
                       Button(357, 500, "menu", backToMenu, "", 0),
                       Button(20, 577, "load", loadGalaxy, "", 0),
                       Button(421, 577, "save", saveGalaxy, "", 0),
                       Button(700, 500, "", fewerPlayers, "decArrow", 0),
                       Button(760, 500, "", morePlayers, "incArrow", 0)};
    starButtonList = {Button(188, 525, "remove", removeSelected, "", 0),
                      Button(357, 525, "unlink", unlinkSelected, "", 0)};
    confirmButtonList = {Button(316, 258, "yes", overwrite, "", 0), Button(458, 258, "no", keep, "", 0)};
    editorButtons.clear();
    starButtons.clear();
    confirmButtons.clear();
    for (Button& b : panelButtonList) editorButtons.add(b);
    for (Button& b : starButtonList) starButtons.add(b);
    for (Button& b : confirmButtonList) confirmButtons.add(b);
}

const char* describe(const std::string& kind)
{
    if (kind == normalStarKind) return "normal star (1 income)";
    if (kind == goldenStarKind) return "golden star (3 income)";
    if (kind == darkStarKind) return "dark star (7 income)";
    return "";
}

void drawEditorScreen(int elapsedMs)
{
    drawImage(0, 0, "bigbar");
    drawImagePart(0, 499, 0, 499, 800, 100, "background");
    editorGalaxy.drawPreview(1.0);
    editorButtons.setText(editorGalaxy.name);
    editorButtons.draw(elapsedMs);
    drawImage(0, 500 + 20 * currentKind, "selectionArrow");
    const std::string count = std::to_string(editorGalaxy.playerCount);
    drawTextInBox(720, 500, 40, 20, 255, 255, 255, count.c_str(), false);
    drawTextInBox(577, 500, 108, 20, 255, 255, 255, "Players:", false);
    const int s = selectedIndex();
    if (s == noOwner) {
        drawTextInBox(180, 526, 400, 40, 255, 255, 255, "No Star Selected", false);
    } else {
        starButtons.draw(elapsedMs);
        drawTextInBox(185, 550, 300, 25, 255, 255, 255, describe(editorGalaxy.layoutStars[s].kind), true);
    }
    if (messageLeftMs > 0) {
        messageLeftMs -= elapsedMs;
        drawTextInBox(552, 527, 244, 22, 255, 255, 255, messageHead.c_str(), false);
        drawTextInBox(552, 550, 244, 22, 255, 255, 255, messageDetail.c_str(), false);
    }
}

// The selection screen fills the editorGalaxy directly; a galaxy larger than
// the editor makes is refused here and the previous work comes back, since
// the tidy-up after every release grows with the square of the links.
void refuseOversizedLoad()
{
    if (!loadPending) return;
    loadPending = false;
    if (editorGalaxy.slotCount() <= maxStars) return;
    const std::string name = editorGalaxy.name;
    const int slots = editorGalaxy.slotCount();
    editorGalaxy = galaxyBeforeLoad;
    say("Not loaded:", name + " has " + std::to_string(slots) + " slots, at most " + std::to_string(maxStars));
}

void handleMouse()
{
    Galaxy& g = editorGalaxy;
    const double mx = mouseX();
    const double my = mouseY();
    if (leftButtonPressed()) {
        pressedOnBoard = my <= controlStripY;
        const int previous = g.selectedStar;
        const int hit = g.starAt(mx, my, 0, 0);
        g.setLink(previous, hit, 1);
        Star star;
        star.active = 1;
        star.kind = starKindNames[currentKind];
        star.x = static_cast<int>(mx);
        star.y = static_cast<int>(my);
        g.addStar(star);
        g.selectedStar = g.starAt(mx, my, 0, 0);
    } else if (isLeftButtonDown() && pressedOnBoard && selectedIndex() != noOwner) {
        Star& star = g.layoutStars[g.selectedStar];
        const int halfW = starImageWidth(star.kind) / 2;
        const int halfH = starImageHeight(star.kind) / 2;
        star.x = std::max(halfW + 1, std::min(boardWidth - 1 - halfW, static_cast<int>(mx)));
        star.y = std::max(halfH + 1, std::min(boardBottom - 1 - halfH, static_cast<int>(my)));
    }
    if (leftButtonReleased()) validateLayout(g);
    if (rightButtonPressed()) g.selectedStar = noOwner;
    if (isKeyDown(keys::del)) g.removeStar(g.selectedStar);
}

} // namespace

std::string editorMessage() { return messageLeftMs > 0 ? messageHead + " " + messageDetail : ""; }

std::string saveFailureReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return "the folder is read-only";
    case ENOSPC:
    case EDQUOT: return "the disk is full";
    case EINVAL: return "not a usable file name";
    default: return std::strerror(error);
    }
}

void openEditorScreen(int)
{
    if (editorFirstOpen) {
        editorFirstOpen = false;
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
    makeButtons();
    setState("editor");
}

void editorScreen(int elapsedMs)
{
    refuseOversizedLoad();
    drawEditorScreen(elapsedMs);
    handleMouse();
    editorGalaxy.highlightStar(editorGalaxy.starAt(mouseX(), mouseY(), 0, 0), 100, 100, 100);
    editorButtons.enableTextField(164, 577);
    editorButtons.hover(elapsedMs);
    editorButtons.click(elapsedMs);
    if (wasKeyPressed(keys::escape)) backToMenu(0);
    editorGalaxy.name = editorButtons.getText();
    if (selectedIndex() != noOwner) {
        starButtons.hover(elapsedMs);
        starButtons.click(elapsedMs);
    }
}

void confirmScreen(int elapsedMs)
{
    drawEditorScreen(elapsedMs);
    fillRect(300, 200, 300, 94, 54, 182, 151);
    const std::string question = editorGalaxy.name + ": file exists. Overwrite?";
    drawTextInBox(310, 210, 280, 30, 255, 255, 255, question.c_str(), false);
    confirmButtons.run(elapsedMs);
    if (wasKeyPressed(keys::escape)) keep(0);
}

void resetEditorForTests()
{
    currentKind = 0;
    editorFirstOpen = true;
    editorButtons = ButtonSet{};
    starButtons = ButtonSet{};
    confirmButtons = ButtonSet{};
    messageHead.clear();
    messageDetail.clear();
    messageLeftMs = 0;
    pressedOnBoard = false;
    loadPending = false;
    galaxyBeforeLoad.reset();
}
