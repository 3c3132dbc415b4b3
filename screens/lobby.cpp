// The host's lobby: the addresses and the port to give to friends, one line
// per seat (here, on the network, or the computer's; a click switches it),
// who has joined each network seat, and "start" once every one is taken.
#include <string>
#include <vector>

#include "ai/net_host.h"
#include "base/net.h"
#include "engine/draw_text.h"
#include "engine/image_catalogue.h"
#include "engine/input.h"
#include "engine/translate.h"
#include "game/game_state.h"
#include "game/net_message.h"
#include "game/new_game.h"
#include "screens/net_game.h"
#include "screens/screens.h"
#include "screens/states.h"
#include "screens/widgets.h"

namespace {

struct Lobby {
    Galaxy galaxy;
    std::string addresses;
    std::string refusal;
    ButtonSet buttons;
    std::vector<Button> seatButtons;
    Button start, cancel;
};
Lobby lobby;

void switchSeat(int seat)
{
    // here -> network -> computer -> expert -> here, by the use's value.
    static const SeatUse next[] = {SeatUse::Expert, SeatUse::Network, SeatUse::Computer, SeatUse::Local};
    setLobbySeat(seat, next[static_cast<int>(netSeats()[seat].use)]);
}

void startGame(int)
{
    if (!lobbyFull()) return;
    std::vector<Seat> seats = coreSeats(netSeats());
    startNewGame(lobby.galaxy, seats);
    startHostedGame();
}

void cancelLobby(int)
{
    leaveNetGame();
    openSelection(false);
}

std::string seatText(int p)
{
    const NetSeat& s = netSeats()[p];
    std::string text = std::string(tr(playerColourNames[p])) + ": ";
    if (s.use == SeatUse::Local) return text + tr("here");
    if (s.use == SeatUse::Computer) return text + tr("computer");
    if (s.use == SeatUse::Expert) return text + tr("expert");
    return text + (s.name.empty() ? std::string(tr("network, waiting")) : tr("network: ") + s.name);
}

} // namespace

bool openLobby(const Galaxy& galaxy, const std::vector<Seat>& chosen, int port, std::string& why)
{
    // The first human plays here, the other humans are friends on the
    // network. With no human the host plays the first seat; with one person
    // alone, a friend plays the first other seat.
    std::vector<NetSeat> seats(galaxy.playerCount, NetSeat{SeatUse::Computer, ""});
    std::vector<int> humans;
    for (int p = 0; p < galaxy.playerCount && p < static_cast<int>(chosen.size()); ++p) {
        if (chosen[p] == Seat::Expert) seats[p].use = SeatUse::Expert;
        if (chosen[p] == Seat::Human) humans.push_back(p);
    }
    if (humans.empty()) humans.push_back(0);
    if (humans.size() == 1 && galaxy.playerCount > 1) humans.push_back(humans[0] == 0 ? 1 : 0);
    for (size_t k = 0; k < humans.size(); ++k) seats[humans[k]].use = k == 0 ? SeatUse::Local : SeatUse::Network;
    if (!hostLobby(seats, port, why)) return false;
    lobby = Lobby{};
    lobby.galaxy = galaxy;
    lobby.addresses = netLocalAddresses();
    for (int p = 0; p < galaxy.playerCount; ++p)
        lobby.seatButtons.push_back(Button(250, 140 + 40 * p, "", switchSeat, "longSilverButton", p));
    for (Button& b : lobby.seatButtons) b.setMargins(36, 10);
    for (Button& b : lobby.seatButtons) lobby.buttons.add(b);
    lobby.start = Button(250, 520, tr("start"), startGame, "", 0);
    lobby.cancel = Button(420, 520, tr("cancel"), cancelLobby, "", 0);
    lobby.buttons.add(lobby.start);
    lobby.buttons.add(lobby.cancel);
    setState(State::lobby);
    return true;
}

void lobbyScreen(int)
{
    drawImage(0, 0, "background");
    if (netRole() != NetRole::Hosting) return cancelLobby(0);
    drawTextInBox(0, 20, 800, 30, 255, 255, 255, tr("Host a network game"), false);
    std::string where = tr("Players join at ");
    where += (lobby.addresses.empty() ? "127.0.0.1" : lobby.addresses) + ", " + tr("port") + " " +
             std::to_string(lobbyPort());
    drawTextInBox(0, 60, 800, 24, 255, 255, 255, where.c_str(), false);
    drawTextInBox(0, 90, 800, 24, 200, 200, 200, tr("Click a seat to switch it: here, network, computer, expert."), false);
    for (size_t p = 0; p < lobby.seatButtons.size(); ++p) {
        Button& b = lobby.seatButtons[p];
        b.label = seatText(static_cast<int>(p));
        b.setTextColor(255, 255, 255);
    }
    lobby.start.setActive(lobbyFull());
    lobby.buttons.run(0);
    // Each seat's colour as a swatch left of its button: some colours do not
    // read as text on the silver, and the label fills the button.
    for (size_t p = 0; p < lobby.seatButtons.size(); ++p) {
        const Button& b = lobby.seatButtons[p];
        const Rgb c = playerColours[p];
        fillRect(b.x - 28, b.y + 7, 18, b.height - 14, c.r, c.g, c.b);
    }
    if (wasKeyPressed(keys::escape)) cancelLobby(0);
}

void resetLobbyForTests() { lobby = Lobby{}; }
