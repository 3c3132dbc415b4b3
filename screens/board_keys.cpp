// The board played from the keyboard; declared in board.h.
#include <cstdlib>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/sound.h"
#include "game/decide.h"
#include "game/galaxy.h"
#include "game/human_turn.h"
#include "screens/board.h"
#include "screens/galaxy_draw.h"
#include "screens/net_game.h"
#include "screens/states.h"
#include "screens/widgets.h"

int keyStar = noOwner;
int keySource = noOwner;

namespace {

// Set when Enter opened a panel, until the attack phase is back: the panels
// meanwhile keep the focus on their choices.
bool panelsByKeys = false;

const Galaxy& board() { return gameState.galaxy; }

bool isBoardStar(int s) { return board().isGameStar(s) && board().gameStars[s].active; }

// Where the cursor starts: the human's first star, else the first star.
int firstCursorStar()
{
    int first = noOwner;
    for (int i = 0; i < static_cast<int>(board().gameStars.size()); ++i) {
        if (!isBoardStar(i)) continue;
        if (board().gameStars[i].owner == 0) return i;
        if (first == noOwner) first = i;
    }
    return first;
}

// The nearest star that way from the cursor, a step aside counting twice a
// step ahead; the cursor stays where there is none.
int starThatWay(int from, int dx, int dy)
{
    const Star& f = board().gameStars[from];
    int best = from;
    long bestScore = 0;
    for (int i = 0; i < static_cast<int>(board().gameStars.size()); ++i) {
        if (!isBoardStar(i)) continue;
        const Star& s = board().gameStars[i];
        const long ox = s.x - f.x, oy = s.y - f.y;
        const long ahead = ox * dx + oy * dy;
        const long aside = std::labs(ox * dy - oy * dx);
        if (ahead <= 0) continue;
        const long score = ahead + 2 * aside;
        if (best == from || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

void moveCursor()
{
    keyFocus.screenCursor = true;
    if (buttonHasFocus()) return;
    static const int arrows[4][3] = {{keys::up, 0, -1}, {keys::down, 0, 1}, {keys::left, -1, 0}, {keys::right, 1, 0}};
    for (const auto& a : arrows) {
        if (!wasKeyPressed(a[0])) continue;
        keyStar = isBoardStar(keyStar) ? starThatWay(keyStar, a[1], a[2]) : firstCursorStar();
    }
}

void ringStar(int s)
{
    if (!isBoardStar(s)) return;
    const Star& star = board().gameStars[s];
    const int w = imageWidth(star.kind), h = imageHeight(star.kind);
    drawFocusRing(star.x - w / 2, star.y - h / 2, w, h);
}

// Enter on the map: only while no button has the focus (Enter is then the button's).
bool enterOnMap()
{
    if (buttonHasFocus() || !isBoardStar(keyStar)) return false;
    return takeKeyPress(keys::enter) || takeKeyPress(keys::keypadEnter);
}

// The digits 1 to 7 act as the choice buttons shown.
void choiceDigits()
{
    for (int k = 0; k < 7 && k < static_cast<int>(choiceButtons.buttons.size()); ++k) {
        const Button& b = *choiceButtons.buttons[k];
        if (!b.active || !b.clickAction || !takeKeyPress(keys::one + k)) continue;
        playSound("menuSound");
        b.clickAction(b.argument);
    }
}

} // namespace

void placementKeys()
{
    moveCursor();
    keySource = noOwner;
    choiceDigits();
    if (enterOnMap() && boardDecide(Decision{DecisionKind::Place, 0, keyStar, noOwner, placementStep}) &&
        gameState.phase != GamePhase::HumanPlacement)
        setState(State::attackHuman);
    ringStar(keyStar);
}

void attackKeys()
{
    moveCursor();
    panelsByKeys = false;
    if (!canDragFrom(board(), gameState.turnPlayer, keySource)) keySource = noOwner;
    if (keySource != noOwner && takeKeyPress(keys::escape)) keySource = noOwner;
    if (takeKeyPress(keys::n)) {
        playSound("menuSound");
        nextTurn(0);
    }
    if (enterOnMap()) {
        const DropKind drop = keySource == noOwner ? DropKind::Nothing : dropKind(board(), gameState.turnPlayer, keySource, keyStar);
        if (drop != DropKind::Nothing) {
            dragSource = keySource;
            dragTarget = keyStar;
            keySource = noOwner;
            panelsByKeys = true;
            setState(drop == DropKind::Move ? State::moveHuman : State::fightHuman);
        } else if (keyStar == keySource) {
            keySource = noOwner;
        } else if (canDragFrom(board(), gameState.turnPlayer, keyStar)) {
            keySource = keyStar;
        }
    }
    if (keySource != noOwner) {
        // The source in white, tied to the cursor while it looks for a target.
        const Star& from = board().gameStars[keySource];
        if (isBoardStar(keyStar) && keyStar != keySource) {
            const Star& to = board().gameStars[keyStar];
            drawLine(from.x, from.y, to.x, to.y, 255, 255, 255);
        }
        const int w = imageWidth(from.kind) + 12, h = imageHeight(from.kind) + 12;
        const int x = from.x - w / 2, y = from.y - h / 2;
        fillRect(x, y, w, 2, 255, 255, 255);
        fillRect(x, y + h - 2, w, 2, 255, 255, 255);
        fillRect(x, y, 2, h, 255, 255, 255);
        fillRect(x + w - 2, y, 2, h, 255, 255, 255);
    }
    ringStar(keyStar);
}

void panelKeys()
{
    choiceDigits();
    if (!panelsByKeys || buttonHasFocus()) return;
    for (int k = static_cast<int>(choiceButtons.buttons.size()) - 1; k >= 0; --k) {
        if (!choiceButtons.buttons[k]->active) continue;
        focusButton(*choiceButtons.buttons[k]);
        return;
    }
}

void resetBoardKeysForTests()
{
    keyStar = keySource = noOwner;
    panelsByKeys = false;
}
