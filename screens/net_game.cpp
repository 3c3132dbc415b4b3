#include "screens/net_game.h"

#include <chrono>
#include <cstdio>
#include <deque>

#include "ai/net_host.h"
#include "ai/net_peer.h"
#include "engine/draw_text.h"
#include "engine/main_loop.h"
#include "engine/translate.h"
#include "game/decide.h"
#include "game/game_state.h"
#include "game/new_game.h"
#include "game/seats.h"
#include "screens/net_lines.h"
#include "screens/screens.h"
#include "screens/states.h"

namespace {

// The longest a click waits for its decision to come back through the host.
constexpr int echoTimeoutMs = 5000;
// How long a line about the network stays on the screen.
constexpr int lineMs = 6000;

struct NetGame {
    NetRole role = NetRole::None;
    HostSession host;
    PeerSession peer;
    // The order's decisions the board has not applied yet.
    std::deque<Decision> order;
    std::string line;
    int64_t lineSince = 0;
    int remoteWaitMs = 0;
    // The network game ended; the board still applies what came before.
    bool draining = false;
};
NetGame net;

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void show(const std::string& line)
{
    net.line = netLineText(line);
    net.lineSince = nowMs();
}

StepWatch follow()
{
    StepWatch w;
    w.noted = [](const CourseEntry& e) {
        if (!e.cycleEnd) net.order.push_back(e.decision);
    };
    return w;
}

// The game goes on here alone: the other players' seats played by the
// computer. Decisions that came before the end are still shown in their
// turns; the network game is over once the board has applied them.
void endHere(const std::string& line)
{
    show(line);
    for (size_t s = 0; s < gameState.seats.size(); ++s)
        if (!netSeatIsLocal(static_cast<int>(s)) && gameState.seats[s] == Seat::Human) gameState.seats[s] = Seat::Expert;
    if (net.role == NetRole::Hosting) hostClose(net.host, line);
    if (net.role == NetRole::Joined) peerLeave(net.peer);
    net.draining = true;
}

void forget()
{
    const std::string line = net.line;
    const int64_t since = net.lineSince;
    net = NetGame{};
    net.line = line;
    net.lineSince = since;
}

bool applyNext()
{
    if (net.order.empty()) return false;
    const Decision d = net.order.front();
    net.order.pop_front();
    if (!applyDecision(gameState, d)) {
        endHere("out of step at turn " + std::to_string(gameState.galaxy.turn));
        net.order.clear();
        return false;
    }
    return true;
}

} // namespace

NetRole netRole() { return net.role; }

bool netSeatIsLocal(int p)
{
    if (net.role == NetRole::None) return true;
    const std::vector<NetSeat>& seats = netSeats();
    if (p < 0 || p >= static_cast<int>(seats.size())) return false;
    return net.role == NetRole::Hosting ? seats[p].use == SeatUse::Local : p == net.peer.seat;
}

const std::vector<NetSeat>& netSeats() { return net.role == NetRole::Hosting ? net.host.seats : net.peer.seats; }

std::string netPlayerName(int p)
{
    const std::vector<NetSeat>& seats = netSeats();
    return net.role != NetRole::None && p >= 0 && p < static_cast<int>(seats.size()) ? seats[p].name : "";
}

bool boardDecide(Decision d)
{
    d.player = gameState.turnPlayer;
    if (net.role == NetRole::None) return applyDecision(gameState, d);
    if (net.draining || !isLegal(gameState, d) || !net.order.empty()) return false;
    if (net.role == NetRole::Hosting) {
        if (!hostDecide(net.host, d)) return false;
    } else {
        peerDecide(net.peer, d);
        const int64_t until = nowMs() + echoTimeoutMs;
        while (net.order.empty() && net.peer.stage == PeerStage::Playing && nowMs() < until) {
            peerPoll(net.peer, 5);
            peerPlay(net.peer, 1 << 30);
        }
        if (net.order.empty()) {
            endHere(net.peer.stage == PeerStage::Playing ? "the host does not answer" : net.peer.endLine);
            return false;
        }
    }
    return applyNext();
}

