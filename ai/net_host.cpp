#include "ai/net_host.h"

#include <chrono>

#include "ai/seat_play.h"
#include "game/decide.h"
#include "game/recording.h"
#include "game/save_file.h"

namespace {

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void say(HostSession& h, const std::string& line)
{
    if (h.log) h.log(line);
}

void send(HostSession& h, int peer, const NetMessage& m)
{
    netSend(h.net, peer, encodeNetMessage(m));
}

// To every peer with a seat in the game.
void broadcast(HostSession& h, const NetMessage& m)
{
    const std::string bytes = encodeNetMessage(m);
    for (const auto& [id, p] : h.peers)
        if (p.seat >= 0) netSend(h.net, id, bytes);
}

std::string hostPart(const std::string& address)
{
    return address.substr(0, address.rfind(':'));
}

NetMessage lobby(const HostSession& h, int seat)
{
    NetMessage m = netMessage(NetKind::Lobby, seat);
    m.seats = h.seats;
    return m;
}

NetMessage ordered(uint32_t order, const Decision& d)
{
    NetMessage m = netMessage(NetKind::Apply);
    m.order = order;
    m.decision = d;
    return m;
}

NetMessage joined(int seat, const std::string& name)
{
    NetMessage m = netMessage(NetKind::Joined, seat);
    m.name = name;
    return m;
}

std::string seatName(const HostSession& h, int seat)
{
    std::string s = playerColourNames[seat];
    if (!h.seats[seat].name.empty()) s += " (" + h.seats[seat].name + ")";
    return s;
}

// Frees the seat of a peer that went or is sent away; the computer plays it
// from now on, and everyone is told.
void vacate(HostSession& h, int id)
{
    HostPeer& p = h.peers[id];
    const int seat = p.seat;
    p.seat = -1;
    if (seat < 0) return;
    h.seatPeer[seat] = -1;
    if (!h.started) {
        h.seats[seat].name.clear();
        for (const auto& [other, q] : h.peers)
            if (q.seat >= 0) send(h, other, lobby(h, q.seat));
        return;
    }
    say(h, seatName(h, seat) + " left the game; the computer plays the seat");
    broadcast(h, netMessage(NetKind::Left, seat));
}

void drop(HostSession& h, int id, const std::string& why)
{
    HostPeer& p = h.peers[id];
    if (p.dropped) return;
    say(h, "disconnected " + p.address + (p.seat >= 0 ? " (" + seatName(h, p.seat) + ")" : "") + ": " + why);
    send(h, id, netMessage(NetKind::End, -1, "the host disconnected you: " + why));
    vacate(h, id);
    p.dropped = true;
    netDrop(h.net, id);
}

void refuse(HostSession& h, int id, const std::string& why)
{
    send(h, id, netMessage(NetKind::Refused, -1, why));
    h.peers[id].dropped = true;
    say(h, "refused " + h.peers[id].address + ": " + why);
    netDrop(h.net, id);
}

void apply(HostSession& h, const Decision& d)
{
    StepWatch watch = h.watch;
    watch.noted = [&](const CourseEntry& e) {
        if (e.cycleEnd) h.hashes[e.turn] = e.hash;
        if (h.watch.noted) h.watch.noted(e);
    };
    applyAndNote(h.state, d, watch);
    broadcast(h, ordered(h.order++, d));
}

void sendGame(HostSession& h, int id)
{
    NetMessage m = netMessage(NetKind::Start, h.peers[id].seat);
    m.seats = h.seats;
    m.game = saveText(h.state);
    m.order = h.order;
    send(h, id, m);
}

// Someone is there to play with: a player at the host's screen or on a peer.
bool anyonePlays(const HostSession& h)
{
    for (size_t s = 0; s < h.seats.size(); ++s)
        if (h.seats[s].use == SeatUse::Local || h.seatPeer[s] >= 0) return true;
    return false;
}

// Plays on while no player is needed: computer steps, and the decisions of
// seats whose player left, made by the computer.
void playOn(HostSession& h)
{
    StepWatch watch = h.watch;
    watch.noted = [&](const CourseEntry& e) {
        if (e.cycleEnd) h.hashes[e.turn] = e.hash;
        if (h.watch.noted) h.watch.noted(e);
    };
    while (h.started && !h.stopped && anyonePlays(h)) {
        playToDecision(h.state, h.maxTurns, watch);
        const int seat = waitingSeat(h.state);
        if (seat == noOwner || h.seats[seat].use == SeatUse::Local || h.seatPeer[seat] >= 0) return;
        apply(h, seatDecision(h.state, seat));
    }
}

void start(HostSession& h)
{
    h.started = true;
    say(h, "every seat is taken: the game begins");
    for (const auto& [id, p] : h.peers)
        if (p.seat >= 0) sendGame(h, id);
}

void hello(HostSession& h, int id, const NetMessage& m)
{
    if (m.protocol != netProtocol || m.text != programVersion())
        return refuse(h, id, std::string("the host runs version ") + programVersion());
    int seat = -1;
    for (size_t s = 0; s < h.seats.size(); ++s) {
        const NetSeat& n = h.seats[s];
        if (n.use != SeatUse::Network || h.seatPeer[s] >= 0) continue;
        // Once the game runs, a seat waits for the player who left it.
        if (h.started ? n.name == m.name : seat < 0) seat = static_cast<int>(s);
    }
    for (size_t s = 0; s < h.seats.size(); ++s) {
        const int holder = h.seatPeer[s];
        if (h.seats[s].name != m.name || holder < 0) continue;
        // The same player back from the same machine before its old
        // connection timed out (a program restarted after a crash): the old
        // one goes, and the seat waits for the new one.
        if (!h.started || hostPart(h.peers[holder].address) != hostPart(h.peers[id].address))
            return refuse(h, id, "the name " + m.name + " is taken");
        drop(h, holder, "the same player connected again");
        seat = static_cast<int>(s);
    }
    if (seat < 0) return refuse(h, id, h.started ? "the game has begun without " + m.name : "every seat is taken");
    if (h.state.phase == GamePhase::Over) return refuse(h, id, "the game is over");
    h.peers[id].seat = seat;
    h.seatPeer[seat] = id;
    h.seats[seat].name = m.name;
    if (h.started) {
        say(h, seatName(h, seat) + " joined the game again");
        sendGame(h, id);
        broadcast(h, joined(seat, m.name));
        return;
    }
    say(h, seatName(h, seat) + " joined from " + h.peers[id].address);
    for (const auto& [other, q] : h.peers)
        if (q.seat >= 0) send(h, other, lobby(h, q.seat));
    if (hostFull(h) && h.autoStart) start(h);
}

void received(HostSession& h, int id, const std::string& bytes)
{
    HostPeer& p = h.peers[id];
    if (p.dropped) return;
    const int64_t now = nowMs();
    if (now - p.windowStart >= 1000) {
        p.windowStart = now;
        p.messages = 0;
    }
    if (++p.messages > maxMessagesPerSecond) return drop(h, id, "too many messages");
    NetMessage m;
    if (!decodeNetMessage(bytes, m)) return drop(h, id, "malformed message");
    if (m.kind == NetKind::Hello) {
        if (p.seat >= 0 || p.helloBy == 0) return drop(h, id, "a second hello");
        p.helloBy = 0;
        return hello(h, id, m);
    }
    if (p.seat < 0) return drop(h, id, "spoke before its hello");
    if (m.kind == NetKind::Decide) {
        const Decision& d = m.decision;
        if (!h.started || h.stopped || d.player != p.seat || waitingSeat(h.state) != p.seat)
            return drop(h, id, "a decision out of turn: " + decisionText(d));
        if (!isLegal(h.state, d)) return drop(h, id, "an illegal decision: " + decisionText(d));
        apply(h, d);
        return playOn(h);
    }
    if (m.kind == NetKind::Hash) {
        const auto mine = h.hashes.find(m.number);
        if (!h.started || mine == h.hashes.end() || m.number <= p.hashedTurn)
            return drop(h, id, "a hash out of turn");
        p.hashedTurn = m.number;
        if (mine->second == m.hash || h.stopped) return;
        h.stopped = true;
        h.stopLine = "out of step at turn " + std::to_string(m.number);
        say(h, h.stopLine + ": " + seatName(h, p.seat) + " differs");
        broadcast(h, netMessage(NetKind::OutOfStep, m.number));
        return;
    }
    drop(h, id, "a message only the host sends");
}

} // namespace

