// The galaxy editor's states: "openEditor", "editor" and the overwrite
// question "confirm". The operations on the galaxy are game/editor's.
#include <array>
#include <string>

#include "app/states.h"
#include "app/widgets.h"
#include "engine/image_catalogue.h"
#include "engine/draw_text.h"
#include "engine/input.h"
#include "game/editor.h"
#include "game/galaxy.h"
#include "game/start_check.h"
#include "screens/galaxy_draw.h"
#include "screens/screens.h"

static_assert(textFieldLimit == editorNameLength, "the name line holds the names the editor loads");

namespace {

constexpr int messageWidth = 244;
constexpr int questionWidth = 280;

bool editorFirstOpen = true;

// The panel's buttons, the selected star's and the question's; the sets
// below refer to them.
std::array<Button, 9> panelButtonList;
std::array<Button, 2> starButtonList, confirmButtonList;
ButtonSet editorButtons;
ButtonSet starButtons;
ButtonSet confirmButtons;

// The panel's line, in two parts drawn one above the other; a detail with
// a part in brackets takes a third line for it, and so does a note.
std::string messageHead, messageDetail, messageNote;
int messageLeftMs = 0;

// A drag moves the selected star only when the press that began it was on
// the board: holding the button on a panel button leaves the stars alone.
bool pressedOnBoard = false;

void say(const std::string& head, const std::string& detail, const std::string& note = "")
{
    messageHead = head;
    messageDetail = detail;
    messageNote = note;
    messageLeftMs = editorMessageMs;
}

// The name as drawn with the rest of its line in a box `width` wide: cut
// with "..." to what fits in the smallest font, at a character boundary.
// Only the drawing is cut, never the name a file is written under.
std::string fitName(const std::string& name, const std::string& rest, int width)
{
    const int smallest = fontHeights[0];
    auto fits = [&](const std::string& text) {
        int w = 0, h = 0;
        measureText((text + rest).c_str(), smallest, w, h);
        return w <= width;
    };
    if (fits(name)) return name;
    std::string cut = name;
    while (!cut.empty()) {
        cut.pop_back();
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
        if (fits(cut + "...")) break;
    }
    return cut + "...";
}

void chooseKind(int kind) { chooseStarKind(kind); }

void clearGalaxy(int)
{
    editorGalaxy.reset();
    // The line's text becomes the name at the end of the frame.
    editorButtons.setText(editorGalaxy.name);
}

void backToMenu(int)
{
    editorSelectedStar = noOwner;
    setState("menu");
}

void loadGalaxy(int) { openSelection("editor", editorGalaxy); }

void fewerPlayers(int) { changePlayerCount(-1); }

void morePlayers(int) { changePlayerCount(1); }

void removeSelected(int) { removeSelectedStar(); }

void unlinkSelected(int) { unlinkSelectedStar(); }

void writeGalaxy()
{
    const std::string& name = editorGalaxy.name;
    const std::string failure = saveEditorGalaxy();
    if (failure.empty() && !incomeStarsLinked(editorGalaxy)) {
        // Saved all the same: the work is kept and can be linked later. The
        // selection screen's line, broken after its colon to fit the panel.
        const std::string line = startRefusalText(StartRefusal::notLinked);
        const size_t cut = line.find(": ");
        say("Saved: " + fitName(name, "Saved: ", messageWidth), line.substr(0, cut + 1), line.substr(cut + 2));
    } else if (failure.empty()) {
        say("Saved:", fitName(name, "", messageWidth));
    } else if (failure.rfind(name + " ", 0) == 0) { // "NAME is read-only"
        const std::string rest = failure.substr(name.size());
        say("Not saved:", fitName(name, rest, messageWidth) + rest);
    } else {
        say("Not saved:", failure);
    }
}

void saveGalaxy(int)
{
    // The line may have changed in this frame.
    editorGalaxy.name = editorButtons.getText();
    switch (checkSave()) {
    case SaveCheck::NoName: return say("Not saved:", "type a name first");
    case SaveCheck::Standard:
        return say(fitName(editorGalaxy.name, " is a standard galaxy:", messageWidth) + " is a standard galaxy:",
                   "choose another name");
    case SaveCheck::Exists:
        editorSelectedStar = noOwner;
        setState("confirm");
        return;
    case SaveCheck::Ready: writeGalaxy(); return;
    }
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
    drawPreview(editorGalaxy, 1.0, editorSelectedStar);
    editorButtons.setText(editorGalaxy.name);
    editorButtons.draw(elapsedMs);
    drawImage(0, 500 + 20 * currentKind, "selectionArrow");
    const std::string count = std::to_string(editorGalaxy.playerCount);
    drawTextInBox(720, 500, 40, 20, 255, 255, 255, count.c_str(), false);
    drawTextInBox(577, 500, 108, 20, 255, 255, 255, "Players:", false);
    const int s = editorSelection();
    if (s == noOwner) {
        drawTextInBox(180, 526, 400, 40, 255, 255, 255, "No Star Selected", false);
    } else {
        starButtons.draw(elapsedMs);
        drawTextInBox(185, 550, 300, 25, 255, 255, 255, describe(editorGalaxy.layoutStars[s].kind), true);
    }
    if (messageLeftMs > 0) {
        messageLeftMs -= elapsedMs;
        drawTextInBox(552, 527, 244, 22, 255, 255, 255, messageHead.c_str(), false);
        const size_t bracket = messageDetail.find(" (");
        const std::string first = messageDetail.substr(0, bracket);
        drawTextInBox(552, 550, 244, 22, 255, 255, 255, first.c_str(), false);
        if (bracket != std::string::npos)
            drawTextInBox(552, 570, 244, 20, 255, 255, 255, messageDetail.c_str() + bracket + 1, false);
        else
            drawTextInBox(552, 570, 244, 20, 255, 255, 255, messageNote.c_str(), false);
    }
}

void handleMouse()
{
    const double mx = mouseX();
    const double my = mouseY();
    if (leftButtonPressed()) {
        pressedOnBoard = my <= controlStripY;
        pressOnEditorBoard(mx, my);
    } else if (isLeftButtonDown() && pressedOnBoard) {
        dragSelectedStar(mx, my);
    }
    if (leftButtonReleased()) tidyEditorGalaxy();
    if (rightButtonPressed()) editorSelectedStar = noOwner;
    if (isKeyDown(keys::del)) removeSelectedStar();
}

} // namespace

