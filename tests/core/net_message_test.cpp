// The network messages: each kind written and read back; every message cut
// short, lengthened, or with a field out of range refused whole.
#include <gtest/gtest.h>

#include "game/net_message.h"

namespace {

NetMessage with(NetMessage m, const std::string& name, const Decision& d = {})
{
    m.name = name;
    m.decision = d;
    return m;
}

std::vector<NetMessage> everyKind()
{
    NetMessage lobby = netMessage(NetKind::Lobby);
    lobby.seats = {{SeatUse::Local, "Ann"}, {SeatUse::Network, "Bö b"}, {SeatUse::Computer, ""}};
    NetMessage start = lobby;
    start.kind = NetKind::Start;
    start.number = 2;
    start.game = std::string(70000, 'g');
    start.order = 9;
    NetMessage apply = with(netMessage(NetKind::Apply), "", {DecisionKind::Place, 7, 99, noOwner, 3});
    apply.order = 4000000000u;
    NetMessage hash = netMessage(NetKind::Hash, 12);
    hash.hash = 0xfedcba9876543210ull;
    return {with(netMessage(NetKind::Hello, -1, "0.1"), "Ann"),
            netMessage(NetKind::Refused, -1, "the host runs version 0.1"),
            lobby,
            start,
            with(netMessage(NetKind::Decide), "", {DecisionKind::Attack, 1, 4, 7, 12}),
            apply,
            hash,
            netMessage(NetKind::OutOfStep, 12),
            netMessage(NetKind::Left, 7),
            with(netMessage(NetKind::Joined, 1), "Bob"),
            netMessage(NetKind::End, -1, "the host left the game")};
}

bool refused(const NetMessage& m)
{
    NetMessage back;
    return !decodeNetMessage(encodeNetMessage(m), back);
}

} // namespace

TEST(NetMessage, EveryKindReadsBackAndNothingElseIsTaken)
{
    for (const NetMessage& m : everyKind()) {
        const std::string bytes = encodeNetMessage(m);
        NetMessage back;
        ASSERT_TRUE(decodeNetMessage(bytes, back)) << int(m.kind);
        EXPECT_EQ(back, m);
        for (size_t n = 0; n < bytes.size(); n += 1 + n / 64) EXPECT_FALSE(decodeNetMessage(bytes.substr(0, n), back));
        EXPECT_FALSE(decodeNetMessage(bytes + '\0', back));
    }
    // Fields out of range: a name with a control character, too long or
    // blank, a text too long, a decision of no player or not in its strict
    // text form, a seat beyond the players, too few seats, an unknown kind.
    const NetMessage hello = netMessage(NetKind::Hello, -1, "0.1");
    EXPECT_TRUE(refused(with(hello, "a\nb")));
    EXPECT_TRUE(refused(with(hello, std::string(maxNetName + 1, 'a'))));
    EXPECT_TRUE(refused(with(hello, "  ")));
    EXPECT_TRUE(refused(netMessage(NetKind::End, -1, std::string(maxNetText + 1, 'a'))));
    EXPECT_TRUE(refused(with(netMessage(NetKind::Decide), "", {DecisionKind::Place, 8, 1, noOwner, 1})));
    EXPECT_TRUE(refused(with(netMessage(NetKind::Decide), "", {DecisionKind::Place, 0, -1, noOwner, 1})));
    EXPECT_TRUE(refused(netMessage(NetKind::Left, 8)));
    NetMessage lobby = everyKind()[2];
    lobby.number = 3;
    EXPECT_TRUE(refused(lobby));
    lobby.number = 0;
    lobby.seats.resize(1);
    EXPECT_TRUE(refused(lobby));
    NetMessage back;
    EXPECT_FALSE(decodeNetMessage(std::string(1, '\x0c'), back));
    // Only the game may be long.
    EXPECT_FALSE(decodeNetMessage(std::string(1, '\x01') + std::string(maxNetSmallMessage, 'a'), back));
}