std::vector<Seat> coreSeats(const std::vector<NetSeat>& seats)
{
    std::vector<Seat> out;
    for (const NetSeat& s : seats)
        out.push_back(s.use == SeatUse::Computer ? Seat::Computer : s.use == SeatUse::Expert ? Seat::Expert : Seat::Human);
    return out;
}

bool hostOpen(HostSession& h, const std::string& bind, int port, std::string& why)
{
    NetLimits limits;
    limits.peers = 2 * maxPlayers;
    // The transport's bound holds both ways, and the game goes out whole; the
    // codec refuses any message but the game beyond maxNetSmallMessage.
    limits.maxMessage = maxNetGame + maxNetSmallMessage;
    limits.timeoutMs = netTimeoutMs;
    h.net = netListen(bind, port, limits, why);
    if (!h.net) return false;
    h.seatPeer.assign(h.seats.size(), -1);
    say(h, "listening on port " + std::to_string(netPort(h.net)) +
               (bind.empty() ? " of every interface" : " of " + bind));
    if (hostFull(h) && h.autoStart) start(h);
    return true;
}

bool hostStart(HostSession& h)
{
    if (h.started || !hostFull(h)) return false;
    start(h);
    playOn(h);
    return true;
}

void hostSetSeat(HostSession& h, int seat, SeatUse use)
{
    if (h.started || seat < 0 || seat >= static_cast<int>(h.seats.size())) return;
    if (h.seatPeer[seat] >= 0) drop(h, h.seatPeer[seat], "the host changed the seat");
    h.seats[seat] = {use, ""};
    for (const auto& [other, q] : h.peers)
        if (q.seat >= 0) send(h, other, lobby(h, q.seat));
}

