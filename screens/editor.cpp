// The galaxy editor's states: "openEditor", "editor" and the overwrite
// question "confirm". The operations on the galaxy are game/editor's.
#include <array>
#include <sstream>
#include <string>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/editor.h"
#include "game/editor_draft.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/start_check.h"
#include "screens/core_texts.h"
#include "screens/galaxy_draw.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

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

// The question the confirm state asks.
enum class Question { overwrite, leave, draft };
Question question = Question::overwrite;

// The work as last saved, loaded or first opened: the editor's galaxy in the
// file format with its name. Anything else is unsaved work.
std::string keptWork;

std::string workText()
{
    std::ostringstream text;
    text << editorGalaxy.name << '\n';
    writeGalaxyText(text, editorGalaxy);
    return text.str();
}

void markKept() { keptWork = workText(); }

bool unsavedWork() { return !editorFirstOpen && workText() != keptWork; }

void ask(Question q)
{
    question = q;
    editorSelectedStar = noOwner;
    setState(State::confirm);
}

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

void leaveToMenu()
{
    editorSelectedStar = noOwner;
    setState(State::menu);
}

// The work stays for this run either way; the question is for a player who
// thinks leaving lets it go, or who meant to save.
void backToMenu(int)
{
    if (unsavedWork()) ask(Question::leave);
    else leaveToMenu();
}

void loadGalaxy(int) { openSelection(true); }

void fewerPlayers(int) { changePlayerCount(-1); }

void morePlayers(int) { changePlayerCount(1); }

void removeSelected(int) { removeSelectedStar(); }

void unlinkSelected(int) { unlinkSelectedStar(); }

void writeGalaxy()
{
    const std::string& name = editorGalaxy.name;
    const std::string failure = saveEditorGalaxy();
    if (!failure.empty()) {
        if (failure.rfind(name + " ", 0) == 0) { // "NAME is read-only"
            const std::string rest = trCore(failure.substr(name.size()));
            say(tr("Not saved:"), fitName(name, rest, messageWidth) + rest);
        } else {
            say(tr("Not saved:"), trCore(failure));
        }
        return;
    }
    markKept();
    removeEditorDraft();
    if (!incomeStarsLinked(editorGalaxy)) {
        // Saved all the same: the work is kept and can be linked later. The
        // selection screen's line, broken after its colon to fit the panel.
        const std::string line = tr(startRefusalText(StartRefusal::notLinked));
        const size_t cut = line.find(": ");
        const std::string saved = std::string(tr("Saved:")) + " ";
        say(saved + fitName(name, saved, messageWidth), line.substr(0, cut + 1), line.substr(cut + 2));
    } else {
        say(tr("Saved:"), fitName(name, "", messageWidth));
    }
}

void saveGalaxy(int)
{
    // The line may have changed in this frame. Spaces at either end would
    // make a file name that looks like another (or like none).
    editorGalaxy.name = trimmedName(editorButtons.getText());
    editorButtons.setText(editorGalaxy.name);
    switch (checkSave()) {
    case SaveCheck::NoName: return say(tr("Not saved:"), tr("type a name first"));
    case SaveCheck::Standard: {
        const std::string standard = tr(" is a standard galaxy:");
        return say(fitName(editorGalaxy.name, standard, messageWidth) + standard, tr("choose another name"));
    }
    case SaveCheck::Exists: ask(Question::overwrite); return;
    case SaveCheck::Ready: writeGalaxy(); return;
    }
}

void answerYes(int)
{
    if (question == Question::leave) return leaveToMenu();
    setState(State::editor);
    if (question == Question::overwrite) writeGalaxy();
    else if (readEditorDraft(editorGalaxy)) say(tr("Draft restored:"), tr("save it to keep it"));
}

// "no" and Escape: nothing happens, but a draft offered and declined goes.
void keep(int)
{
    if (question == Question::draft) removeEditorDraft();
    setState(State::editor);
}

void makeButtons()
{
    panelButtonList = {Button(20, 500, tr("normal star"), chooseKind, "", 0),
                       Button(20, 520, tr("golden star"), chooseKind, "", 1),
                       Button(20, 540, tr("dark star"), chooseKind, "", 2),
                       Button(188, 500, tr("clear"), clearGalaxy, "", 0),
                       Button(357, 500, tr("menu"), backToMenu, "", 0),
                       Button(20, 577, tr("load"), loadGalaxy, "", 0),
                       Button(421, 577, tr("save"), saveGalaxy, "", 0),
                       Button(700, 500, "", fewerPlayers, "decArrow", 0),
                       Button(760, 500, "", morePlayers, "incArrow", 0)};
    starButtonList = {Button(188, 525, tr("remove"), removeSelected, "", 0),
                      Button(357, 525, tr("unlink"), unlinkSelected, "", 0)};
    confirmButtonList = {Button(316, 258, tr("yes"), answerYes, "", 0), Button(458, 258, tr("no"), keep, "", 0)};
    editorButtons.clear();
    starButtons.clear();
    confirmButtons.clear();
    for (Button& b : panelButtonList) editorButtons.add(b);
    for (Button& b : starButtonList) starButtons.add(b);
    for (Button& b : confirmButtonList) confirmButtons.add(b);
}

const char* describe(const std::string& kind)
{
    if (kind == normalStarKind) return tr("normal star (1 income)");
    if (kind == goldenStarKind) return tr("golden star (3 income)");
    if (kind == darkStarKind) return tr("dark star (7 income)");
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
    drawTextInBox(577, 500, 108, 20, 255, 255, 255, tr("Players:"), false);
    const int s = editorSelection();
    if (s == noOwner) {
        drawTextInBox(180, 526, 400, 40, 255, 255, 255, tr("No Star Selected"), false);
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
    makeButtons();
    setState(State::editor);
    if (!editorFirstOpen) return;
    editorFirstOpen = false;
    startFirstEditorGalaxy();
    markKept();
    // Work the last run ended with, unsaved: offered before anything else.
    Galaxy draft;
    if (readEditorDraft(draft)) ask(Question::draft);
}

void keepEditorWorkAsDraft()
{
    if (unsavedWork()) writeEditorDraft(editorGalaxy);
}

void loadIntoEditorScreen(bool builtIn, const std::string& fileName)
{
    const std::string refused = loadIntoEditor(builtIn, fileName);
    if (!refused.empty()) {
        const std::string head = std::string(tr("Not loaded:")) + " ";
        say(head + fitName(fileName, head, messageWidth), trCore(refused));
    } else if (editorGalaxy.name.empty()) {
        say(tr("Loaded without its name:"), tr("type one to save it"));
    }
    if (refused.empty()) markKept();
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
    const std::string exists = tr(": file exists. Overwrite?");
    const std::string text = question == Question::leave   ? tr("Leave with unsaved changes?")
                             : question == Question::draft ? tr("Restore the unsaved work of last time?")
                                                           : fitName(editorGalaxy.name, exists, questionWidth) + exists;
    drawTextInBox(310, 210, 280, 30, 255, 255, 255, text.c_str(), false);
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
    question = Question::overwrite;
    keptWork.clear();
}
