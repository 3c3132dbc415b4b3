#include "game/save_file.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string_view>

#include "game/galaxy_file.h"
#include "game/save_check.h"
#include "game/seats.h"

namespace {

struct PhaseName {
    GamePhase phase;
    const char* word;
};
// None is not here: there is no game to save before one begins.
constexpr PhaseName phaseNames[] = {
    {GamePhase::TurnStart, "turnStart"},         {GamePhase::HumanPlacement, "placement"},
    {GamePhase::HumanAttack, "attack"},          {GamePhase::HumanTransfer, "transfer"},
    {GamePhase::ComputerTurns, "computerTurns"}, {GamePhase::Over, "over"},
};

uint32_t fnv1a(std::string_view bytes)
{
    uint32_t h = 2166136261u;
    for (unsigned char c : bytes) h = (h ^ c) * 16777619u;
    return h;
}

std::string real(double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// The text as whitespace-separated tokens, read strictly: a token that is
// missing or not what was asked for stops the reading for good.
struct Cursor {
    std::string_view text;
    size_t pos = 0;
    bool ok = true;
    std::string why;

    bool fail(const std::string& reason)
    {
        if (ok) why = reason;
        ok = false;
        return false;
    }

    std::string_view token()
    {
        if (!ok) return {};
        while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
        const size_t start = pos;
        while (pos < text.size() && !std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
        return text.substr(start, pos - start);
    }

    bool word(std::string_view expected)
    {
        const std::string_view t = token();
        return t == expected || fail("expected " + std::string(expected));
    }

    bool integer(long long& v, long long low, long long high, const char* what)
    {
        const std::string_view t = token();
        const auto [stop, error] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || error != std::errc() || stop != t.data() + t.size()) return fail(std::string(what) + " is not a number");
        return (v >= low && v <= high) || fail(std::string(what) + " is out of range");
    }

    bool number(int& field, long long low, long long high, const char* what)
    {
        long long v = 0;
        if (!integer(v, low, high, what)) return false;
        field = static_cast<int>(v);
        return true;
    }

    bool finite(double& field, const char* what)
    {
        const std::string_view t = token();
        double v = 0;
        const auto [stop, error] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || error != std::errc() || stop != t.data() + t.size() || !std::isfinite(v))
            return fail(std::string(what) + " is not a finite number");
        field = v;
        return true;
    }

    bool line(std::string& field, size_t length)
    {
        if (!ok) return false;
        if (pos >= text.size() || text[pos] != ' ' || text.size() - pos - 1 < length) return fail("the name is cut short");
        field.assign(text.substr(pos + 1, length));
        pos += 1 + length;
        return true;
    }
};

// A slot of the game stars, or noOwner where one may be missing.
bool slotOrNone(int v, const Galaxy& g) { return v == noOwner || g.isGameStar(v); }
bool playerOrNone(int v, const Galaxy& g) { return v == noOwner || g.isPlayer(v); }

void readStar(Cursor& in, Star& s, bool game, int players)
{
    in.number(s.active, INT_MIN, INT_MAX, "a star's active flag");
    in.number(s.x, INT_MIN, INT_MAX, "a star's x");
    in.number(s.y, INT_MIN, INT_MAX, "a star's y");
    const std::string_view kind = in.token();
    if (kind.empty()) in.fail("a star's kind is missing");
    s.kind = kind;
    // The layout's owners and armies are whatever the galaxy file held; only
    // the game's own must make sense.
    if (game) {
        in.number(s.owner, noOwner, players - 1, "a star's owner");
        if (in.ok && s.owner < 0 && s.owner != noOwner) in.fail("a star's owner is out of range");
    } else {
        in.number(s.owner, INT_MIN, INT_MAX, "a star's owner");
    }
    in.number(s.reserved, INT_MIN, INT_MAX, "a star's reserved value");
    in.number(s.armies, game ? 0 : INT_MIN, INT_MAX, "a star's armies");
}

bool readGalaxy(Cursor& in, GameState& state, int version)
{
    Galaxy& g = state.galaxy;
    in.word("galaxy");
    long long n = 0;
    in.number(g.playerCount, minPlayers, maxPlayers, "the player count");
    in.integer(n, 1, maxFileStars, "the slot count");
    if (!in.ok) return false;
    g.layoutStars.assign(n, Star{});
    g.gameStars.assign(n, Star{});
    for (Star& s : g.layoutStars) readStar(in, s, false, g.playerCount);
    for (Star& s : g.gameStars) readStar(in, s, true, g.playerCount);
    long long count = 0;
    in.integer(count, n * n, n * n, "the link count");
    g.links.assign(static_cast<size_t>(n * n), 0);
    for (int& v : g.links) in.number(v, INT_MIN, INT_MAX, "a link");
    in.word(version == 1 ? "scratch" : "memory");
    state.ai.need.assign(in.ok ? n : 0, 0.0);
    state.ai.value.assign(in.ok ? n : 0, 0.0);
    for (size_t i = 0; i < state.ai.need.size(); ++i) {
        in.finite(state.ai.need[i], "a star's need");
        in.finite(state.ai.value[i], "a star's value");
    }
    return in.ok;
}

// What the game cannot be in, whatever the single numbers say.
bool consistent(Cursor& in, const GameState& s)
{
    const Galaxy& g = s.galaxy;
    if (!slotOrNone(s.transferFrom, g) || !slotOrNone(s.transferTo, g)) return in.fail("the transfer names no star");
    if (s.phase == GamePhase::HumanTransfer && (s.transferFrom == noOwner || s.transferTo == noOwner))
        return in.fail("the transfer names no star");
    if (!playerOrNone(s.winner, g)) return in.fail("the winner is no player");
    if ((s.phase == GamePhase::Over) != (s.winner != noOwner)) return in.fail("the winner does not match the phase");
    if (s.wonOnPoints && s.phase != GamePhase::Over) return in.fail("a win on points in a game not over");
    for (int p : s.unannounced)
        if (!g.isPlayer(p)) return in.fail("an eliminated player is no player");
    return true;
}

// The figures of every cycle ended (a cycle under way adds its own when it
// ends again), and the conquests of the last cycle and of the one under way;
// in computer turns under way only those made before they began.
void writeCourse(std::ostream& out, const GameState& state, bool inCycle)
{
    out << "history " << state.history.size() << '\n';
    for (const TurnFigures& f : state.history) {
        out << "figures " << f.turn;
        for (int p = 0; p < f.players; ++p) out << ' ' << f.stars[p] << ' ' << f.income[p] << ' ' << f.armies[p];
        out << '\n';
    }
    std::vector<std::pair<int, GameEvent>> events;
    for (const GameEvent& e : state.lastEvents) events.push_back({1, e});
    for (size_t i = 0; i < state.events.size(); ++i)
        if (!inCycle || i < state.cycleStart.events) events.push_back({0, state.events[i]});
    out << "events " << events.size() << '\n';
    for (const auto& [last, e] : events)
        out << "event " << last << ' ' << e.turn << ' ' << e.taker << ' ' << e.star << ' ' << e.loser << ' '
            << e.eliminated << '\n';
}

// The section writeCourse writes; a save without it has an empty course.
void readCourse(Cursor& in, GameState& s)
{
    const size_t at = in.pos;
    if (in.token() != "history") {
        in.pos = at;
        return;
    }
    long long n = 0;
    in.integer(n, 0, maxHistory, "the history's length");
    const int players = s.galaxy.playerCount;
    s.history.assign(in.ok ? n : 0, TurnFigures{});
    for (TurnFigures& f : s.history) {
        in.word("figures");
        in.number(f.turn, 0, INT_MAX, "a turn of the history");
        f.players = players;
        for (int p = 0; p < players; ++p) {
            in.number(f.stars[p], 0, maxFileStars, "a player's stars");
            in.number(f.income[p], 0, INT_MAX, "a player's income");
            in.number(f.armies[p], 0, INT_MAX, "a player's armies");
        }
    }
    in.word("events");
    in.integer(n, 0, 1000000, "the count of conquests");
    for (long long i = 0; in.ok && i < n; ++i) {
        GameEvent e;
        int last = 0;
        int eliminated = 0;
        in.word("event");
        in.number(last, 0, 1, "a conquest's cycle");
        in.number(e.turn, 0, INT_MAX, "a conquest's turn");
        in.number(e.taker, 0, players - 1, "a conqueror");
        in.number(e.star, 0, maxFileStars - 1, "a conquered star");
        in.number(e.loser, noOwner, players - 1, "a conquered star's owner");
        in.number(eliminated, 0, 1, "an elimination flag");
        e.eliminated = eliminated == 1;
        (last ? s.lastEvents : s.events).push_back(e);
    }
}

} // namespace

