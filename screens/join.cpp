// Joining a network game: the host's address ("name:port" or
// "address:port"; the port may be left out), then the player's name; then
// the lobby as the host shows it, until the host starts the game.
#include <algorithm>
#include <string>

#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/galaxy.h"
#include "game/net_message.h"
#include "screens/net_game.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {

struct Join {
    // 0: the address is typed, 1: the name, 2: connected or connecting.
    int step = 0;
    std::string address;
    std::string why;
    // The line being typed.
    char line[64] = {};
    ButtonSet buttons;
    Button next, back;
};
Join join;

void backToMenu(int)
{
    leaveNetGame();
    setState(State::menu);
}

void setLine(const std::string& text)
{
    const size_t n = std::min(text.size(), sizeof join.line - 1);
    text.copy(join.line, n);
    join.line[n] = 0;
}

void nextStep(int)
{
    const std::string typed = join.line;
    if (join.step == 0) {
        if (typed.empty()) return;
        join.address = typed;
        join.step = 1;
        join.line[0] = 0;
        return;
    }
    if (join.step == 1) {
        join.why.clear();
        if (joinGame(join.address, typed, join.why)) {
            join.step = 2;
        } else {
            join.why = tr(join.why.c_str());
            join.step = 0;
            setLine(join.address);
        }
    }
}

} // namespace

void openJoin(int)
{
    join = Join{};
    join.next = Button(250, 520, tr("join"), nextStep, "", 0);
    join.back = Button(420, 520, tr("menu"), backToMenu, "", 0);
    join.buttons.add(join.next);
    join.buttons.add(join.back);
    setState(State::join);
}

void joinScreen(int elapsedMs)
{
    drawImage(0, 0, "background");
    drawTextInBox(0, 20, 800, 30, 255, 255, 255, tr("Join a network game"), false);
    if (join.step < 2) {
        drawTextInBox(150, 100, 500, 30, 255, 255, 255,
                      join.step == 0 ? tr("The host (name:port or address:port):") : tr("Your name:"), true);
        join.next.label = join.step == 0 ? tr("next") : tr("join");
        if (!join.why.empty()) drawTextInBox(0, 200, 800, 24, 255, 160, 160, join.why.c_str(), false);
        fillRect(150, 140, 500, 30, 20, 30, 60);
        const std::string shown = std::string(join.line) + "_";
        drawTextCutToBox(156, 140, 488, 30, 255, 255, 255, shown.c_str(), true);
        const bool entered = editPlainLine(join.line, join.step == 0 ? 63 : static_cast<int>(maxNetName));
        join.buttons.run(elapsedMs);
        if (entered) nextStep(0);
    } else {
        // The network comes with netFrame; the game, when it comes, opens the board.
        if (netRole() == NetRole::None) {
            join.why = netLine().empty() ? tr("the host cannot be reached") : netLine();
            join.step = 0;
            setLine(join.address);
        } else if (!joinedLobby()) {
            drawTextInBox(0, 140, 800, 24, 255, 255, 255, tr("Connecting..."), false);
        } else {
            const auto& seats = netSeats();
            for (size_t p = 0; p < seats.size(); ++p) {
                std::string line = tr(playerColourNames[p]);
                line += ": ";
                if (seats[p].use == SeatUse::Computer) line += tr("computer");
                else if (seats[p].name.empty()) line += tr("free");
                else line += seats[p].name;
                if (static_cast<int>(p) == joinedSeat()) line += std::string(" ") + tr("(you)");
                const Rgb c = playerColours[p];
                drawTextInBox(250, 100 + 30 * static_cast<int>(p), 300, 24, c.r, c.g, c.b, line.c_str(), true);
            }
            drawTextInBox(0, 450, 800, 24, 255, 255, 255, tr("Waiting for the host to start the game"), false);
        }
        join.back.setActive(true);
        join.buttons.draw(elapsedMs);
        join.back.active = true;
        if (leftButtonPressed() && join.back.contains(static_cast<int>(mouseX()), static_cast<int>(mouseY()))) backToMenu(0);
    }
    if (wasKeyPressed(keys::escape)) backToMenu(0);
}

void resetJoinForTests() { join = Join{}; }
