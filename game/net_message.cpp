#include "game/net_message.h"

#include "game/galaxy.h"

namespace {

void putNumber(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

void putText(std::string& out, const std::string& text)
{
    putNumber(out, static_cast<uint32_t>(text.size()));
    out += text;
}

void putSeats(std::string& out, const std::vector<NetSeat>& seats)
{
    out += static_cast<char>(seats.size());
    for (const NetSeat& s : seats) {
        out += static_cast<char>(s.use);
        putText(out, s.name);
    }
}

// Reads the fields in order; any fault sticks, so a reader checks once at the end.
struct Reader {
    const std::string& bytes;
    size_t at = 0;
    bool ok = true;

    uint32_t number()
    {
        if (!ok || bytes.size() - at < 4) {
            ok = false;
            return 0;
        }
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
        at += 4;
        return v;
    }
    int small(int low, int high)
    {
        const uint32_t v = number();
        const auto s = static_cast<int32_t>(v);
        if (s < low || s > high) ok = false;
        return ok ? s : low;
    }
    int byte()
    {
        if (!ok || at >= bytes.size()) {
            ok = false;
            return 0;
        }
        return static_cast<unsigned char>(bytes[at++]);
    }
    std::string text(size_t limit)
    {
        const uint32_t n = number();
        if (!ok || n > limit || bytes.size() - at < n) {
            ok = false;
            return {};
        }
        std::string t = bytes.substr(at, n);
        at += n;
        return t;
    }
    std::vector<NetSeat> seats()
    {
        const int n = byte();
        if (n < minPlayers || n > maxPlayers) ok = false;
        std::vector<NetSeat> out;
        for (int i = 0; ok && i < n; ++i) {
            NetSeat s;
            const int use = byte();
            if (use > static_cast<int>(SeatUse::Expert)) ok = false;
            s.use = static_cast<SeatUse>(use);
            s.name = text(maxNetName);
            // A seat without a player has no name.
            if (!s.name.empty() && !netNameOk(s.name)) ok = false;
            out.push_back(s);
        }
        return out;
    }
    bool plainText(const std::string& t)
    {
        for (const char c : t)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
        return true;
    }
};

} // namespace

bool netNameOk(const std::string& name)
{
    if (name.empty() || name.size() > maxNetName || name.find_first_not_of(' ') == std::string::npos) return false;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return true;
}

NetMessage netMessage(NetKind kind, int number, std::string text)
{
    NetMessage m;
    m.kind = kind;
    m.number = number;
    m.text = std::move(text);
    return m;
}

std::string encodeNetMessage(const NetMessage& m)
{
    std::string out(1, static_cast<char>(m.kind));
    switch (m.kind) {
    case NetKind::Hello:
        putNumber(out, static_cast<uint32_t>(m.protocol));
        putText(out, m.text);
        putText(out, m.name);
        break;
    case NetKind::Refused:
    case NetKind::End: putText(out, m.text); break;
    case NetKind::Lobby:
        putSeats(out, m.seats);
        putNumber(out, static_cast<uint32_t>(m.number));
        break;
    case NetKind::Start:
        putNumber(out, static_cast<uint32_t>(m.number));
        putNumber(out, m.order);
        putSeats(out, m.seats);
        putText(out, m.game);
        break;
    case NetKind::Apply: putNumber(out, m.order); [[fallthrough]];
    case NetKind::Decide:
        out += static_cast<char>(m.decision.player);
        putText(out, decisionText(m.decision));
        break;
    case NetKind::Hash:
        putNumber(out, static_cast<uint32_t>(m.number));
        putNumber(out, static_cast<uint32_t>(m.hash));
        putNumber(out, static_cast<uint32_t>(m.hash >> 32));
        break;
    case NetKind::OutOfStep:
    case NetKind::Left: putNumber(out, static_cast<uint32_t>(m.number)); break;
    case NetKind::Joined:
        putNumber(out, static_cast<uint32_t>(m.number));
        putText(out, m.name);
        break;
    }
    return out;
}

bool decodeNetMessage(const std::string& bytes, NetMessage& out)
{
    if (bytes.empty() || bytes.size() > maxNetGame + maxNetSmallMessage) return false;
    const int kind = static_cast<unsigned char>(bytes[0]);
    if (kind < static_cast<int>(NetKind::Hello) || kind > static_cast<int>(NetKind::End)) return false;
    if (static_cast<NetKind>(kind) != NetKind::Start && bytes.size() > maxNetSmallMessage) return false;
    NetMessage m;
    m.kind = static_cast<NetKind>(kind);
    Reader r{bytes, 1};
    // Turns and seats as the game can hold them.
    constexpr int maxTurn = 1000000000;
    switch (m.kind) {
    case NetKind::Hello:
        m.protocol = r.small(0, 1 << 30);
        m.text = r.text(maxNetText);
        m.name = r.text(maxNetName);
        r.ok = r.ok && r.plainText(m.text) && netNameOk(m.name);
        break;
    case NetKind::Refused:
    case NetKind::End:
        m.text = r.text(maxNetText);
        r.ok = r.ok && r.plainText(m.text);
        break;
    case NetKind::Lobby:
    case NetKind::Start:
        if (m.kind == NetKind::Start) {
            m.number = r.small(0, maxPlayers - 1);
            m.order = r.number();
        }
        m.seats = r.seats();
        if (m.kind == NetKind::Lobby) m.number = r.small(-1, maxPlayers - 1);
        if (m.kind == NetKind::Start) m.game = r.text(maxNetGame);
        r.ok = r.ok && m.number < static_cast<int>(m.seats.size());
        break;
    case NetKind::Apply:
    case NetKind::Decide: {
        if (m.kind == NetKind::Apply) m.order = r.number();
        const int player = r.byte();
        const std::string text = r.text(64);
        r.ok = r.ok && player < maxPlayers && parseDecision(text, m.decision);
        m.decision.player = player;
        break;
    }
    case NetKind::Hash: {
        m.number = r.small(0, maxTurn);
        const uint64_t low = r.number();
        m.hash = low | static_cast<uint64_t>(r.number()) << 32;
        break;
    }
    case NetKind::OutOfStep: m.number = r.small(0, maxTurn); break;
    case NetKind::Left: m.number = r.small(0, maxPlayers - 1); break;
    case NetKind::Joined:
        m.number = r.small(0, maxPlayers - 1);
        m.name = r.text(maxNetName);
        r.ok = r.ok && netNameOk(m.name);
        break;
    }
    if (!r.ok || r.at != bytes.size()) return false;
    out = std::move(m);
    return true;
}