bool plainFileName(const std::string& name)
{
    if (name.empty() || name.size() > 200 || name[0] == '.') return false;
    for (unsigned char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
              c == '.'))
            return false;
    return true;
}

std::string saveText(const GameState& state, const RecordingMark& recording)
{
    // In a cycle of computer turns under way, the cycle as it began. A cycle
    // not yet begun (the human's turn just ended) begins from the galaxy now.
    const AiPhase step = state.computerTurns.phase;
    const bool inCycle =
        state.phase == GamePhase::ComputerTurns && step != AiPhase::CycleDone && step != AiPhase::GameOver;
    const std::vector<Star>& stars = inCycle ? state.cycleStart.stars : state.galaxy.gameStars;
    const std::vector<Player>& players = inCycle ? state.cycleStart.players : state.galaxy.players;
    const std::vector<double>& need = inCycle ? state.cycleStart.need : state.ai.need;
    const std::vector<double>& value = inCycle ? state.cycleStart.value : state.ai.value;
    const Galaxy& g = state.galaxy;
    const char* phase = "none";
    for (const PhaseName& p : phaseNames)
        if (p.phase == state.phase) phase = p.word;

    std::ostringstream out;
    out << saveFormatLine << '\n';
    out << "difficulty " << state.difficulty << '\n';
    out << "seats " << state.seats.size();
    for (Seat seat : state.seats) out << ' ' << seatWord(seat);
    out << '\n';
    out << "phase " << phase << '\n';
    out << "armiesToPlace " << state.armiesToPlace << '\n';
    out << "transfer " << state.transferFrom << ' ' << state.transferTo << '\n';
    out << "turnPlayer " << state.turnPlayer << '\n';
    out << "unannounced " << (inCycle ? 0 : state.unannounced.size());
    if (!inCycle)
        for (int p : state.unannounced) out << ' ' << p;
    out << '\n';
    out << "winner " << state.winner << '\n';
    out << "onPoints " << (state.wonOnPoints ? 1 : 0) << '\n';
    out << "random " << (inCycle ? state.cycleStart.random : state.random.state) << '\n';
    out << "turn " << g.turn << '\n';
    out << "lastConquest " << (inCycle ? state.cycleStart.lastConquestTurn : g.lastConquestTurn) << '\n';
    out << "minimumIncome " << real(g.minimumIncome) << '\n';
    out << "name " << g.name.size() << ' ' << g.name << '\n';
    out << "players " << players.size() << '\n';
    for (const Player& p : players) out << real(p.caution) << ' ' << p.alive << '\n';
    out << "galaxy\n";
    Galaxy copy;
    copy.playerCount = g.playerCount;
    copy.layoutStars = g.layoutStars;
    copy.gameStars = stars;
    copy.links = g.links;
    writeGalaxyText(out, copy);
    out << "\nmemory\n";
    for (size_t i = 0; i < stars.size(); ++i)
        out << real(i < need.size() ? need[i] : 0.0) << ' ' << real(i < value.size() ? value[i] : 0.0) << '\n';
    writeCourse(out, state, inCycle);
    if (plainFileName(recording.name)) out << "recording " << recording.name << ' ' << recording.bytes << '\n';
    return sealSaveText(out.str());
}

