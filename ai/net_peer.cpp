#include "ai/net_peer.h"

#include <cctype>
#include <chrono>

#include "game/galaxy.h"
#include "game/recording.h"
#include "game/save_file.h"

namespace {

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void end(PeerSession& p, const std::string& line)
{
    if (p.stage == PeerStage::Ended) return;
    p.stage = PeerStage::Ended;
    p.endLine = line;
    if (p.say) p.say(line);
}

void send(PeerSession& p, const NetMessage& m)
{
    if (p.net) netSend(p.net, 0, encodeNetMessage(m));
}

void received(PeerSession& p, const std::string& bytes)
{
    NetMessage m;
    if (!decodeNetMessage(bytes, m)) return end(p, "the host sent what this version cannot read");
    switch (m.kind) {
    case NetKind::Refused: return end(p, m.text);
    case NetKind::End: return end(p, m.text);
    case NetKind::Lobby:
        p.seats = m.seats;
        p.seat = m.number;
        if (p.stage == PeerStage::Joining) p.stage = PeerStage::Lobby;
        return;
    case NetKind::Start: {
        GameState s;
        std::string why;
        if (!readSaveText(m.game, s, why) || s.galaxy.playerCount != static_cast<int>(m.seats.size()))
            return end(p, "the game the host sent cannot be read: " + why);
        p.state = std::move(s);
        p.state.journal.on = true;
        p.seats = m.seats;
        p.seat = m.number;
        p.nextOrder = m.order;
        p.ordered.clear();
        p.deciding = false;
        p.stage = PeerStage::Playing;
        if (p.gameArrived) p.gameArrived();
        return;
    }
    case NetKind::Apply:
        if (p.stage != PeerStage::Playing || m.order != p.nextOrder) return end(p, "the host's order has a gap");
        ++p.nextOrder;
        p.ordered.push_back(m.decision);
        return;
    case NetKind::OutOfStep: return end(p, "out of step at turn " + std::to_string(m.number));
    case NetKind::Left:
        if (p.say) p.say(std::string(playerColourNames[m.number]) + " left the game");
        if (m.number < static_cast<int>(p.seats.size())) p.seats[m.number].name.clear();
        return;
    case NetKind::Joined:
        if (p.say) p.say(std::string(playerColourNames[m.number]) + " (" + m.name + ") joined the game again");
        if (m.number < static_cast<int>(p.seats.size())) p.seats[m.number].name = m.name;
        return;
    default: return end(p, "the host sent a message only peers send");
    }
}

} // namespace

bool peerJoin(PeerSession& p, const std::string& address, int port, const std::string& name, std::string& why)
{
    NetLimits limits;
    limits.maxMessage = maxNetGame + maxNetSmallMessage;
    limits.timeoutMs = 8000;
    p.net = netConnect(address, port, limits, why);
    if (!p.net) return false;
    p.name = name;
    p.stage = PeerStage::Joining;
    p.joinBy = nowMs() + joinTimeoutMs;
    return true;
}

void peerPoll(PeerSession& p, int timeoutMs)
{
    if (!p.net) return;
    for (NetEvent e = netPoll(p.net, timeoutMs); e.kind != NetEventKind::None; e = netPoll(p.net, 0)) {
        if (e.kind == NetEventKind::Connected) {
            send(p, [&] {
                NetMessage m = netMessage(NetKind::Hello, -1, programVersion());
                m.name = p.name;
                return m;
            }());
        } else if (e.kind == NetEventKind::Received) {
            received(p, e.bytes);
        } else if (e.kind == NetEventKind::Disconnected) {
            end(p, p.stage == PeerStage::Joining ? "the host cannot be reached" : "the host left the game");
        }
        if (p.stage == PeerStage::Ended) break;
    }
    if (p.stage == PeerStage::Joining && nowMs() > p.joinBy) end(p, "the host does not answer");
    // Nothing more comes from a host that refused, ended or left.
    if (p.stage == PeerStage::Ended) {
        netClose(p.net, 0);
        p.net = nullptr;
    }
}

void peerPlay(PeerSession& p, int maxTurns)
{
    if (p.stage != PeerStage::Playing) return;
    StepWatch watch = p.watch;
    watch.noted = [&](const CourseEntry& e) {
        if (e.cycleEnd) send(p, [&] {
            NetMessage m = netMessage(NetKind::Hash, e.turn);
            m.hash = e.hash;
            return m;
        }());
        if (p.watch.noted) p.watch.noted(e);
    };
    for (;;) {
        playToDecision(p.state, maxTurns, watch);
        if (p.ordered.empty() || p.state.phase == GamePhase::Over) return;
        const Decision d = p.ordered.front();
        p.ordered.pop_front();
        if (d.player == p.seat) p.deciding = false;
        if (d.player != waitingSeat(p.state) || !applyAndNote(p.state, d, watch))
            return end(p, "out of step at turn " + std::to_string(p.state.galaxy.turn));
    }
}

bool peerToDecide(const PeerSession& p)
{
    return p.stage == PeerStage::Playing && !p.deciding && p.ordered.empty() && p.seat >= 0 &&
           waitingSeat(p.state) == p.seat;
}

void peerDecide(PeerSession& p, const Decision& d)
{
    p.deciding = true;
    send(p, [&] {
        NetMessage m = netMessage(NetKind::Decide);
        m.decision = d;
        return m;
    }());
}

void peerLeave(PeerSession& p)
{
    if (p.net) netClose(p.net, 500);
    p.net = nullptr;
    if (p.stage != PeerStage::Ended) p.stage = PeerStage::Ended;
}

GameState peerKeptGame(const PeerSession& p)
{
    GameState kept = p.state;
    for (size_t s = 0; s < kept.seats.size(); ++s)
        if (static_cast<int>(s) != p.seat && kept.seats[s] == Seat::Human) kept.seats[s] = Seat::Expert;
    return kept;
}

bool parseHostAddress(const std::string& text, std::string& host, int& port)
{
    const size_t colon = text.rfind(':');
    host = text.substr(0, colon);
    port = defaultNetPort;
    if (colon != std::string::npos) {
        const std::string digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
        port = std::stoi(digits);
        if (port < 1 || port > 65535) return false;
    }
    if (host.empty() || host.size() > 253) return false;
    for (const char c : host)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-')) return false;
    return true;
}