bool remoteTurnFrame(int elapsedMs)
{
    if (net.role == NetRole::None || netSeatIsLocal(gameState.turnPlayer)) return false;
    drawPlayScreen(elapsedMs);
    std::string who = tr(playerColourNames[gameState.turnPlayer]);
    const std::string joined = netPlayerName(gameState.turnPlayer);
    if (!joined.empty()) who += " (" + joined + ")";
    char text[160];
    std::snprintf(text, sizeof text, tr("%s is playing"), who.c_str());
    drawTextInBox(180, 500, 450, 30, 255, 255, 255, text, false);
    // The decisions at the game's pace, so that the others can follow them.
    net.remoteWaitMs += elapsedMs;
    if (net.remoteWaitMs < 5 * gameSpeedDelay || !applyNext()) return true;
    net.remoteWaitMs = 0;
    const State next = boardStateFor(gameState);
    if (next != currentState()) setState(next);
    return true;
}

void netFrame()
{
    // The other players wait on this computer, in the background too.
    runWhileUnfocused(net.role != NetRole::None);
    if (net.draining && net.order.empty()) forget();
    if (net.draining) {
    } else if (net.role == NetRole::Hosting) {
        hostPoll(net.host, 0);
        if (net.host.stopped) endHere(net.host.stopLine);
    } else if (net.role == NetRole::Joined) {
        peerPoll(net.peer, 0);
        peerPlay(net.peer, 1 << 30);
        if (net.peer.stage == PeerStage::Ended) endHere(net.peer.endLine);
    }
    if (!net.line.empty() && nowMs() - net.lineSince > lineMs) net.line.clear();
    if (!net.line.empty()) {
        fillRect(0, 0, 800, 22, 0, 0, 0);
        drawTextInBox(0, 0, 800, 22, 255, 255, 255, net.line.c_str(), false);
    }
}

const std::string& netLine() { return net.line; }

void leaveNetGame()
{
    if (net.role == NetRole::Hosting && !net.draining) hostClose(net.host, "the host left the game");
    if (net.role == NetRole::Joined && !net.draining) peerLeave(net.peer);
    net = NetGame{};
}

bool hostLobby(const std::vector<NetSeat>& seats, int port, std::string& why)
{
    leaveNetGame();
    net.host.seats = seats;
    net.host.autoStart = false;
    net.host.log = [](const std::string& line) { show(line); };
    net.host.watch = follow();
    if (!hostOpen(net.host, "", port, why)) {
        net.host = HostSession{};
        return false;
    }
    net.role = NetRole::Hosting;
    net.line.clear();
    return true;
}

void setLobbySeat(int seat, SeatUse use) { hostSetSeat(net.host, seat, use); }

bool lobbyFull()
{
    if (net.role != NetRole::Hosting || !hostFull(net.host)) return false;
    for (const NetSeat& s : net.host.seats)
        if (s.use == SeatUse::Network) return true;
    return false;
}

int lobbyPort() { return net.role == NetRole::Hosting ? netPort(net.host.net) : 0; }

void startHostedGame()
{
    net.host.state = gameState;
    net.host.state.journal = GameJournal{true, {}};
    net.order.clear();
    hostStart(net.host);
}

bool joinGame(const std::string& address, const std::string& name, std::string& why)
{
    std::string host;
    int port = 0;
    if (!parseHostAddress(address, host, port)) {
        why = N_("not a host address: name:port or address:port");
        return false;
    }
    if (!netNameOk(name)) {
        why = N_("type your name first");
        return false;
    }
    leaveNetGame();
    net.peer.watch = follow();
    net.peer.say = [](const std::string& line) { show(line); };
    net.peer.gameArrived = [] {
        const bool fresh = net.peer.nextOrder == 0;
        gameState = net.peer.state;
        gameState.journal = GameJournal{};
        net.order.clear();
        // A new game is recorded like any other; a game joined again goes on from where it stands.
        if (fresh) announceGameStarted();
        else setState(State::resume);
    };
    if (!peerJoin(net.peer, host, port, name, why)) {
        net.peer = PeerSession{};
        return false;
    }
    net.role = NetRole::Joined;
    net.line.clear();
    return true;
}

bool joinedLobby() { return net.role == NetRole::Joined && net.peer.stage == PeerStage::Lobby; }
int joinedSeat() { return net.role == NetRole::Joined ? net.peer.seat : -1; }

void resetNetGameForTests()
{
    if (net.role == NetRole::Hosting) hostClose(net.host, "");
    if (net.role == NetRole::Joined) peerLeave(net.peer);
    net = NetGame{};
}
