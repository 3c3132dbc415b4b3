// Network play on 127.0.0.1, host and peers driven in this process: whole
// games played in step, a player who leaves and comes back, the host who
// leaves, and peers that misbehave, each bounded in time.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <list>
#include <random>

#include "ai/net_host.h"
#include "ai/net_peer.h"
#include "ai/replay.h"
#include "ai/seat_play.h"
#include "game/course.h"
#include "game/recording.h"
#include "game/save_file.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Bot {
    PeerSession session;
    std::string course;
    std::vector<std::string> said;
    // Leaves (as if its program ended) when its game reaches this turn.
    int leaveAt = 0;
};

struct Table {
    HostSession host;
    std::string header, hostCourse;
    std::vector<std::string> log;
    std::list<Bot> bots;

    Table(const std::string& galaxy, const std::vector<SeatUse>& uses, unsigned seed)
    {
        Galaxy loaded;
        if (galaxy.empty()) {
            loaded.loadBuiltIn("");
        } else {
            std::ifstream in(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies/" + galaxy + ".gly");
            EXPECT_TRUE(loaded.readFrom(in));
        }
        for (SeatUse u : uses) host.seats.push_back({u, ""});
        dealGame(host.state, loaded, seed, coreSeats(host.seats), 2);
        header = recordingHeaderText(recordingOf(host.state, host.state.random.state, "now"));
        host.log = [this](const std::string& line) { log.push_back(line); };
        host.watch.noted = [this](const CourseEntry& e) { hostCourse += courseLine(e); };
        host.helloMs = 300;
        host.maxTurns = 150;
        std::string why;
        EXPECT_TRUE(hostOpen(host, "127.0.0.1", 0, why)) << why;
    }
    ~Table()
    {
        for (Bot& b : bots) peerLeave(b.session);
        hostClose(host, "");
    }

    Bot& join(const std::string& name)
    {
        Bot& b = bots.emplace_back();
        b.session.watch.noted = [&b](const CourseEntry& e) { b.course += courseLine(e); };
        b.session.say = [&b](const std::string& line) { b.said.push_back(line); };
        std::string why;
        EXPECT_TRUE(peerJoin(b.session, "127.0.0.1", netPort(host.net), name, why)) << why;
        return b;
    }

    // Host and bots take turns until done says so or the time is up.
    bool run(const std::function<bool()>& done, int seconds = 20, const std::function<void()>& also = {})
    {
        const auto until = Clock::now() + std::chrono::seconds(seconds);
        while (!done()) {
            if (Clock::now() > until) {
                for (const std::string& l : log) std::fprintf(stderr, "host: %s\n", l.c_str());
                for (const Bot& b : bots)
                    for (const std::string& l : b.said) std::fprintf(stderr, "peer: %s\n", l.c_str());
                return false;
            }
            if (host.net) hostPoll(host, 1);
            for (Bot& b : bots) {
                PeerSession& p = b.session;
                if (!p.net) continue;
                peerPoll(p, 0);
                peerPlay(p, host.maxTurns);
                if (b.leaveAt && p.state.galaxy.turn >= b.leaveAt) {
                    peerLeave(p);
                    b.leaveAt = 0;
                } else if (peerToDecide(p)) {
                    peerDecide(p, seatDecision(p.state, p.seat));
                }
            }
            if (also) also();
        }
        return true;
    }
    // Won, or stopped at the turn cap.
    bool done(const GameState& s) const
    {
        return s.phase == GamePhase::Over || (s.phase == GamePhase::TurnStart && s.galaxy.turn >= host.maxTurns);
    }
    bool allDone() const
    {
        for (const Bot& b : bots)
            if (b.session.stage != PeerStage::Ended && !done(b.session.state)) return false;
        return done(host.state);
    }
    // The host's recording plays again to the same end.
    void verify() const
    {
        Recording r;
        std::string why;
        ASSERT_TRUE(readRecording(header + hostCourse, r, why)) << why;
        GameState replayed;
        const ReplayResult result = replayRecording(replayed, r);
        EXPECT_EQ(result.differsAt, 0);
        EXPECT_EQ(result.winner, host.state.winner);
    }
    bool logged(const std::string& part) const
    {
        for (const std::string& l : log)
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
};

// A client of our own that says what the test wants, raw.
struct RawClient {
    NetHost* net = nullptr;
    bool connected = false, gone = false;
    std::vector<NetMessage> heard;
    explicit RawClient(int port)
    {
        std::string why;
        net = netConnect("127.0.0.1", port, NetLimits{}, why);
    }
    ~RawClient() { netClose(net, 0); }
    void poll()
    {
        for (NetEvent e = netPoll(net, 0); e.kind != NetEventKind::None; e = netPoll(net, 0)) {
            connected |= e.kind == NetEventKind::Connected;
            gone |= e.kind == NetEventKind::Disconnected;
            NetMessage m;
            if (e.kind == NetEventKind::Received && decodeNetMessage(e.bytes, m)) heard.push_back(m);
        }
    }
    void send(const NetMessage& m) { netSend(net, 0, encodeNetMessage(m)); }
};

// Datagrams of random bytes and lengths to the host's port, below the transport.
void sprayUdp(int port)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::mt19937 random(7);
    for (int k = 0; k < 300; ++k) {
        std::string bytes(random() % 1400, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    }
    close(fd);
}

NetMessage hello(const std::string& version, const std::string& name)
{
    NetMessage m = netMessage(NetKind::Hello, -1, version);
    m.name = name;
    return m;
}

} // namespace

TEST(NetPlay, WholeGamesOnTwoGalaxiesPlayInStepWithTheHost)
{
    const SeatUse net = SeatUse::Network, cpu = SeatUse::Computer;
    for (const auto& [galaxy, uses] : {std::pair<std::string, std::vector<SeatUse>>{"", {cpu, net, cpu, net, cpu}},
                                       {"DOOR", {net, net, cpu}}}) {
        Table t(galaxy, uses, 7);
        Bot& ann = t.join("Ann");
        Bot& bob = t.join("Bob");
        ASSERT_TRUE(t.run([&] { return t.allDone(); })) << galaxy;
        EXPECT_FALSE(t.host.stopped) << t.host.stopLine;
        for (const Bot* b : {&ann, &bob}) {
            EXPECT_EQ(b->course, t.hostCourse) << galaxy;
            EXPECT_EQ(stateHash(b->session.state), stateHash(t.host.state));
            EXPECT_EQ(b->session.seats, t.host.seats);
        }
        EXPECT_EQ(ann.session.seat, galaxy.empty() ? 1 : 0);
        EXPECT_EQ(bob.session.seats[bob.session.seat].name, "Bob");
        t.verify();
    }
}

TEST(NetPlay, APlayerWhoLeavesIsPlayedForAndComesBackToTheGameAsItStands)
{
    const SeatUse net = SeatUse::Network, cpu = SeatUse::Computer;
    Table t("", {net, net, cpu, cpu, cpu}, 3);
    Bot& ann = t.join("Ann");
    Bot& bob = t.join("Bob");
    ann.leaveAt = 3;
    // The computer plays Ann's seat, and the game goes on with Bob.
    ASSERT_TRUE(t.run([&] { return t.logged("green (Ann) left the game") && t.host.state.galaxy.turn >= 6; }));
    // Another name does not take the seat; the same one does, and is sent the game.
    Bot& cat = t.join("Cat");
    ASSERT_TRUE(t.run([&] { return cat.session.stage == PeerStage::Ended; }));
    EXPECT_EQ(cat.session.endLine, "the game has begun without Cat");
    Bot& back = t.join("Ann");
    ASSERT_TRUE(t.run([&] { return back.session.stage == PeerStage::Playing && t.host.state.galaxy.turn >= 9; }));
    EXPECT_TRUE(t.logged("green (Ann) joined the game again"));
    EXPECT_EQ(back.session.seat, 0);
    // The host goes: everyone is told, and keeps the game to play on alone.
    hostClose(t.host, "the host left the game");
    ASSERT_TRUE(t.run([&] { return back.session.stage == PeerStage::Ended && bob.session.stage == PeerStage::Ended; }));
    EXPECT_EQ(bob.said, (std::vector<std::string>{"green left the game", "green (Ann) joined the game again",
                                                  "the host left the game"}));
    EXPECT_EQ(bob.course, t.hostCourse);
    EXPECT_EQ(stateHash(back.session.state), stateHash(t.host.state));
    EXPECT_TRUE(t.hostCourse.ends_with(back.course));
    t.verify();
    GameState kept;
    std::string why;
    ASSERT_TRUE(readSaveText(saveText(peerKeptGame(bob.session)), kept, why)) << why;
    EXPECT_EQ(kept.seats, (std::vector<Seat>{Seat::Expert, Seat::Human, Seat::Computer, Seat::Computer, Seat::Computer}));
}

TEST(NetPlay, PeersThatMisbehaveAreDisconnectedAndTheGameGoesOn)
{
    Table t("DOOR", {SeatUse::Network, SeatUse::Computer, SeatUse::Computer}, 5);
    const int port = netPort(t.host.net);
    RawClient garbage(port), silent(port), old(port), cheat(port);
    bool sent = false;
    auto clients = [&] {
        for (RawClient* c : {&garbage, &silent, &old, &cheat}) c->poll();
        if (sent || !garbage.connected || !old.connected || !cheat.connected) return;
        sent = true;
        netSend(garbage.net, 0, std::string("\x05\x00\xff\xff\xff\x7f", 6));
        old.send(hello("0.0.9", "Old"));
        cheat.send(hello(programVersion(), "Cheat"));
    };
    // The cheat takes the one seat; the others are sent away at once.
    ASSERT_TRUE(t.run([&] { return t.host.started && garbage.gone && old.gone && silent.gone; }, 20, clients));
    ASSERT_EQ(old.heard.size(), 1u);
    EXPECT_EQ(old.heard[0].text, std::string("the host runs version ") + programVersion());
    EXPECT_TRUE(t.logged("malformed message"));
    EXPECT_TRUE(t.logged("no hello"));
    // A decision that is not legal: sent away, the game waits for its player.
    NetMessage d = netMessage(NetKind::Decide);
    d.decision = {DecisionKind::Place, 0, 99, noOwner, 1};
    cheat.send(d);
    ASSERT_TRUE(t.run([&] { return cheat.gone; }, 20, clients));
    EXPECT_TRUE(t.logged("(Cheat)): an illegal decision: place 99 1"));
    sprayUdp(port);
    Bot& first = t.join("Cheat");
    ASSERT_TRUE(t.run([&] { return first.session.stage == PeerStage::Playing; }));
    // The same player from the same machine again (its program restarted):
    // the new connection takes the seat over.
    Bot& ann = t.join("Cheat");
    RawClient cheat2(port);
    bool sent2 = false;
    ASSERT_TRUE(t.run([&] { return cheat2.gone && t.allDone(); }, 20, [&] {
        cheat2.poll();
        if (cheat2.connected && !sent2) {
            sent2 = true;
            cheat2.send(hello(programVersion(), "Other"));
        }
    }));
    EXPECT_EQ(cheat2.heard.back().text, "the game has begun without Other");
    EXPECT_EQ(first.session.endLine, "the host disconnected you: the same player connected again");
    EXPECT_EQ(stateHash(ann.session.state), stateHash(t.host.state));
}