bool hostFull(const HostSession& h)
{
    for (size_t s = 0; s < h.seats.size(); ++s)
        if (h.seats[s].use == SeatUse::Network && h.seatPeer[s] < 0) return false;
    return true;
}

int hostPeerCount(const HostSession& h)
{
    int n = 0;
    for (const auto& [id, p] : h.peers) n += p.dropped ? 0 : 1;
    return n;
}

void hostPoll(HostSession& h, int timeoutMs)
{
    for (NetEvent e = netPoll(h.net, timeoutMs); e.kind != NetEventKind::None; e = netPoll(h.net, 0)) {
        if (e.kind == NetEventKind::Connected) {
            HostPeer& p = h.peers[e.peer];
            p.address = e.address;
            p.helloBy = nowMs() + h.helloMs;
        } else if (e.kind == NetEventKind::Received) {
            received(h, e.peer, e.bytes);
        } else if (e.kind == NetEventKind::Disconnected) {
            if (h.peers.count(e.peer) && !h.peers[e.peer].dropped) {
                if (h.peers[e.peer].seat >= 0 && h.state.phase != GamePhase::Over) vacate(h, e.peer);
            }
            h.peers.erase(e.peer);
        }
        // Before the next event: an answer to what was just sent may be it.
        playOn(h);
    }
    const int64_t now = nowMs();
    for (auto& [id, p] : h.peers)
        if (p.helloBy != 0 && now > p.helloBy && !p.dropped) {
            p.helloBy = 0;
            drop(h, id, "no hello");
        }
    playOn(h);
}

bool hostDecide(HostSession& h, const Decision& d)
{
    if (!h.started || h.stopped || d.player < 0 || d.player >= static_cast<int>(h.seats.size()) ||
        h.seats[d.player].use != SeatUse::Local || waitingSeat(h.state) != d.player || !isLegal(h.state, d))
        return false;
    apply(h, d);
    playOn(h);
    return true;
}

void hostClose(HostSession& h, const std::string& why)
{
    if (!h.net) return;
    if (!why.empty()) broadcast(h, netMessage(NetKind::End, -1, why));
    netClose(h.net, 1000);
    h.net = nullptr;
}