std::string editorMessage()
{
    if (messageLeftMs <= 0) return "";
    return messageHead + " " + messageDetail + (messageNote.empty() ? "" : " " + messageNote);
}

void openEditorScreen(int)
{
    if (editorFirstOpen) {
        editorFirstOpen = false;
        startFirstEditorGalaxy();
    }
    makeButtons();
    setState("editor");
}

void loadIntoEditorScreen(bool builtIn, const std::string& fileName)
{
    const std::string refused = loadIntoEditor(builtIn, fileName);
    if (!refused.empty())
        say("Not loaded: " + fitName(fileName, "Not loaded: ", messageWidth), refused);
    else if (editorGalaxy.name.empty())
        say("Loaded without its name:", "type one to save it");
}

void editorScreen(int elapsedMs)
{
    drawEditorScreen(elapsedMs);
    handleMouse();
    highlightStar(editorGalaxy, editorStarAt(mouseX(), mouseY()), 100, 100, 100);
    editorButtons.enableTextField(164, 577);
    editorButtons.hover(elapsedMs);
    editorButtons.click(elapsedMs);
    if (wasKeyPressed(keys::escape)) backToMenu(0);
    editorGalaxy.name = editorButtons.getText();
    if (editorSelection() != noOwner) {
        starButtons.hover(elapsedMs);
        starButtons.click(elapsedMs);
    }
}

void confirmScreen(int elapsedMs)
{
    drawEditorScreen(elapsedMs);
    fillRect(300, 200, 300, 94, 54, 182, 151);
    const std::string ask = ": file exists. Overwrite?";
    const std::string question = fitName(editorGalaxy.name, ask, questionWidth) + ask;
    drawTextInBox(310, 210, 280, 30, 255, 255, 255, question.c_str(), false);
    confirmButtons.run(elapsedMs);
    if (wasKeyPressed(keys::escape)) keep(0);
}

void resetEditorScreensForTests()
{
    resetEditorForTests();
    editorFirstOpen = true;
    editorButtons = ButtonSet{};
    starButtons = ButtonSet{};
    confirmButtons = ButtonSet{};
    messageHead.clear();
    messageDetail.clear();
    messageNote.clear();
    messageLeftMs = 0;
    pressedOnBoard = false;
}