std::string sealSaveText(std::string body)
{
    char sum[24];
    std::snprintf(sum, sizeof sum, "sum %08x\n", fnv1a(body));
    return body + sum;
}

bool readSaveText(const std::string& text, GameState& state, std::string& why, RecordingMark* recording)
{
    // Saves of earlier versions stay on players' disks: they are read too.
    int version = 0;
    std::string first;
    for (int v = 1; v <= 3 && version == 0; ++v) {
        first = "zentory save " + std::to_string(v) + '\n';
        if (text.starts_with(first)) version = v;
    }
    if (version == 0) {
        why = "not a saved game of this version";
        return false;
    }
    // The sum line closes the text; anything after it is damage too.
    const size_t sumAt = text.rfind("sum ");
    if (sumAt == std::string::npos || sealSaveText(text.substr(0, sumAt)) != text) {
        why = "the file is damaged";
        return false;
    }

    Cursor in;
    const size_t header = first.size();
    in.text = std::string_view(text).substr(header, sumAt - header);
    GameState s;
    long long v = 0;
    in.word("difficulty");
    in.number(s.difficulty, 0, 4, "the difficulty");
    int demo = 0;
    if (version >= 3) {
        in.word("seats");
        in.integer(v, minPlayers, maxPlayers, "the seat count");
        s.seats.assign(in.ok ? v : 0, Seat::Computer);
        for (Seat& seat : s.seats)
            if (!parseSeatWord(in.token(), seat)) in.fail("an unknown seat");
    } else {
        // Before seats: player 0 the human, unless the demonstration played.
        in.word("demo");
        in.number(demo, 0, 1, "the demonstration flag");
    }
    in.word("phase");
    const std::string_view phase = in.token();
    s.phase = GamePhase::None;
    for (const PhaseName& p : phaseNames)
        if (phase == p.word) s.phase = p.phase;
    if (s.phase == GamePhase::None) in.fail("unknown phase");
    in.word("armiesToPlace");
    in.number(s.armiesToPlace, 0, INT_MAX, "the armies to place");
    in.word("transfer");
    in.number(s.transferFrom, noOwner, INT_MAX, "the transfer's source");
    in.number(s.transferTo, noOwner, INT_MAX, "the transfer's target");
    if (version >= 3) {
        in.word("turnPlayer");
        in.number(s.turnPlayer, noOwner, maxPlayers - 1, "the turn's player");
    }
    in.word("unannounced");
    in.integer(v, 0, maxPlayers, "the count of eliminations");
    s.unannounced.assign(in.ok ? v : 0, noOwner);
    for (int& p : s.unannounced) in.number(p, 0, maxPlayers - 1, "an eliminated player");
    in.word("winner");
    in.number(s.winner, noOwner, maxPlayers - 1, "the winner");
    in.word("onPoints");
    in.integer(v, 0, 1, "the points flag");
    s.wonOnPoints = v == 1;
    in.word("random");
    in.integer(v, 0, UINT32_MAX, "the generator's state");
    s.random.state = static_cast<uint32_t>(v);
    Galaxy& g = s.galaxy;
    in.word("turn");
    in.number(g.turn, 0, INT_MAX, "the turn");
    in.word("lastConquest");
    in.number(g.lastConquestTurn, 0, g.turn, "the last conquest's turn");
    in.word("minimumIncome");
    in.finite(g.minimumIncome, "the minimum income");
    if (version == 1) {
        // Gone: a game is in progress by its phase, and the selection is the board's.
        in.word("gameInProgress");
        in.integer(v, 0, 1, "the game-in-progress flag");
        in.word("selectedStar");
        in.integer(v, INT_MIN, INT_MAX, "the selected star");
    }
    in.word("name");
    in.integer(v, 0, 4096, "the name's length");
    in.line(g.name, in.ok ? static_cast<size_t>(v) : 0);
    in.word("players");
    in.integer(v, minPlayers, maxPlayers, "the player count");
    g.players.assign(in.ok ? v : 0, Player{});
    for (Player& p : g.players) {
        in.finite(p.caution, "a player's caution");
        in.number(p.alive, 0, 1, "a player's alive flag");
    }
    if (!readGalaxy(in, s, version)) {
        why = in.why;
        return false;
    }
    if (static_cast<int>(g.players.size()) != g.playerCount) in.fail("the player counts differ");
    if (version < 3) {
        s.seats = defaultSeats(g.playerCount, demo == 1);
        s.turnPlayer = demo == 1 ? noOwner : 0;
    }
    if (version >= 2) readCourse(in, s);
    RecordingMark mark;
    std::string_view last = in.token();
    if (version >= 2 && last == "recording") {
        mark.name = in.token();
        if (in.ok && !plainFileName(mark.name)) in.fail("the recording is no plain file name");
        long long bytes = 0;
        in.integer(bytes, 0, LLONG_MAX, "the recording's length");
        mark.bytes = static_cast<uint64_t>(bytes);
        last = in.token();
    }
    if (!last.empty()) in.fail("text after the end");
    if (!in.ok || !consistent(in, s)) {
        why = in.why;
        return false;
    }
    if (!checkPlayable(s, why)) return false;
    s.cycleStart =
        CycleStart{g.gameStars, g.players, s.random.state, g.lastConquestTurn, s.ai.need, s.ai.value, s.events.size()};
    state = std::move(s);
    if (recording) *recording = mark;
    return true;
}
